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
