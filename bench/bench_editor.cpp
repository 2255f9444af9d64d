// Timing of the editor core on the largest map: brush presses, memory slots, dragging.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "editor/editor.h"
#include "editor/symmetrie.h"
#include "model/einstellungen.h"
#include "model/spiel.h"
#include "scenario/karte_erzeugen.h"

namespace {

using TUhr = std::chrono::steady_clock;

double Millisekunden(TUhr::time_point von) {
  return std::chrono::duration<double, std::milli>(TUhr::now() - von).count();
}

struct TMessreihe {
  std::vector<double> Werte;
  void Zeigen(const char* name) const {
    double summe = 0, hoechst = 0;
    for (double w : Werte) {
      summe += w;
      if (w > hoechst) hoechst = w;
    }
    std::printf("%-44s %6zu x  mean %8.3f ms  max %8.3f ms\n", name, Werte.size(),
                Werte.empty() ? 0 : summe / Werte.size(), hoechst);
  }
};

} // namespace

int main(int argc, char** argv) {
  const int32_t seite = argc > 1 ? std::atoi(argv[1]) : 9999;
  const std::filesystem::path ordner =
      std::filesystem::temp_directory_path() / ("vandor_bench_editor_" + std::to_string(getpid()));

  TProgramm programm;
  TKV kv;
  TEditorUmgebung umgebung;
  bool links = false;
  uint32_t uhr = 0;
  std::size_t bereiche = 0;
  int bilder = 0;
  umgebung.BildZeichnen = [&] { ++bilder; };
  umgebung.UebersichtAktualisieren = [&](const TUebersichtAenderung& a) {
    bereiche += a.Bereiche.size();
  };
  umgebung.Tickzahl = [&] { return uhr; };
  umgebung.LinkeTasteGedrueckt = [&] { return links; };
  TEditor e{programm, kv, umgebung};

  EditorStart(programm, ordner.string());
  auto t0 = TUhr::now();
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
  std::printf("map %d x %d built in %.0f ms\n", seite, seite, Millisekunden(t0));
  t0 = TUhr::now();
  ProgrammVorbereiten(e);
  std::printf("%-44s %.3f ms\n", "ProgrammVorbereiten (first rebuild)", Millisekunden(t0));

  TProgrammSpiel& ps = programm.ProgrammSpiel;
  auto mitte = [&](TPunkt zelle) {
    ps.Position = zelle;
    const TPunkt g = Zellgroesse(programm, bbKarte);
    const TPunkt v = Sichtzelle(programm, zelle, szRueckwaerts);
    return TPunkt{v.x * g.x + g.x / 2, v.y * g.y + g.y / 2};
  };

  // Start positions of twelve players spread over the map.
  ps.Modus = moStartpositionen;
  TMessreihe starts;
  for (int32_t i = 0; i < 12; ++i) {
    ps.SpielerNummer = i;
    const TPunkt pt = mitte({(i * 797 + 100) % seite, (i * 1931 + 50) % seite});
    t0 = TUhr::now();
    Mausklick(e, pt, mtLinks, true);
    starts.Werte.push_back(Millisekunden(t0));
    Mausklick(e, pt, mtLinks, false);
  }
  starts.Zeigen("place a start position (Mausklick)");

  ps.Modus = moGelaende;
  ps.Werkzeug = wzQuadrat;
  ps.Groesse = 5;
  TMessreihe druecke;
  for (int32_t i = 0; i < 100; ++i) {
    ps.Gelaende = static_cast<uint8_t>(i % 16);
    const TPunkt pt = mitte({(i * 4099 + 7) % seite, (i * 2311 + 13) % seite});
    t0 = TUhr::now();
    Mausklick(e, pt, mtLinks, true);
    druecke.Werte.push_back(Millisekunden(t0));
    Mausklick(e, pt, mtLinks, false);
  }
  druecke.Zeigen("press, square brush size 5 (Mausklick)");

  // Four-fold symmetry: the press paints four squares, under one undo snapshot.
  ps.Symmetrie = syVierfach;
  TMessreihe symmetrisch;
  for (int32_t i = 0; i < 100; ++i) {
    ps.Gelaende = static_cast<uint8_t>(i % 16);
    const TPunkt pt = mitte({(i * 3571 + 29) % seite, (i * 1777 + 41) % seite});
    t0 = TUhr::now();
    Mausklick(e, pt, mtLinks, true);
    symmetrisch.Werte.push_back(Millisekunden(t0));
    Mausklick(e, pt, mtLinks, false);
  }
  symmetrisch.Zeigen("press, four-fold symmetry, square size 5");
  ps.Symmetrie = syAus;

  ps.Werkzeug = wzKreis;
  TMessreihe kreise;
  for (int32_t i = 0; i < 50; ++i) {
    const TPunkt pt = mitte({(i * 3001 + 5) % seite, (i * 977 + 3) % seite});
    t0 = TUhr::now();
    Mausklick(e, pt, mtLinks, true);
    kreise.Werte.push_back(Millisekunden(t0));
  }
  kreise.Zeigen("press, circle brush size 5 (Mausklick)");

  // The flood fill at size 0 on the random landscape: the area is the clicked cell's patch.
  ps.Werkzeug = wzAusfuellen;
  ps.Groesse = 0;
  TMessreihe fuellen;
  for (int32_t i = 0; i < 20; ++i) {
    ps.Gelaende = static_cast<uint8_t>(15 - i % 4);
    const TPunkt pt = mitte({(i * 2503 + 31) % seite, (i * 7001 + 37) % seite});
    t0 = TUhr::now();
    Mausklick(e, pt, mtLinks, true);
    fuellen.Werte.push_back(Millisekunden(t0));
  }
  fuellen.Zeigen("press, flood fill size 0 (Mausklick)");
  ps.Werkzeug = wzQuadrat;

  TMessreihe speichern, laden, rueck;
  for (int32_t i = 0; i < 10; ++i) {
    t0 = TUhr::now();
    Tastendruck(e, true, static_cast<uint16_t>(vk0 + i), 0);
    speichern.Werte.push_back(Millisekunden(t0));
    ps.Gelaende = static_cast<uint8_t>(i);
    const TPunkt pt = mitte({(i * 613 + 11) % seite, (i * 419 + 17) % seite});
    Mausklick(e, pt, mtLinks, true);
  }
  for (int32_t i = 9; i >= 0; --i) {
    t0 = TUhr::now();
    Tastendruck(e, true, static_cast<uint16_t>(vk0 + i), ssCtrl);
    laden.Werte.push_back(Millisekunden(t0));
  }
  for (int32_t i = 0; i < 10; ++i) {
    const TPunkt pt = mitte({(i * 1237 + 19) % seite, (i * 5113 + 23) % seite});
    Mausklick(e, pt, mtLinks, true);
    t0 = TUhr::now();
    Tastendruck(e, true, vkZ, 0);
    rueck.Werte.push_back(Millisekunden(t0));
  }
  speichern.Zeigen("store a memory slot (key 0-9)");
  laden.Zeigen("restore a memory slot (Ctrl + 0-9)");
  rueck.Zeigen("undo (Z)");

  // A drag across 20 cells with the square brush of size 5.
  ps.Werkzeug = wzQuadrat;
  ZoomSetzen(programm, 6);
  const TPunkt start = mitte({seite / 2, seite / 2});
  const TPunkt g = Zellgroesse(programm, bbKarte);
  links = true;
  Mausklick(e, start, mtLinks, true);
  Mausbewegung(e, start);
  TMessreihe zug;
  t0 = TUhr::now();
  for (int32_t i = 1; i <= 20; ++i) {
    const auto t1 = TUhr::now();
    Mausbewegung(e, {start.x + i * g.x, start.y});
    zug.Werte.push_back(Millisekunden(t1));
  }
  const double zugGesamt = Millisekunden(t0);
  links = false;
  zug.Zeigen("drag, per cell entered (Mausbewegung)");
  std::printf("%-44s %.3f ms\n", "drag across 20 cells, total", zugGesamt);

  TMessreihe takte;
  programm.Maus.Ort = {5, 600};
  for (int32_t i = 0; i < 20; ++i) {
    t0 = TUhr::now();
    Zeittakt(e);
    takte.Werte.push_back(Millisekunden(t0));
  }
  takte.Zeigen("timer tick while edge scrolling");

  t0 = TUhr::now();
  KarteSpiegeln(kv, 0, 0);
  KarteNeuAufbauen(e);
  std::printf("%-44s %.0f ms\n", "mirror left onto right + rebuild", Millisekunden(t0));
  t0 = TUhr::now();
  KarteSpiegeln(kv, 2, 0);
  KarteNeuAufbauen(e);
  std::printf("%-44s %.0f ms\n", "mirror across the diagonal + rebuild", Millisekunden(t0));

  std::printf("start positions %zu, overview rectangles passed %zu, frames %d\n",
              ps.Speicher.Startpositionen.size(), bereiche, bilder);
  std::error_code f;
  std::filesystem::remove_all(ordner, f);
  return 0;
}
