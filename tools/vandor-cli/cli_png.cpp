// The PNG writer: libpng at zlib level 1 and without a per-row filter search, which keeps the
// picture of the largest map to a few seconds. An opaque picture of at most 256 colours (the
// overview has a few dozen) is written with a palette, one byte a pixel, which is a third of
// the work for the compressor; other opaque pictures as RGB, the rest as RGBA. A picture that
// comes with its palette is written as it is.
#include <png.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <unistd.h>
#include <vector>

#include "base/datei_ersetzen.h"
#include "cli_common.h"

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

// What PngInDatei writes: the header, the palette (for PNG_COLOR_TYPE_PALETTE) and the rows,
// each handed out by Zeile in the colour type's layout.
struct TPngInhalt {
  int32_t Breite = 0, Hoehe = 0;
  int Farbart = PNG_COLOR_TYPE_RGBA;
  std::vector<png_color> Palette;
  std::function<const uint8_t*(int32_t y)> Zeile;
};

// Where the picture goes, and why writing it stopped: the system's reason of a failed write,
// or libpng's message.
struct TPngAusgabe {
  std::FILE* Datei = nullptr;
  int Fehler = 0;
  char Text[200] = "";
};

void PngAusgabeSchreiben(png_structp png, png_bytep daten, std::size_t laenge) {
  auto* aus = static_cast<TPngAusgabe*>(png_get_io_ptr(png));
  if (std::fwrite(daten, 1, laenge, aus->Datei) != laenge) {
    aus->Fehler = errno;
    png_error(png, "write error");
  }
}

void PngAusgabeLeeren(png_structp) {}

// libpng's failures come back here instead of going to stderr; the caller tells them in one line.
void PngSchreibfehler(png_structp png, png_const_charp text) {
  auto* aus = static_cast<TPngAusgabe*>(png_get_error_ptr(png));
  if (aus != nullptr && aus->Text[0] == 0) std::snprintf(aus->Text, sizeof aus->Text, "%s", text);
  png_longjmp(png, 1);
}

void PngSchreibwarnung(png_structp, png_const_charp) {}

// Writes the picture through aus; false on any failure. libpng reports failures by a long jump
// back into this function, so it holds no objects with destructors.
bool PngInDatei(TPngAusgabe& aus, const TPngInhalt& inhalt) {
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, &aus, PngSchreibfehler, PngSchreibwarnung);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &aus, PngAusgabeSchreiben, PngAusgabeLeeren);
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_IHDR(png, info, static_cast<png_uint_32>(inhalt.Breite),
               static_cast<png_uint_32>(inhalt.Hoehe), 8, inhalt.Farbart, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (inhalt.Farbart == PNG_COLOR_TYPE_PALETTE)
    png_set_PLTE(png, info, inhalt.Palette.data(), static_cast<int>(inhalt.Palette.size()));
  png_write_info(png, info);
  for (int32_t y = 0; y < inhalt.Hoehe; ++y)
    png_write_row(png, inhalt.Zeile(y));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// Replaces the target in one step (as scenario files are), so a failure leaves no broken
// picture and never turns a device or a FIFO into a file.
void PngDateiSchreiben(const std::string& pfad, const TPngInhalt& inhalt) {
  std::string grund;
  const bool gut = DateiErsetzen(
      pfad,
      [&](int fd, std::string& warum) {
        // A copy of the descriptor for the buffered stream: the file itself stays open.
        const int kopie = ::dup(fd);
        TPngAusgabe aus;
        aus.Datei = kopie < 0 ? nullptr : ::fdopen(kopie, "wb");
        if (aus.Datei == nullptr) {
          warum = std::string("cannot be written: ") + std::strerror(errno);
          if (kopie >= 0) ::close(kopie);
          return false;
        }
        bool geschrieben = PngInDatei(aus, inhalt);
        if (geschrieben && std::fflush(aus.Datei) != 0) {
          aus.Fehler = errno;
          geschrieben = false;
        }
        if (std::fclose(aus.Datei) != 0 && geschrieben) {
          aus.Fehler = errno;
          geschrieben = false;
        }
        if (!geschrieben)
          warum = aus.Fehler != 0 ? std::string("cannot be written: ") + std::strerror(aus.Fehler)
                  : aus.Text[0] != 0 ? std::string("cannot be written: ") + aus.Text
                                     : std::string("cannot be written: not enough memory");
        return geschrieben;
      },
      &grund);
  if (!gut) throw TDateifehler(pfad, grund);
}

} // namespace

void PngSchreiben(const std::string& pfad, const TRgbaBild& bild) {
  ZielPruefen(pfad);
  if (bild.Breite <= 0 || bild.Hoehe <= 0 ||
      bild.Pixel.size() < static_cast<std::size_t>(bild.Breite) * bild.Hoehe * 4)
    throw TDateifehler(pfad, "the picture is empty");
  TPalette palette;
  const TArt art = ArtBestimmen(bild, palette);
  const std::size_t breite = static_cast<std::size_t>(bild.Breite);
  std::vector<uint8_t> zeile(breite * 3);
  TPngInhalt inhalt;
  inhalt.Breite = bild.Breite;
  inhalt.Hoehe = bild.Hoehe;
  inhalt.Farbart = art == TArt::Palette ? PNG_COLOR_TYPE_PALETTE
                   : art == TArt::Rgba  ? PNG_COLOR_TYPE_RGBA
                                        : PNG_COLOR_TYPE_RGB;
  inhalt.Palette = palette.Farben;
  inhalt.Zeile = [&](int32_t y) -> const uint8_t* {
    const uint8_t* quelle = bild.Pixel.data() + static_cast<std::size_t>(y) * breite * 4;
    if (art == TArt::Rgba) return quelle;
    if (art == TArt::Palette) {
      for (std::size_t x = 0; x < breite; ++x)
        zeile[x] = static_cast<uint8_t>(palette.Index(Pixelwert(quelle + 4 * x)));
      return zeile.data();
    }
    for (std::size_t x = 0; x < breite; ++x) {
      zeile[3 * x] = quelle[4 * x];
      zeile[3 * x + 1] = quelle[4 * x + 1];
      zeile[3 * x + 2] = quelle[4 * x + 2];
    }
    return zeile.data();
  };
  PngDateiSchreiben(pfad, inhalt);
}

void PngSchreiben(const std::string& pfad, const TPalettenBild& bild) {
  if (bild.Pixel.size() < static_cast<std::size_t>(std::max(bild.Breite, 0)) *
                              static_cast<std::size_t>(std::max(bild.Hoehe, 0)))
    throw TDateifehler(pfad, "the picture is empty");
  PngSchreiben(pfad, bild.Breite, bild.Hoehe, bild.Farben, [&](int32_t y) {
    return bild.Pixel.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bild.Breite);
  });
}

void PngSchreiben(const std::string& pfad, int32_t breite, int32_t hoehe,
                  const std::vector<std::array<uint8_t, 3>>& farben,
                  const std::function<const uint8_t*(int32_t y)>& zeile) {
  ZielPruefen(pfad);
  if (breite <= 0 || hoehe <= 0 || farben.empty() || farben.size() > 256)
    throw TDateifehler(pfad, "the picture is empty");
  TPngInhalt inhalt;
  inhalt.Breite = breite;
  inhalt.Hoehe = hoehe;
  inhalt.Farbart = PNG_COLOR_TYPE_PALETTE;
  for (const auto& f : farben)
    inhalt.Palette.push_back({f[0], f[1], f[2]});
  inhalt.Zeile = zeile;
  PngDateiSchreiben(pfad, inhalt);
}
