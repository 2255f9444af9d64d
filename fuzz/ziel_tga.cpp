// TGA bytes through the graphics loader's decoder. What it accepts has the pixels it promises.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "render/tga.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t laenge) {
  TBildpixel bild;
  std::string fehler;
  if (TgaDekodieren(daten, laenge, bild, &fehler)) {
    if (bild.Breite <= 0 || bild.Hoehe <= 0 ||
        bild.Rgba.size() != static_cast<std::size_t>(bild.Breite) * bild.Hoehe * 4)
      std::abort();
  } else if (fehler.empty()) {
    std::abort(); // a refusal always says why
  }
  return 0;
}
