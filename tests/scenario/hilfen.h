#pragma once
// Shared set-up for the scenario tests: a fresh game record and a private folder per test.
#include <filesystem>
#include <string>
#include <unistd.h>

#include "model/einstellungen.h"
#include "model/karte.h"
#include "model/spiel.h"
#include "model/zustaende.h"

inline TKV FrischesSpiel() {
  TKV kv;
  SpielZuruecksetzen(kv);
  return kv;
}

// A fresh record with an empty map of this size, wrapping or not.
inline TKV Karte(int32_t breite, int32_t hoehe, bool umbrechend) {
  TKV kv = FrischesSpiel();
  kv.Karte.Breite = breite;
  kv.Karte.Hoehe = hoehe;
  FelderAnlegen(kv.Karte, breite, hoehe);
  KarteUmbrechendSetzen(kv.Einstellungen, umbrechend);
  return kv;
}

// Places an active start position of the given player as the editor does.
inline void StartSetzen(TKV& kv, int32_t x, int32_t y, int32_t spieler, uint8_t status = 1) {
  const int32_t i = ZustandIndex(kv.Karte, TPunkt{x, y}, zaStartpunkt);
  TFeldZustand& z = FeldZustaendeAendern(kv.Karte, x, y)[i];
  z.Status = status;
  z.Wert = spieler;
}

// A folder of its own, removed again at the end of the test.
class TTestordner {
public:
  TTestordner() {
    static int zaehler = 0;
    Pfad = std::filesystem::temp_directory_path() /
           ("vandor-szenario-" + std::to_string(::getpid()) + "-" + std::to_string(++zaehler));
    std::filesystem::create_directories(Pfad);
  }
  ~TTestordner() {
    std::error_code fehler;
    std::filesystem::remove_all(Pfad, fehler);
  }
  std::string Datei(const std::string& name) const { return (Pfad / name).string(); }
  std::filesystem::path Pfad;
};
