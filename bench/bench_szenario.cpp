// Timing of map creation, saving, loading and the flood fill on the largest map the set-up
// dialog can ask for (9 999 x 9 999 cells). Prints one line per step: seconds and peak memory.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "base/zufall.h"
#include "model/einstellungen.h"
#include "scenario/geometrie.h"
#include "scenario/karte_erzeugen.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"
#include "scenario/zielflaeche.h"

namespace {

constexpr int32_t Seite = 9999;

// Memory figures of this process in MiB: the peak since the last reset, and now.
long StatusWert(const char* name) {
  std::ifstream status("/proc/self/status");
  std::string zeile;
  while (std::getline(status, zeile))
    if (zeile.rfind(name, 0) == 0) return std::stol(zeile.substr(std::strlen(name))) / 1024;
  return -1;
}

// Starts a new peak measurement (the kernel resets the high-water mark on "5").
void SpitzeZuruecksetzen() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

struct TMessung {
  const char* Name;
  std::chrono::steady_clock::time_point Anfang = std::chrono::steady_clock::now();
  explicit TMessung(const char* name) : Name(name) { SpitzeZuruecksetzen(); }
  void Ende(const std::string& zusatz = {}) {
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - Anfang).count();
    std::printf("%-44s %8.2f s   peak %6ld MiB   now %6ld MiB   %s\n", Name, s,
                StatusWert("VmHWM:"), StatusWert("VmRSS:"), zusatz.c_str());
    std::fflush(stdout);
  }
};

TKV Spiel() {
  TKV kv;
  SpielZuruecksetzen(kv);
  // Seeded from the clock as a real session is (a short-period state would compress unfairly well).
  ZufallInitialisieren(kv.Zufall.Generator);
  return kv;
}

void Fuellen(int32_t schritt, const char* name) {
  TKV kv = Spiel();
  TKartenParameter p;
  p.Breite = Seite;
  p.Hoehe = Seite;
  p.Gelaende = 3;
  KarteErzeugen(kv, p);
  TMessung m(name);
  // As the fill tool does it: the whole map in range, the clicked cell's terrain.
  TZielbereich b;
  ZielbereichLeeren(b);
  b.Art = zbZusammenhaengend;
  b.Reichweite = (Seite + Seite) * 100;
  b.Schritt = schritt;
  b.Gelaendemenge.set(3);
  TZielflaeche flaeche;
  const TPunkt c{Seite / 2, Seite / 3};
  const int32_t anzahl = ZielflaecheBerechnen(kv, b, Rechteck(c, c), flaeche);
  for (const TZielpunkt& z : flaeche) {
    TPunkt q{z.x, z.y};
    if (AufKarte(kv, q)) GelaendeSetzen(kv.Karte, q.x, q.y, 6);
  }
  m.Ende(std::to_string(anzahl) + " cells");
}

} // namespace

int main() {
  const std::filesystem::path ordner =
      std::filesystem::temp_directory_path() / ("bench_szenario-" + std::to_string(::getpid()));
  std::filesystem::create_directories(ordner);
  const std::string datei = (ordner / "gross.vdz").string();
  std::printf("map of %d x %d cells\n", Seite, Seite);

  {
    TKV kv = Spiel();
    TKartenParameter p;
    p.Breite = Seite;
    p.Hoehe = Seite;
    p.Landschaft = 1;
    p.Verfahren = kvLandschaft;
    TMessung m("KarteErzeugen (landscape draw)");
    KarteErzeugen(kv, p);
    m.Ende();

    p.Verfahren = kvFuellen;
    TMessung f("KarteErzeugen (one terrain)");
    KarteErzeugen(kv, p);
    f.Ende();

    p.Verfahren = kvLandschaft;
    KarteErzeugen(kv, p);
    TMessung s("SzenarioAusKarte + SzenarioSpeichern");
    TSzenario szenario;
    SzenarioAusKarte(szenario, kv);
    const bool gut = SzenarioSpeichern(szenario, datei);
    s.Ende(std::string(gut ? "ok, " : "FAILED, ") +
           std::to_string(std::filesystem::file_size(datei) / 1024 / 1024) + " MiB file");
  }
  {
    TKV kv = Spiel();
    TSzenario szenario;
    TMessung m("SzenarioLaden + KarteAusSzenario");
    const bool gut = SzenarioLaden(kv, szenario, datei) && KarteAusSzenario(kv, szenario);
    m.Ende(gut ? "ok" : "FAILED");
  }
  Fuellen(100, "fill, brush size 0 (Schritt 100)");
  Fuellen(350, "fill, brush size 5 (Schritt 350)");
  std::filesystem::remove_all(ordner);
  return 0;
}
