// Figures of the renderer on the software rasteriser without a display: the time of one frame
// at the widest zoom, whole and layer by layer, and the overview image of a 9 999 x 9 999 map built
// whole and brought up to date after one press of the largest square brush.
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "render/bild.h"
#include "render/grafik.h"
#include "render/grafikgruppen.h"
#include "render/offscreen.h"

namespace {

double Millisekunden(const std::function<void()>& f, int wiederholungen = 1) {
  const auto anfang = std::chrono::steady_clock::now();
  for (int i = 0; i < wiederholungen; ++i)
    f();
  const auto ende = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(ende - anfang).count() / wiederholungen;
}

// A map of breite x hoehe cells with terrains from a small generator, written column by column.
void KarteFuellen(TKV& kv, int32_t breite, int32_t hoehe) {
  SpielZuruecksetzen(kv);
  FelderAnlegen(kv.Karte, breite, hoehe);
  kv.Karte.Breite = breite;
  kv.Karte.Hoehe = hoehe;
  std::vector<uint8_t> spalte(hoehe);
  uint32_t z = 12345;
  for (int32_t x = 0; x < breite; ++x) {
    for (int32_t y = 0; y < hoehe; ++y) {
      z = z * 1664525u + 1013904223u;
      spalte[y] = static_cast<uint8_t>(1 + (z >> 24) % 8);
    }
    SpalteSchreiben(kv.Karte, x, spalte.data());
  }
}

std::string Grafik() {
  std::error_code f;
  const auto programm = std::filesystem::read_symlink("/proc/self/exe", f);
  return Grafikordner(f ? "." : programm.parent_path().string());
}

} // namespace

int main() {
  TOffscreen kontext;
  std::string fehler;
  if (!OffscreenAnlegen(kontext, 1600, 1200, fehler)) {
    std::fprintf(stderr, "bench_render: no OpenGL context: %s\n", fehler.c_str());
    return 1;
  }
  std::printf("renderer: %s, %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
              reinterpret_cast<const char*>(glGetString(GL_VERSION)));
  TGrafik g;
  GrafikEinrichten(g, Grafik());
  std::printf("terrain atlas: %s\n", g.Basistexturen[grGelaende] ? "loaded" : "none (white)");

  TProgramm p;
  TKV kv;
  FarbenEinrichten(p.Farben);
  TEditorUmgebung umgebung;
  double uebersichtZeit = 0;
  umgebung.UebersichtAktualisieren = [&](const TUebersichtAenderung& a) {
    uebersichtZeit += Millisekunden([&] { UebersichtAktualisieren(g.Uebersicht, p, kv, a); });
  };
  TEditor e{p, kv, umgebung};

  // One frame at zoom 6 (45 x 45 cells, 46 x 46 drawn) at 1600 x 1200, every option on.
  KarteFuellen(kv, 200, 200);
  ProgrammVorbereiten(e);
  ZoomSetzen(p, 6);
  p.ProgrammSpiel.Position = {100, 100};
  UebersichtAktualisieren(e);
  for (int i = 0; i < 5; ++i) { // warm up
    BildZeichnen(g, p, kv, 0);
    glFinish();
  }
  const double bild = Millisekunden(
      [&] {
        BildZeichnen(g, p, kv, 0);
        glFinish();
      },
      50);
  std::printf("frame at zoom 6, 1600 x 1200:               %8.2f ms\n", bild);

  // The same frame layer by layer, each finished before the next starts: where the time goes.
  // The figures add up to a little more than the frame, which overlaps nothing either way.
  {
    struct TSchicht {
      const char* Name;
      std::function<void()> Zeichnen;
      std::vector<double> Zeiten;
    };
    std::vector<TSchicht> schichten = {
        {"set-up and clear", [&] { BildVorbereiten(g); }, {}},
        {"stars", [&] { HintergrundZeichnen(g); }, {}},
        {"terrain", [&] { GelaendeZeichnen(g, p, kv); }, {}},
        {"grid and coordinates", [&] { GitterZeichnen(g, p, kv); }, {}},
        {"start positions", [&] { StartpunkteZeichnen(g, p, kv); }, {}},
        {"help lines", [&] { HilfeZeichnen(g, p); }, {}},
        {"overview", [&] { UebersichtZeichnen(g); }, {}},
        {"panel", [&] { PanelZeichnen(g); }, {}},
        {"tool panel", [&] { WerkzeugleisteZeichnen(g, p); }, {}},
        {"status", [&] { StatusZeichnen(g, p, 0); }, {}},
    };
    for (int i = 0; i < 50; ++i)
      for (TSchicht& s : schichten)
        s.Zeiten.push_back(Millisekunden([&] {
          s.Zeichnen();
          glFinish();
        }));
    double summe = 0;
    for (TSchicht& s : schichten) {
      std::sort(s.Zeiten.begin(), s.Zeiten.end());
      const double median = s.Zeiten[s.Zeiten.size() / 2];
      summe += median;
      std::printf("  %-24s median %6.2f ms, least %6.2f ms\n", s.Name, median, s.Zeiten[0]);
    }
    std::printf("  %-24s median %6.2f ms\n", "sum", summe);
  }

  // The overview of a 9 999 x 9 999 map: the image built whole, then its texture.
  KarteFuellen(kv, 9999, 9999);
  uebersichtZeit = 0;
  const double vorbereiten = Millisekunden([&] { ProgrammVorbereiten(e); });
  const double hochladenGanz = Millisekunden([&] {
    UebersichtHochladen(g.Uebersicht);
    glFinish();
  });
  std::printf("overview image %d x %d of 9999 x 9999 built whole: %8.2f ms (editor rebuild and "
              "all: %.2f ms), texture upload %.2f ms\n",
              g.Uebersicht.Breite, g.Uebersicht.Hoehe, uebersichtZeit, vorbereiten, hochladenGanz);

  // One press of the size-5 square brush in the middle of the view, as the editor handles it.
  p.ProgrammSpiel.Position = {5000, 5000};
  p.ProgrammSpiel.Groesse = 5;
  p.ProgrammSpiel.Werkzeug = wzQuadrat;
  p.ProgrammSpiel.Gelaende = 6;
  UebersichtAktualisieren(e);
  UebersichtHochladen(g.Uebersicht);
  double summe = 0, summeUebersicht = 0, summeHochladen = 0;
  const int druecke = 20;
  for (int i = 0; i < druecke; ++i) {
    p.ProgrammSpiel.Gelaende = static_cast<uint8_t>(2 + i % 6);
    uebersichtZeit = 0;
    const TPunkt mitte{577 + 25 * (i % 5), 577 + 25 * (i / 5)};
    summe += Millisekunden([&] {
      Mausklick(e, mitte, mtLinks, true);
      Mausklick(e, mitte, mtLinks, false);
    });
    summeUebersicht += uebersichtZeit;
    summeHochladen += Millisekunden([&] {
      UebersichtHochladen(g.Uebersicht);
      glFinish();
    });
  }
  std::printf("brush press (size 5) on 9999 x 9999: overview update %.3f ms + texture update "
              "%.3f ms (whole press with undo snapshot and rebuild: %.3f ms)\n",
              summeUebersicht / druecke, summeHochladen / druecke, summe / druecke);

  GrafikAufloesen(g);
  OffscreenFreigeben(kontext);
  return 0;
}
