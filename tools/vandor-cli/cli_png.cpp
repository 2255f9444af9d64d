// The PNG writer, private to this program (static functions: no clash with any other copy).
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstdio>

#include "cli_common.h"
#include "scenario/komprimierung.h"

void PngSchreiben(const std::string& pfad, const TRgbaBild& bild) {
  ZielPruefen(pfad);
  if (bild.Breite <= 0 || bild.Hoehe <= 0) throw TDateifehler(pfad + ": the picture is empty");
  // Written beside the target and renamed over it, so a failure leaves no broken picture.
  VerwaisteTempdateienEntfernen(OrdnerVon(pfad));
  const std::string temp = NachbarTempname(pfad);
  const bool gut = stbi_write_png(temp.c_str(), bild.Breite, bild.Hoehe, 4, bild.Pixel.data(),
                                  bild.Breite * 4) != 0 &&
                   std::rename(temp.c_str(), pfad.c_str()) == 0;
  if (!gut) {
    std::remove(temp.c_str());
    throw TDateifehler(pfad + ": the picture could not be written (disk full?)");
  }
}
