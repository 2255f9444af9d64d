#include "app/fensterlage.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "app/ini_datei.h"
#include "editor/bildbereiche.h"

namespace {

const TText Abschnitt = "Editorfenster";
// No screen is this large: a larger value is damage.
constexpr int32_t Groesstwert = 1000000;

bool Zahl(const TIniDatei& datei, const char* schluessel, int32_t& wert) {
  const TText text = IniLesen(datei, Abschnitt, schluessel);
  const char* ende = text.data() + text.size();
  const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
  return !text.empty() && fehler == std::errc() && p == ende && wert > -Groesstwert &&
         wert < Groesstwert;
}

} // namespace

TFensterlage FensterlageLesen(const std::string& pfad) {
  TIniDatei datei;
  TFensterlage l;
  if (!IniLaden(pfad, datei)) return l;
  int32_t maximiert = 0;
  l.Gueltig = Zahl(datei, "Links", l.x) && Zahl(datei, "Oben", l.y) &&
              Zahl(datei, "Breite", l.Breite) && Zahl(datei, "Hoehe", l.Hoehe) &&
              l.Breite >= FensterMindestbreite && l.Hoehe >= FensterMindesthoehe;
  // A missing or strange state is the normal one.
  l.Maximiert = Zahl(datei, "Maximiert", maximiert) && maximiert == 1;
  return l;
}

bool FensterlageSchreiben(const std::string& pfad, const TFensterlage& lage) {
  TIniDatei datei;
  if (!IniLaden(pfad, datei)) return false;
  IniSchreiben(datei, Abschnitt, "Links", std::to_string(lage.x));
  IniSchreiben(datei, Abschnitt, "Oben", std::to_string(lage.y));
  IniSchreiben(datei, Abschnitt, "Breite", std::to_string(lage.Breite));
  IniSchreiben(datei, Abschnitt, "Hoehe", std::to_string(lage.Hoehe));
  IniSchreiben(datei, Abschnitt, "Maximiert", lage.Maximiert ? "1" : "0");
  return IniSpeichern(pfad, datei);
}

TFenstergroesse Anfangsgroesse(TFenstergroesse frei, TFenstergroesse rahmen) {
  const int64_t b = int64_t{frei.Breite} * 9 / 10 - rahmen.Breite;
  const int64_t h = int64_t{frei.Hoehe} * 9 / 10 - rahmen.Hoehe;
  int64_t breite = std::min(b, h * Bildschirmbreite / Bildschirmhoehe);
  breite = std::max<int64_t>(breite, FensterMindestbreite);
  return {static_cast<int32_t>(breite),
          static_cast<int32_t>(breite * Bildschirmhoehe / Bildschirmbreite)};
}
