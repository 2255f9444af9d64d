// Scenario file bytes: decompression, the image parse, the details lines, the overview pictures,
// the map built from the scenario and the scenario taken back from that map. Any input may
// declare 10^8 cells; to keep the rate up this target refuses sides above 300 unless built as
// szenario_voll, which runs at the loader's real limits.
#include <cstdint>
#include <cstdlib>

#include "model/spiel.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"
#include "scenario/szenario_vorschau.h"

#ifdef VANDOR_FUZZ_VOLL
constexpr int32_t Seite = SzenarioHoechstseite;
constexpr int32_t Starts = SzenarioHoechstStartpunkte;
#else
constexpr int32_t Seite = 300;
constexpr int32_t Starts = 5000;
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t laenge) {
  TSzenario s;
  const bool gut = SzenarioEntpacken(s, daten, laenge, Seite, Starts);
  if (gut && (s.Kartenwerte[0] < 0 || s.Kartenwerte[1] < 0 || s.Kartenwerte[2] < 0)) std::abort();
  SzenarioDetails(s, 0);
  SzenarioDetails(s, 1);
  TRgbaBild bild;
  ErzeugeVorschau(bild, s, laenge % 2 == 0, 145);
  if (!gut) return 0;
#ifndef VANDOR_FUZZ_VOLL
  ErzeugeUebersicht(bild, s, laenge % 2 == 1);
#endif

  // The map keeps every cell's terrain: taken back, the cells are the file's.
  TKV kv;
  if (!KarteAusSzenario(kv, s)) return 0;
  TSzenario zurueck;
  if (!SzenarioAusKarte(zurueck, kv)) return 0;
  if (s.Kartenwerte[0] > 0 && s.Kartenwerte[1] > 0 && zurueck.Zellen.Gelaende != s.Zellen.Gelaende)
    std::abort();
  if (zurueck.Startpunkte.size() > s.Startpunkte.size()) std::abort();
  return 0;
}
