// vandor-cli overview: the overview picture of a scenario file as PNG, one pixel per cell.
#include "cli_common.h"

int BefehlOverview(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente, {}, {"--starts-only"}, 2);
  const std::string& quelle = a.Positionen[0];
  const std::string& ziel = a.Positionen[1];
  ZielPruefen(ziel);
  TKV kv;
  TSzenario s;
  SzenarioEinlesen(quelle, kv, s);
  // With a palette: one byte a pixel, written as it is.
  TPalettenBild bild;
  if (!ErzeugeUebersicht(bild, s, a.Schalter("--starts-only")))
    throw TDateifehler(quelle, "not enough memory for its overview picture");
  PngSchreiben(ziel, bild);
  return 0;
}
