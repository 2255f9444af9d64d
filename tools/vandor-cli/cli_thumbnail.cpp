// vandor-cli thumbnail: the overview of a scenario file as a small PNG for file managers (the
// desktop's thumbnailer calls it), drawn while the file is inflated.
#include "cli_common.h"

// The largest size a desktop asks for is 1024 ("xx-large"); the markers' bookkeeping grows with
// the square of the side.
constexpr int32_t Hoechstgroesse = 1024;

int BefehlThumbnail(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente, {"--size"}, {}, 2);
  const std::string& quelle = a.Positionen[0];
  const std::string& ziel = a.Positionen[1];
  const auto groesse = a.Option("--size");
  const int32_t seite = groesse ? ZahlArgument(*groesse, 1, Hoechstgroesse, "--size") : 256;
  ZielPruefen(ziel);
  TRgbaBild bild;
  std::string grund;
  if (!DateiVorschau(bild, quelle, seite, true, &grund)) throw TDateifehler(quelle + ": " + grund);
  PngSchreiben(ziel, bild);
  return 0;
}
