#include "app_test_hilfen.h"

#include <QDir>
#include <fstream>
#include <sstream>

TTestOrdner::TTestOrdner() {
  for (const char* name : {"Speicher", "Benutzer", "Grafik", "Szenario"})
    QDir(Ordner.path()).mkdir(name);
}

std::string TTestOrdner::Pfad() const {
  return Ordner.path().toStdString() + "/";
}

std::string DateiInhalt(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void DateiSchreiben(const std::string& pfad, const std::string& inhalt) {
  std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
  f << inhalt;
}

#include "scenario/szenario_datei.h"

TSzenario Testszenario(int32_t breite, int32_t hoehe, const std::vector<TPunkt>& startpunkte,
                       const TText& name, const TText& datum, uint8_t t0) {
  TSzenario s;
  s.Texte[stName] = name;
  s.Texte[stAutor] = "Anna";
  s.Texte[stEpost] = "anna@example.org";
  s.Texte[stHomepage] = "example.org";
  s.Texte[stBeschreibung] = "Zwei Inseln";
  s.Texte[stDatum] = datum;
  s.Kartenwerte[0] = breite;
  s.Kartenwerte[1] = hoehe;
  s.Kartenwerte[2] = static_cast<int32_t>(startpunkte.size());
  s.Zellen.Breite = breite;
  s.Zellen.Hoehe = hoehe;
  for (int32_t x = 0; x < breite; ++x)
    for (int32_t y = 0; y < hoehe; ++y)
      s.Zellen.Gelaende.push_back(static_cast<uint8_t>((x + t0) % 16));
  s.Startpunkte = startpunkte;
  return s;
}

bool TestszenarioSchreiben(const TTestOrdner& o, const std::string& datei, const TSzenario& s) {
  return SzenarioSpeichern(s, o.Datei("Szenario/" + datei));
}
