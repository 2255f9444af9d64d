#pragma once
// Shared helpers of the application tests.
#include <QTemporaryDir>
#include <string>

// A throw-away program folder ("/" at the end) with the four data folders below it.
struct TTestOrdner {
  TTestOrdner();
  QTemporaryDir Ordner;
  std::string Pfad() const;
  // Full path of a file below the program folder.
  std::string Datei(const std::string& name) const { return Pfad() + name; }
};

std::string DateiInhalt(const std::string& pfad);
void DateiSchreiben(const std::string& pfad, const std::string& inhalt);

#include <vector>

#include "base/punkt.h"
#include "model/szenario.h"

// A scenario record of breite x hoehe cells (terrain t at column x is (x + t0) % 16) with the
// given start positions and texts.
TSzenario Testszenario(int32_t breite, int32_t hoehe, const std::vector<TPunkt>& startpunkte,
                       const TText& name = "Test", const TText& datum = "1.2.2024", uint8_t t0 = 0);
// Writes it as programmordner/Szenario/<datei>; true on success.
bool TestszenarioSchreiben(const TTestOrdner& o, const std::string& datei, const TSzenario& s);
