// The PNG writer: libpng at zlib level 1 and without a per-row filter search, which keeps the
// picture of the largest map to a few seconds. An opaque picture of at most 256 colours (the
// overview has a few dozen) is written with a palette, one byte a pixel, which is a third of
// the work for the compressor; other opaque pictures as RGB, the rest as RGBA.
#include <png.h>

#include <cstdio>
#include <vector>

#include "cli_common.h"
#include "scenario/komprimierung.h"

namespace {

// A pixel as one number: R, G, B and A from the low byte up.
uint32_t Pixelwert(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// The colours of an opaque picture and each pixel's index into them.
struct TPalette {
  std::vector<png_color> Farben;
  // Open addressing over the pixel values (never 0: alpha is 255); an entry holds the value
  // above the index. Kept sparse, so that a lookup nearly always takes one step.
  std::vector<uint64_t> Tafel = std::vector<uint64_t>(4096);

  // -1 when a 257th colour would be needed.
  int32_t Index(uint32_t wert) {
    for (std::size_t i = (wert * 2654435761u) >> 20;; i = (i + 1) & 4095) {
      const uint64_t e = Tafel[i];
      if ((e >> 8) == wert) return static_cast<int32_t>(e & 255);
      if (e == 0) {
        if (Farben.size() == 256) return -1;
        Farben.push_back({static_cast<png_byte>(wert), static_cast<png_byte>(wert >> 8),
                          static_cast<png_byte>(wert >> 16)});
        Tafel[i] = uint64_t{wert} << 8 | (Farben.size() - 1);
        return static_cast<int32_t>(Farben.size() - 1);
      }
    }
  }
};

enum class TArt { Palette, Rgb, Rgba };

// One pass over the pixels: with any alpha below 255 RGBA, else with at most 256 colours a
// palette, else RGB.
TArt ArtBestimmen(const TRgbaBild& bild, TPalette& palette) {
  const std::size_t anzahl = static_cast<std::size_t>(bild.Breite) * bild.Hoehe;
  bool mitPalette = true;
  for (std::size_t i = 0; i < anzahl; ++i) {
    const uint32_t wert = Pixelwert(bild.Pixel.data() + 4 * i);
    if ((wert >> 24) != 255) return TArt::Rgba;
    if (mitPalette && palette.Index(wert) < 0) mitPalette = false;
  }
  return mitPalette ? TArt::Palette : TArt::Rgb;
}

// Writes the picture to f; false on any failure. libpng reports failures by a long jump back
// into this function, so it holds no objects with destructors; the row buffer comes from outside.
bool PngInDatei(std::FILE* f, const TRgbaBild& bild, TArt art, TPalette& palette, uint8_t* zeile) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, f);
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  const int farbart = art == TArt::Palette ? PNG_COLOR_TYPE_PALETTE
                      : art == TArt::Rgba  ? PNG_COLOR_TYPE_RGBA
                                           : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(png, info, static_cast<png_uint_32>(bild.Breite),
               static_cast<png_uint_32>(bild.Hoehe), 8, farbart, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (art == TArt::Palette)
    png_set_PLTE(png, info, palette.Farben.data(), static_cast<int>(palette.Farben.size()));
  png_write_info(png, info);
  const std::size_t breite = static_cast<std::size_t>(bild.Breite);
  for (int32_t y = 0; y < bild.Hoehe; ++y) {
    const uint8_t* quelle = bild.Pixel.data() + static_cast<std::size_t>(y) * breite * 4;
    if (art == TArt::Palette) {
      for (std::size_t x = 0; x < breite; ++x)
        zeile[x] = static_cast<uint8_t>(palette.Index(Pixelwert(quelle + 4 * x)));
      png_write_row(png, zeile);
      continue;
    }
    if (art == TArt::Rgba) {
      png_write_row(png, quelle);
      continue;
    }
    for (std::size_t x = 0; x < breite; ++x) {
      zeile[3 * x] = quelle[4 * x];
      zeile[3 * x + 1] = quelle[4 * x + 1];
      zeile[3 * x + 2] = quelle[4 * x + 2];
    }
    png_write_row(png, zeile);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

} // namespace

void PngSchreiben(const std::string& pfad, const TRgbaBild& bild) {
  ZielPruefen(pfad);
  if (bild.Breite <= 0 || bild.Hoehe <= 0 ||
      bild.Pixel.size() < static_cast<std::size_t>(bild.Breite) * bild.Hoehe * 4)
    throw TDateifehler(pfad + ": the picture is empty");
  TPalette palette;
  const TArt art = ArtBestimmen(bild, palette);
  std::vector<uint8_t> zeile(static_cast<std::size_t>(bild.Breite) * 3);
  // Written beside the target and renamed over it, so a failure leaves no broken picture.
  VerwaisteTempdateienEntfernen(OrdnerVon(pfad));
  const std::string temp = NachbarTempname(pfad);
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  bool gut = f != nullptr && PngInDatei(f, bild, art, palette, zeile.data());
  if (f != nullptr) gut = std::fclose(f) == 0 && gut;
  gut = gut && std::rename(temp.c_str(), pfad.c_str()) == 0;
  if (!gut) {
    std::remove(temp.c_str());
    throw TDateifehler(pfad + ": the picture could not be written (disk full?)");
  }
}
