// Whole-map work on the largest map: flood fill at size 0 and 5 (time and peak memory growth),
// mirroring across a diagonal with and without the rebuild, and a random "Inseln" map (time,
// longest repeat and compressed size). The PNG row is measured on the command line:
// `/usr/bin/time -v vandor-cli overview BIG.vdz OUT.png`.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>
#include <zlib.h>

#include "editor/editor.h"
#include "model/einstellungen.h"
#include "model/spiel.h"
#include "scenario/karte_erzeugen.h"

namespace {

using TUhr = std::chrono::steady_clock;

double Millisekunden(TUhr::time_point von) {
  return std::chrono::duration<double, std::milli>(TUhr::now() - von).count();
}

// CPU time of the process: on a shared machine it says more than the wall clock.
double CpuMillisekunden() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A line of /proc/self/status in MB ("VmRSS:", "VmHWM:").
double StatusMB(const char* feld) {
  double kb = 0;
  if (FILE* f = std::fopen("/proc/self/status", "r")) {
    char zeile[256];
    while (std::fgets(zeile, sizeof zeile, f))
      if (std::strncmp(zeile, feld, std::strlen(feld)) == 0)
        kb = std::atof(zeile + std::strlen(feld));
    std::fclose(f);
  }
  return kb / 1024.0;
}

// Sets the peak resident size back to the present one, so that the next peak is the work's own.
void SpitzeZuruecksetzen() {
  if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
    std::fputs("5", f);
    std::fclose(f);
  }
}

void KarteFuellen(TKV& kv, int32_t seite, uint8_t gelaende) {
  SpielZuruecksetzen(kv);
  TKartenParameter p;
  p.Breite = seite;
  p.Hoehe = seite;
  p.Gelaende = gelaende;
  p.Verfahren = kvFuellen;
  KarteErzeugen(kv, p);
}

// Bytes of the terrain, column by column, compressed with zlib at level 1 as the files are.
std::size_t KomprimierteGroesse(const TKarte& karte) {
  z_stream z{};
  deflateInit(&z, 1);
  std::vector<uint8_t> spalte(static_cast<std::size_t>(karte.Hoehe)), aus(1 << 16);
  std::size_t groesse = 0;
  for (int32_t x = 0; x <= karte.Breite; ++x) {
    const bool ende = x == karte.Breite;
    if (!ende) SpalteLesen(karte, x, spalte.data());
    z.next_in = spalte.data();
    z.avail_in = ende ? 0 : static_cast<uInt>(spalte.size());
    do {
      z.next_out = aus.data();
      z.avail_out = static_cast<uInt>(aus.size());
      deflate(&z, ende ? Z_FINISH : Z_NO_FLUSH);
      groesse += aus.size() - z.avail_out;
    } while (z.avail_out == 0);
  }
  deflateEnd(&z);
  return groesse;
}

// The shortest period p (up to grenze) with which the column-major terrain sequence repeats over
// its last `laenge` cells; 0 when none.
int32_t KuerzesteWiederholung(const TKarte& karte, int32_t grenze, int64_t laenge) {
  std::vector<uint8_t> folge;
  folge.reserve(static_cast<std::size_t>(laenge));
  std::vector<uint8_t> spalte(static_cast<std::size_t>(karte.Hoehe));
  for (int32_t x = karte.Breite - 1; x >= 0 && static_cast<int64_t>(folge.size()) < laenge; --x) {
    SpalteLesen(karte, x, spalte.data());
    folge.insert(folge.begin(), spalte.begin(), spalte.end());
  }
  for (int32_t p = 1; p <= grenze; ++p)
    if (folge.size() > static_cast<std::size_t>(2 * p) &&
        std::memcmp(folge.data(), folge.data() + p, folge.size() - p) == 0)
      return p;
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  const int32_t seite = argc > 1 ? std::atoi(argv[1]) : 9999;
  const std::filesystem::path ordner = std::filesystem::temp_directory_path() /
                                       ("vandor_bench_ganzkarte_" + std::to_string(getpid()));
  TProgramm programm;
  TKV kv;
  TEditorUmgebung umgebung;
  umgebung.BildZeichnen = [] {};
  umgebung.UebersichtAktualisieren = [](const TUebersichtAenderung&) {};
  umgebung.Tickzahl = [] { return 0u; };
  umgebung.LinkeTasteGedrueckt = [] { return false; };
  TEditor e{programm, kv, umgebung};
  EditorStart(programm, ordner.string());
  std::printf("map %d x %d\n", seite, seite);

  // Flood fill of a map of one terrain: the area is the whole map.
  TProgrammSpiel& ps = programm.ProgrammSpiel;
  ps.Werkzeug = wzAusfuellen;
  for (int32_t groesse : {0, 5}) {
    KarteFuellen(kv, seite, 3);
    ps.Groesse = groesse;
    ps.Gelaende = 7;
    const double vorher = StatusMB("VmRSS:");
    SpitzeZuruecksetzen();
    const auto t0 = TUhr::now();
    const double c0 = CpuMillisekunden();
    WerkzeugAnwenden(e, {seite / 2, seite / 2});
    const double ms = Millisekunden(t0), cpu = CpuMillisekunden() - c0;
    const bool ganz =
        Gelaende(kv.Karte, 0, 0) == 7 && Gelaende(kv.Karte, seite - 1, seite - 1) == 7;
    std::printf("flood fill of the whole map, size %d: %6.0f ms (cpu %6.0f ms), peak +%.0f MB%s\n",
                groesse, ms, cpu, StatusMB("VmHWM:") - vorher, ganz ? "" : " (NOT the whole map)");
  }

  // Mirroring on a random map, then the rebuild the editor does after it.
  TKartenParameter p;
  p.Breite = seite;
  p.Hoehe = seite;
  p.Landschaft = 1;
  p.Verfahren = kvLandschaft;
  SpielZuruecksetzen(kv);
  KarteErzeugen(kv, p);
  ProgrammVorbereiten(e);
  for (uint8_t art : {2, 3}) {
    auto t0 = TUhr::now();
    double c0 = CpuMillisekunden();
    KarteSpiegeln(kv, art, 0);
    const double spiegeln = Millisekunden(t0), spiegelnCpu = CpuMillisekunden() - c0;
    t0 = TUhr::now();
    c0 = CpuMillisekunden();
    KarteNeuAufbauen(e);
    std::printf("mirror across diagonal %d: %6.0f ms (cpu %6.0f ms), rebuild %6.0f ms (cpu %6.0f "
                "ms)\n",
                art, spiegeln, spiegelnCpu, Millisekunden(t0), CpuMillisekunden() - c0);
  }

  // A random "Inseln" map from a fixed generator state.
  p.Landschaft = 2;
  SpielZuruecksetzen(kv);
  kv.Zufall.Generator = {12345, 8231, 945, 23985381};
  const auto t0 = TUhr::now();
  KarteErzeugen(kv, p);
  const double bauen = Millisekunden(t0);
  std::printf("random Inseln map: %6.0f ms, shortest repeat over its last 1e6 cells %d "
              "(0: none up to 1e5), compressed %.0f KB\n",
              bauen, KuerzesteWiederholung(kv.Karte, 100000, 1000000),
              KomprimierteGroesse(kv.Karte) / 1024.0);
  std::error_code f;
  std::filesystem::remove_all(ordner, f);
  return 0;
}
