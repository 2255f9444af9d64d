#include "base/dateien.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/zahlen.h"

namespace fs = std::filesystem;

namespace {

char Klein(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The pattern "*." + endung + "*": somewhere in the name a dot followed by the extension. As on
// the desktop systems the files come from, the extension is compared without regard to case,
// and "*.*" (no extension) matches every name.
bool PasstZumMuster(const std::string& name, const std::string& endung) {
  if (endung.empty()) return true;
  for (std::size_t i = 0; i + endung.size() < name.size(); ++i) {
    if (name[i] != '.') continue;
    bool gleich = true;
    for (std::size_t k = 0; gleich && k < endung.size(); ++k)
      gleich = Klein(name[i + 1 + k]) == Klein(endung[k]);
    if (gleich) return true;
  }
  return false;
}

std::vector<std::string> Suchen(const std::string& ordner, const std::string& endung) {
  std::vector<std::string> namen;
  std::error_code fehler;
  fs::directory_iterator it(ordner.empty() ? fs::path(".") : fs::path(ordner), fehler);
  if (fehler) return namen;
  for (const fs::directory_iterator ende; it != ende; it.increment(fehler)) {
    const std::string name = it->path().filename().string();
    if (PasstZumMuster(name, endung)) namen.push_back(name);
    if (fehler) break;
  }
  if (fehler) namen.clear(); // an unreadable folder counts as empty, not as half a list
  std::sort(namen.begin(), namen.end());
  return namen;
}

std::string MitTrenner(const std::string& ordner) {
  if (ordner.empty() || ordner.back() == '/') return ordner;
  return ordner + "/";
}

} // namespace

bool DateiVorhanden(const std::string& pfad) {
  if (pfad.empty()) return false;
  std::error_code fehler;
  return fs::exists(fs::symlink_status(pfad, fehler));
}

int32_t DateienZaehlen(const std::string& ordner, const std::string& endung, bool mitEndung) {
  return static_cast<int32_t>(Suchen(ordner, mitEndung ? endung : std::string()).size());
}

int32_t DateienSuchen(const std::string& ordner, const std::string& endung, bool mitOrdner,
                      bool mitEndung, std::vector<std::string>& namen) {
  std::vector<std::string> gefunden = Suchen(ordner, mitEndung ? endung : std::string());
  if (gefunden.empty()) return 0;
  if (mitOrdner)
    for (std::string& name : gefunden)
      name = MitTrenner(ordner) + name;
  namen = std::move(gefunden);
  return static_cast<int32_t>(namen.size());
}

std::string FreierDateiname(const std::string& basis, const std::string& endung,
                            const std::string& ordner, int32_t erste, int32_t letzte,
                            uint8_t breite, bool nurName) {
  // 64-bit counter: a last number of INT32_MAX must not wrap the loop around.
  for (int64_t i = erste; i <= letzte; ++i) {
    // The name alone is the base and the number; the extension belongs to the path only.
    const std::string name = basis + ZahlText(static_cast<uint32_t>(i), breite);
    std::string pfad = MitTrenner(ordner) + name;
    if (!endung.empty()) pfad += "." + endung;
    if (!DateiVorhanden(pfad)) return nurName ? name : pfad;
  }
  return "notfound";
}
