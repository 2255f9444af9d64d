#include "editor/zeitgeber.h"

#include <climits>

#include "editor/aufbau.h"
#include "editor/bildbereiche.h"
#include "editor/verlauf.h"
#include "scenario/geometrie.h"

namespace {

constexpr int32_t Scrollrand = 20;
constexpr int32_t Scrollschritt = 2;
constexpr int32_t Bildabstand = 500;

int32_t Randschritt(int32_t maus, int32_t seite) {
  if (maus < Scrollrand) return -Scrollschritt;
  if (seite - maus < Scrollrand) return Scrollschritt;
  return 0;
}

} // namespace

void Zeittakt(TEditor& e) {
  TProgramm& programm = e.Programm;
  // A stroke whose release was lost (the window hidden, the button let go outside) ends once
  // the button is up.
  if (AktionOffen(programm) &&
      !(e.Umgebung.LinkeTasteGedrueckt && e.Umgebung.LinkeTasteGedrueckt()))
    AktionBeenden(e);
  programm.Bildmarke += Zeitgeberintervall;
  const TPunkt maus = programm.Maus.Ort;
  // While the view pans with the pointer the edges do not scroll it as well.
  const bool verschiebt = programm.Verschiebung.Taste >= 0;
  const int32_t dx = verschiebt ? 0 : Randschritt(maus.x, Bildschirmbreite);
  const int32_t dy = verschiebt ? 0 : Randschritt(maus.y, Bildschirmhoehe);
  const bool gescrollt = dx != 0 || dy != 0;
  if (gescrollt) {
    TPunkt& position = programm.ProgrammSpiel.Position;
    position.x += dx;
    position.y += dy;
    Begrenzen(e.KV, position);
    UebersichtAktualisieren(e);
  }
  if (gescrollt || programm.Bildmarke >= Bildabstand) {
    // Long scrolling drives the accumulator down; it must not wrap around.
    if (programm.Bildmarke >= INT32_MIN + Bildabstand) programm.Bildmarke -= Bildabstand;
    BildAnfordern(e);
  }
}
