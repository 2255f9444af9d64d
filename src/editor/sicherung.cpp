#include "editor/sicherung.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <system_error>
#include <utility>

#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"

namespace {

bool GleicheKarte(const TKarte& a, const TKarte& b) {
  int32_t wa[10], wb[10];
  KartenwerteLesen(a, wa);
  KartenwerteLesen(b, wb);
  return FelderGeteilt(a, b) && std::equal(wa, wa + 10, wb);
}

bool Laeuft(const TSicherung& s) {
  return s.Arbeit.valid() &&
         s.Arbeit.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

// Takes the result of a finished worker.
void Einsammeln(TSicherung& s) {
  if (!s.Arbeit.valid()) return;
  if (s.Arbeit.get()) {
    s.Geschrieben = true;
  } else {
    // Tried again once the map has rested again.
    s.KopiertGueltig = false;
  }
}

void Entfernen(TSicherung& s) {
  std::error_code f;
  std::filesystem::remove(s.Pfad, f);
  s.Geschrieben = false;
}

} // namespace

std::string WiederherstellungPfad(const std::string& programmordner) {
  return programmordner + "Speicher/Wiederherstellung.vdz";
}

bool SicherungTakt(TSicherung& s, const TKV& kv, bool ungesichert, uint32_t jetzt,
                   const std::function<TSicherungstexte()>& texte) {
  if (!GleicheKarte(kv.Karte, s.Gesehen)) {
    s.Gesehen = kv.Karte;
    s.LetzteAenderung = jetzt;
    if (!s.Offen) s.ErsteOffene = jetzt;
    s.Offen = true;
  }
  if (Laeuft(s)) return false;
  Einsammeln(s);
  if (!ungesichert) {
    s.Offen = false;
    if (s.Geschrieben) Entfernen(s);
    return false;
  }
  if (s.KopiertGueltig && GleicheKarte(kv.Karte, s.Kopiert)) {
    s.Offen = false;
    return false;
  }
  // A map that has changes no copy holds but has not changed since the last look (a failed
  // copy, the map changed back and forth) counts from now.
  if (!s.Offen) {
    s.Offen = true;
    s.ErsteOffene = s.LetzteAenderung = jetzt;
  }
  if (jetzt - s.LetzteAenderung < s.Ruhe && jetzt - s.ErsteOffene < s.Abstand) return false;

  // The main thread's part: a copy of the record (its map shares every block) and the texts.
  TKV kopie = kv;
  TSicherungstexte t = texte ? texte() : TSicherungstexte{};
  s.Kopiert = kv.Karte;
  s.KopiertGueltig = true;
  s.Offen = false;
  try {
    s.Arbeit = std::async(std::launch::async,
                          [kopie = std::move(kopie), t = std::move(t), pfad = s.Pfad]() mutable {
                            try {
                              TSzenario szenario;
                              const bool umgewandelt = SzenarioAusKarte(szenario, kopie);
                              // The blocks go as soon as the cells are in the record.
                              kopie = TKV{};
                              if (!umgewandelt) return false;
                              for (std::size_t i = 0; i < t.size(); ++i)
                                szenario.Texte[i] = std::move(t[i]);
                              return SzenarioSpeichern(szenario, pfad);
                            } catch (const std::exception&) {
                              // Out of memory: no copy this time, the map itself is untouched.
                              return false;
                            }
                          });
  } catch (const std::system_error&) {
    // No thread to be had now: tried again after the next rest.
    s.KopiertGueltig = false;
    return false;
  }
  return true;
}

bool SicherungAbwarten(TSicherung& s) {
  if (s.Arbeit.valid()) Einsammeln(s);
  return s.Geschrieben;
}

void SicherungBeenden(TSicherung& s, bool ungesichert) {
  SicherungAbwarten(s);
  if (!ungesichert) Entfernen(s);
}

bool SicherungAnbieten(const std::string& pfad, const std::string& szenarioordner) {
  namespace fs = std::filesystem;
  std::error_code f;
  if (!fs::is_regular_file(pfad, f)) return false;
  const fs::file_time_type kopie = fs::last_write_time(pfad, f);
  if (f) return false;
  for (fs::directory_iterator it(szenarioordner, f), ende; !f && it != ende; it.increment(f)) {
    std::error_code g;
    if (it->path().extension() != ".vdz" || !it->is_regular_file(g)) continue;
    const fs::file_time_type zeit = it->last_write_time(g);
    if (!g && zeit >= kopie) return false;
  }
  return true;
}
