#include "editor/zellanzeige.h"

#include <string>

#include "editor/bildbereiche.h"
#include "editor/sicht.h"
#include "model/karte.h"
#include "model/tabellen.h"
#include "scenario/geometrie.h"

bool Zeigerzelle(const TProgramm& programm, const TKV& kv, const TMausPunkt& maus, TPunkt& zelle) {
  if (maus.Bereich != bbKarte || programm.ProgrammSpiel.Ansicht != 0) return false;
  const TBildbereich& karte = Bildbereiche[bbKarte];
  zelle = Sichtzelle(programm, {maus.Ort.x - karte.x, maus.Ort.y - karte.y});
  return AufKarte(kv, zelle);
}

TText Zellanzeige(const TProgramm& programm, const TKV& kv) {
  TPunkt c;
  if (!Zeigerzelle(programm, kv, programm.Maus, c)) return {};
  const bool englisch = programm.Sprache == 1;
  const uint8_t t = Gelaende(kv.Karte, c.x, c.y);
  TText name;
  if (t < Gelaendeanzahl) {
    // Terrains without an English name show their German one.
    name = Gelaendetabelle[t].Name[englisch ? 1 : 0];
    if (name.empty()) name = Gelaendetabelle[t].Name[0];
  }
  if (name.empty()) name = (englisch ? "Terrain " : "Gel\xE4nde ") + std::to_string(t);
  return (englisch ? "Cell " : "Feld ") + std::to_string(int64_t{c.x} + 1) + ", " +
         std::to_string(int64_t{c.y} + 1) + ": " + name;
}
