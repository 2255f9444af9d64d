#include "app/benutzer_ini.h"

#include "app/ini_datei.h"

namespace {
const TText Abschnitt = "Editor";
}

std::string BenutzerIniPfad(const std::string& programmordner) {
  return programmordner + "Benutzer/Benutzer.ini";
}

TBenutzerDaten BenutzerDatenLesen(const std::string& pfad) {
  TIniDatei datei;
  IniLaden(pfad, datei);
  TBenutzerDaten d;
  d.Autor = IniLesen(datei, Abschnitt, "Autor");
  d.Epost = IniLesen(datei, Abschnitt, "Epost");
  d.Homepage = IniLesen(datei, Abschnitt, "Homepage");
  return d;
}

bool BenutzerDatenSchreiben(const std::string& pfad, const TBenutzerDaten& daten) {
  // A file that exists but could not be read is never written over: its other lines would be
  // lost.
  TIniDatei datei;
  if (!IniLaden(pfad, datei)) return false;
  IniSchreiben(datei, Abschnitt, "Autor", daten.Autor);
  IniSchreiben(datei, Abschnitt, "Epost", daten.Epost);
  IniSchreiben(datei, Abschnitt, "Homepage", daten.Homepage);
  return IniSpeichern(pfad, datei);
}

int64_t VerlaufsspeicherLesen(const std::string& pfad) {
  constexpr int64_t Standard = 512;
  TIniDatei datei;
  IniLaden(pfad, datei);
  const TText wert = IniLesen(datei, Abschnitt, "Verlaufsspeicher");
  int64_t mib = 0;
  for (const char c : wert) {
    if (c < '0' || c > '9' || mib > (int64_t{1} << 40)) return Standard;
    mib = mib * 10 + (c - '0');
  }
  return mib > 0 ? mib : Standard;
}
