#include "app_test_hilfen.h"

#include <QDir>
#include <fstream>
#include <sstream>

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
