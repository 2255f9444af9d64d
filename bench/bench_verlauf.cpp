// The editing history and the recovery copy on the largest map: what 100 brush strokes keep, what
// a whole-map fill keeps, how long one undo and redo take, and the main thread's part of taking
// the recovery copy.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "editor/editor.h"
#include "editor/sicherung.h"
#include "model/spiel.h"
#include "scenario/karte_erzeugen.h"

namespace {

using TUhr = std::chrono::steady_clock;

double Millisekunden(TUhr::time_point von) {
  return std::chrono::duration<double, std::milli>(TUhr::now() - von).count();
}

double MiB(std::size_t bytes) {
  return bytes / 1048576.0;
}

} // namespace

int main(int argc, char** argv) {
  const int32_t seite = argc > 1 ? std::atoi(argv[1]) : 9999;
  const std::filesystem::path ordner =
      std::filesystem::temp_directory_path() / ("vandor_bench_verlauf_" + std::to_string(getpid()));

  TProgramm programm;
  TKV kv;
  TEditorUmgebung umgebung;
  bool links = false;
  umgebung.Tickzahl = [] { return 0u; };
  umgebung.LinkeTasteGedrueckt = [&] { return links; };
  TEditor e{programm, kv, umgebung};
  EditorStart(programm, ordner.string());

  SpielZuruecksetzen(kv);
  TKartenParameter p;
  p.Breite = seite;
  p.Hoehe = seite;
  p.Landschaft = 3;
  p.Verfahren = kvLandschaft;
  if (!KarteErzeugen(kv, p)) {
    std::fprintf(stderr, "the map could not be built\n");
    return 1;
  }
  ProgrammVorbereiten(e);
  const double zellenMiB = MiB(static_cast<std::size_t>(seite) * seite);
  std::printf("map %d x %d (%.1f MiB of terrain)\n", seite, seite, zellenMiB);

  TProgrammSpiel& ps = programm.ProgrammSpiel;
  auto mitte = [&](TPunkt zelle) {
    ps.Position = zelle;
    const TPunkt g = Zellgroesse(programm, bbKarte);
    const TPunkt v = Sichtzelle(programm, zelle, szRueckwaerts);
    return TPunkt{v.x * g.x + g.x / 2, v.y * g.y + g.y / 2};
  };

  // 100 strokes of the square brush of size 5, each a press and a drag across six cells.
  ps.Modus = moGelaende;
  ps.Werkzeug = wzQuadrat;
  ps.Groesse = 5;
  double strichZeit = 0;
  for (int32_t i = 0; i < 100; ++i) {
    ps.Gelaende = static_cast<uint8_t>(i % 16);
    const TPunkt c{(i * 4099 + 7) % (seite - 20), (i * 2311 + 13) % seite};
    const TPunkt pt = mitte(c);
    const TPunkt g = Zellgroesse(programm, bbKarte);
    const auto t0 = TUhr::now();
    links = true;
    Mausklick(e, pt, mtLinks, true);
    Mausbewegung(e, pt);
    for (int32_t k = 1; k <= 6; ++k)
      Mausbewegung(e, {pt.x + k * g.x, pt.y});
    links = false;
    Mausklick(e, {pt.x + 6 * g.x, pt.y}, mtLinks, false);
    strichZeit += Millisekunden(t0);
  }
  std::printf("%-48s %zu steps, %.2f MiB held (goal < 20 MiB), %.2f ms a stroke\n",
              "100 strokes, square size 5, 7 cells each", SchritteZurueck(programm),
              MiB(VerlaufBelegt(programm)), strichZeit / 100);

  // One undo and one redo of a stroke, with the rebuild that follows it.
  auto t0 = TUhr::now();
  Zuruecknehmen(e);
  const double zurueck = Millisekunden(t0);
  KarteNeuAufbauen(e);
  const double zurueckAufbau = Millisekunden(t0);
  t0 = TUhr::now();
  Wiederholen(e);
  const double vor = Millisekunden(t0);
  KarteNeuAufbauen(e);
  const double vorAufbau = Millisekunden(t0);
  std::printf(
      "%-48s undo %.3f ms (with rebuild %.3f), redo %.3f ms (with rebuild %.3f); goal < 5\n",
      "undo / redo of a stroke", zurueck, zurueckAufbau, vor, vorAufbau);

  // The recovery copy: the main thread takes the copy and starts the worker.
  TSicherung sicherung;
  sicherung.Pfad = ordner.string() + "/Speicher/Wiederherstellung.vdz";
  sicherung.Ruhe = 0;
  t0 = TUhr::now();
  const bool gestartet = SicherungTakt(sicherung, kv, true, 0, [] { return TSicherungstexte{}; });
  const double haupt = Millisekunden(t0);
  t0 = TUhr::now();
  const bool geschrieben = SicherungAbwarten(sicherung);
  std::printf("%-48s main thread %.3f ms (goal < 50), worker %.0f ms more, %s\n", "recovery copy",
              haupt, Millisekunden(t0), gestartet && geschrieben ? "written" : "NOT WRITTEN");

  // A flood fill of the whole map (one terrain everywhere first, so the fill reaches all).
  ps.Werkzeug = wzAusfuellen;
  ps.Groesse = 0;
  ps.Gelaende = 2;
  ps.Symmetrie = 0;
  {
    const TPunkt pt = mitte({seite / 2, seite / 2});
    for (int32_t x = 0; x < seite; ++x) {
      std::vector<uint8_t> spalte(static_cast<std::size_t>(seite), 5);
      SpalteSchreiben(kv.Karte, x, spalte.data());
    }
    KarteNeuAufbauen(e);
    VerlaufLeeren(programm);
    t0 = TUhr::now();
    Mausklick(e, pt, mtLinks, true);
    const double fuellen = Millisekunden(t0);
    t0 = TUhr::now();
    Mausklick(e, pt, mtLinks, false);
    const double schliessen = Millisekunden(t0);
    std::printf("%-48s %.2f MiB held for %.2f MiB of changed cells (goal <= 1 copy); fill with "
                "rebuild %.0f ms, closing the step %.1f ms\n",
                "whole-map fill step", MiB(VerlaufBelegt(programm)), zellenMiB, fuellen,
                schliessen);
    t0 = TUhr::now();
    Zuruecknehmen(e);
    const double fz = Millisekunden(t0);
    KarteNeuAufbauen(e);
    const double fzAufbau = Millisekunden(t0);
    t0 = TUhr::now();
    Wiederholen(e);
    const double fv = Millisekunden(t0);
    KarteNeuAufbauen(e);
    const double fvAufbau = Millisekunden(t0);
    std::printf("%-48s undo %.3f ms (with rebuild %.1f), redo %.3f ms (with rebuild %.1f)\n",
                "undo / redo of the whole-map fill", fz, fzAufbau, fv, fvAufbau);
  }

  std::error_code f;
  std::filesystem::remove_all(ordner, f);
  return 0;
}
