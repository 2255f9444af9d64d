// PNG bytes through libpng as import-image reads a picture: with its allocation limits, the
// header, the transformations to 8-bit RGB and every row. Sides above 300 are refused to keep
// the rate up; the chunks before the pixels are read whatever they declare.
#include <cstdint>
#include <cstring>
#include <png.h>

#include "png_lesegrenzen.h"

namespace {

constexpr uint32_t Seite = 300;

struct TQuelle {
  const uint8_t* Daten;
  std::size_t Laenge;
  std::size_t Stelle;
};

void Lesen(png_structp png, png_bytep ziel, std::size_t laenge) {
  auto* q = static_cast<TQuelle*>(png_get_io_ptr(png));
  if (laenge > q->Laenge - q->Stelle) png_error(png, "Read Error");
  std::memcpy(ziel, q->Daten + q->Stelle, laenge);
  q->Stelle += laenge;
}

void Fehler(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

void Warnung(png_structp, png_const_charp) {}

// A row of at most Seite pixels in 8-bit RGB, the layout the transformations give.
png_byte Zeile[Seite * 3];

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t laenge) {
  TQuelle quelle{daten, laenge, 0};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fehler, Warnung);
  if (png == nullptr) return 0;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return 0;
  }
  png_set_read_fn(png, &quelle, Lesen);
  PngLesegrenzenSetzen(png, Seite);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_strip_alpha(png);
  const int durchgaenge = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) <= sizeof Zeile) {
    for (int d = 0; d < durchgaenge; ++d)
      for (png_uint_32 y = 0; y < png_get_image_height(png, info); ++y)
        png_read_row(png, Zeile, nullptr);
    png_read_end(png, nullptr);
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return 0;
}
