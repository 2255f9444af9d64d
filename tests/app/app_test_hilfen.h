#pragma once
// Shared helpers of the application tests.
#include <QTemporaryDir>
#include <string>

// A throw-away program folder ("/" at the end) with the four data folders below it.
struct TTestOrdner {
  QTemporaryDir Ordner;
  std::string Pfad() const;
  // Full path of a file below the program folder.
  std::string Datei(const std::string& name) const { return Pfad() + name; }
};

std::string DateiInhalt(const std::string& pfad);
void DateiSchreiben(const std::string& pfad, const std::string& inhalt);
