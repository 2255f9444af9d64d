// Replay event lines: read as the command-line tool reads them, then fed to a headless editor on
// a small random map, as "vandor-cli replay" does.
#include <cstdint>
#include <sstream>
#include <string>

#include "cli_abspielen.h"
#include "cli_common.h"
#include "editor/start.h"
#include "model/einstellungen.h"
#include "scenario/karte_erzeugen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t laenge) {
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
  std::vector<TAbspielereignis> ereignisse;
  try {
    ereignisse = AbspielereignisseLesen(ein);
  } catch (const TAufruffehler&) {
    return 0; // a malformed line is a clear error; nothing runs
  } catch (const TDateifehler&) {
    return 0; // so is a line or a list beyond the limits
  }
  if (ereignisse.size() > 4000) ereignisse.resize(4000);

  TAbspielsitzung s;
  TKartenParameter p;
  p.Breite = 23;
  p.Hoehe = 17;
  p.Verfahren = kvLandschaft;
  p.Landschaft = static_cast<uint8_t>(laenge % 17);
  if (!KarteErzeugen(s.KV, p)) return 0;
  if (laenge % 2) KarteUmbrechendSetzen(s.KV.Einstellungen, true);
  EditorStart(s.Programm, s.Ordner.Pfad.string());
  s.Umgebung.Tickzahl = [&s] { return s.Uhr; };
  s.Umgebung.LinkeTasteGedrueckt = [&s] { return s.Links; };
  TEditor e{s.Programm, s.KV, s.Umgebung};
  ProgrammVorbereiten(e);
  Abspielen(s, ereignisse);
  return 0;
}
