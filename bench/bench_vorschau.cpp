// Timing and peak memory of the scenario list's overview picture on the largest map (9 999 x 9 999
// cells): plain, with 1 000 000 start positions on one cell and on distinct cells. The dialog's
// picture (145 x 145) and the full-size one are shown, a preview of a saved file from disk, and
// the thumbnail drawn straight from that file.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "model/einstellungen.h"
#include "model/spiel.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_vorschau.h"

namespace {

constexpr int32_t Seite = 9999;
constexpr int32_t Startanzahl = 1000000;

// Memory figures of this process in MiB: the peak since the last reset, and now.
long StatusWert(const char* name) {
  std::ifstream status("/proc/self/status");
  std::string zeile;
  while (std::getline(status, zeile))
    if (zeile.rfind(name, 0) == 0) return std::stol(zeile.substr(std::strlen(name))) / 1024;
  return -1;
}

struct TMessung {
  const char* Name;
  std::chrono::steady_clock::time_point Anfang;
  explicit TMessung(const char* name) : Name(name) {
    std::ofstream("/proc/self/clear_refs") << "5"; // the kernel resets the high-water mark
    Anfang = std::chrono::steady_clock::now();
  }
  void Ende(bool gut) {
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - Anfang).count();
    std::printf("%-52s %8.3f s   peak %6ld MiB   %s\n", Name, s, StatusWert("VmHWM:"),
                gut ? "ok" : "FAILED");
    std::fflush(stdout);
  }
};

void Vorschau(const TSzenario& s, const char* name) {
  TRgbaBild bild;
  TMessung m(name);
  m.Ende(ErzeugeVorschau(bild, s, false, 145));
}

// With a palette, as vandor-cli overview draws it.
void Voll(const TSzenario& s, const char* name) {
  TPalettenBild bild;
  TMessung m(name);
  m.Ende(ErzeugeUebersicht(bild, s, false));
}

} // namespace

int main() {
  std::printf("map of %d x %d cells, %d start positions\n", Seite, Seite, Startanzahl);
  const std::filesystem::path ordner =
      std::filesystem::temp_directory_path() / ("bench_vorschau-" + std::to_string(::getpid()));
  std::filesystem::create_directories(ordner);
  const std::string datei = (ordner / "gross.vdz").string();
  {
    TSzenario s;
    s.Kartenwerte[0] = s.Kartenwerte[1] = Seite;
    s.Zellen.Breite = s.Zellen.Hoehe = Seite;
    s.Zellen.Gelaende.resize(static_cast<std::size_t>(Seite) * Seite);
    for (std::size_t i = 0; i < s.Zellen.Gelaende.size(); ++i)
      s.Zellen.Gelaende[i] = static_cast<uint8_t>(i / 4099 % 16);
    Vorschau(s, "preview 145, plain map");
    Voll(s, "full size, plain map");

    s.Startpunkte.assign(Startanzahl, TPunkt{Seite / 2, Seite / 3});
    s.Kartenwerte[2] = Startanzahl;
    Vorschau(s, "preview 145, starts on one cell");
    Voll(s, "full size, starts on one cell");

    for (int32_t i = 0; i < Startanzahl; ++i)
      s.Startpunkte[i] = {static_cast<int32_t>((i * 7919LL) % Seite),
                          static_cast<int32_t>((i * 104729LL / 3) % Seite)};
    Vorschau(s, "preview 145, starts on distinct cells");
    Voll(s, "full size, starts on distinct cells");
    s.Startpunkte.assign(Startanzahl, TPunkt{Seite / 2, Seite / 3});
    if (!SzenarioSpeichern(s, datei)) std::printf("saving FAILED\n");
  }
  {
    // What the dialog does for the file: load, then draw the picture (peak over both).
    TKV kv;
    SpielZuruecksetzen(kv);
    TSzenario s;
    TRgbaBild bild;
    TMessung m("load + preview 145 of the saved file (one cell)");
    m.Ende(SzenarioLaden(kv, s, datei) && ErzeugeVorschau(bild, s, false, 145));
  }
  for (const int32_t seite : {256, 1024}) {
    // The thumbnailer: the picture drawn while the file is inflated, nothing of the map kept.
    TRgbaBild bild;
    const std::string name = "thumbnail " + std::to_string(seite) + " of the saved file";
    TMessung m(name.c_str());
    m.Ende(DateiVorschau(bild, datei, seite, true));
  }
  std::filesystem::remove_all(ordner);
  return 0;
}
