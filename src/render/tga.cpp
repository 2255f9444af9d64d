#include "render/tga.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <exception>
#include <sys/stat.h>
#include <unistd.h>

#include "base/datei_lesen.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace {

bool Melden(std::string* fehler, const std::string& text) {
  if (fehler) *fehler = text;
  return false;
}

// Checks the header and that the bytes hold every pixel it promises, reading them the way the
// decoder does; the decoder itself would fill missing bytes with black without a word, so a few
// header bytes could make it fill gigabytes.
bool Pruefen(const uint8_t* d, std::size_t laenge, std::string* fehler) {
  if (laenge < TgaKopfgroesse) return Melden(fehler, "image file is cut short");
  const int palettenart = d[1], art = d[2];
  const uint64_t palettenanfang = d[3] | (d[4] << 8), palettenlaenge = d[5] | (d[6] << 8);
  const int palettenbits = d[7];
  const uint64_t breite = d[12] | (d[13] << 8), hoehe = d[14] | (d[15] << 8);
  const int bits = d[16];
  const bool gepackt = art >= 8;
  uint64_t vorn = TgaKopfgroesse + d[0]; // header and image id
  if (palettenart == 1) {
    if (art != 1 && art != 9) return Melden(fehler, "not a TGA image of a kind taken here");
    if (bits != 8 && bits != 16) return Melden(fehler, "not a TGA image of a kind taken here");
    if (palettenbits != 8 && palettenbits != 15 && palettenbits != 16 && palettenbits != 24 &&
        palettenbits != 32)
      return Melden(fehler, "not a TGA image of a kind taken here");
    if (palettenlaenge == 0) return Melden(fehler, "TGA colour map without entries");
    // The decoder skips as many bytes as the first entry's index before the map.
    vorn += palettenanfang + palettenlaenge * ((palettenbits + 7) / 8);
  } else if (palettenart == 0) {
    if (art != 2 && art != 3 && art != 10 && art != 11)
      return Melden(fehler, "not a TGA image of a kind taken here");
    if (bits != 8 && bits != 15 && bits != 16 && bits != 24 && bits != 32)
      return Melden(fehler, "not a TGA image of a kind taken here");
  } else {
    return Melden(fehler, "not a TGA image of a kind taken here");
  }
  if (breite == 0 || hoehe == 0) return Melden(fehler, "TGA image without pixels");
  if (breite > TgaHoechstseite || hoehe > TgaHoechstseite)
    return Melden(fehler, "image larger than the largest texture");
  if (laenge > INT_MAX) return Melden(fehler, "image file too large");

  const uint64_t pixelbytes = (bits + 7) / 8;
  const uint64_t pixelzahl = breite * hoehe;
  if (laenge < vorn) return Melden(fehler, "image file is cut short");
  uint64_t rest = laenge - vorn;
  if (!gepackt) {
    if (rest < pixelzahl * pixelbytes) return Melden(fehler, "image file is cut short");
    return true;
  }
  // Run-length packets: a count byte, then one pixel for a run or count pixels raw. At most one
  // packet per byte, so this walk is no longer than the file.
  if (rest < (pixelzahl + 127) / 128 * (1 + pixelbytes))
    return Melden(fehler, "image file is cut short");
  for (uint64_t offen = pixelzahl; offen > 0;) {
    if (rest < 1) return Melden(fehler, "image file is cut short");
    const uint64_t anzahl = (d[laenge - rest] & 127) + 1;
    const uint64_t bytes = 1 + ((d[laenge - rest] & 128) ? 1 : anzahl) * pixelbytes;
    if (rest < bytes) return Melden(fehler, "image file is cut short");
    rest -= bytes;
    offen -= std::min(offen, anzahl);
  }
  return true;
}

} // namespace

uint64_t TgaHoechstgroesse(const uint8_t* kopf) {
  const uint64_t palettenanfang = kopf[3] | (kopf[4] << 8),
                 palettenlaenge = kopf[5] | (kopf[6] << 8);
  const uint64_t breite = kopf[12] | (kopf[13] << 8), hoehe = kopf[14] | (kopf[15] << 8);
  const uint64_t pixelbytes = (kopf[16] + 7) / 8;
  const uint64_t palette =
      kopf[1] == 1 ? (palettenanfang + palettenlaenge) * ((kopf[7] + 7) / 8) : 0;
  // Packed, each pixel may come as a raw packet of its own: a count byte more per pixel.
  const uint64_t pixel = breite * hoehe * (kopf[2] >= 8 ? 1 + pixelbytes : pixelbytes);
  return TgaKopfgroesse + kopf[0] + palette + pixel + TgaAnhangsraum;
}

bool TgaDateiLesen(const std::string& pfad, std::vector<uint8_t>& daten, int32_t hoechstseite,
                   std::string* fehler) {
  daten.clear();
  std::string grund;
  const int fd = EingabeOeffnen(pfad, &grund, "an image file");
  if (fd < 0) return Melden(fehler, grund);
  struct stat info {};
  uint8_t kopf[TgaKopfgroesse] = {};
  bool gut = false;
  if (::fstat(fd, &info) != 0 || AllesLesen(fd, kopf, sizeof kopf) < 0) {
    grund = std::string("cannot read image file: ") + std::strerror(errno);
  } else if (static_cast<uint64_t>(info.st_size) < TgaKopfgroesse) {
    grund = "image file is cut short";
  } else if ((kopf[12] | (kopf[13] << 8)) > hoechstseite ||
             (kopf[14] | (kopf[15] << 8)) > hoechstseite) {
    grund = "image larger than the largest texture";
  } else if (static_cast<uint64_t>(info.st_size) > TgaHoechstgroesse(kopf)) {
    // Judged from the header: a huge (or sparse) file is not read only to be thrown away.
    grund = "image file larger than its header allows (" + std::to_string(info.st_size) +
            " bytes for " + std::to_string(kopf[12] | (kopf[13] << 8)) + " x " +
            std::to_string(kopf[14] | (kopf[15] << 8)) + " pixels)";
  } else {
    try {
      daten.assign(kopf, kopf + sizeof kopf);
      daten.resize(static_cast<std::size_t>(info.st_size));
      const std::size_t rest = daten.size() - sizeof kopf;
      const int64_t n = AllesLesen(fd, daten.data() + sizeof kopf, rest);
      if (n < 0)
        grund = std::string("cannot read image file: ") + std::strerror(errno);
      else if (static_cast<uint64_t>(n) < rest)
        grund = "image file is cut short";
      else
        gut = true;
    } catch (const std::exception&) {
      grund = "out of memory for the image file";
    }
  }
  ::close(fd);
  if (!gut) {
    daten = {};
    return Melden(fehler, grund);
  }
  return true;
}

bool TgaDekodieren(const uint8_t* daten, std::size_t laenge, TBildpixel& bild,
                   std::string* fehler) {
  bild = TBildpixel{};
  if (!Pruefen(daten, laenge, fehler)) return false;
  int breite = 0, hoehe = 0, kanaele = 0;
  stbi_uc* pixel =
      stbi_load_from_memory(daten, static_cast<int>(laenge), &breite, &hoehe, &kanaele, 4);
  if (!pixel) return Melden(fehler, std::string("cannot read image: ") + stbi_failure_reason());
  try {
    bild.Rgba.assign(pixel, pixel + static_cast<std::size_t>(breite) * hoehe * 4);
  } catch (...) {
    stbi_image_free(pixel);
    bild = TBildpixel{};
    return Melden(fehler, "out of memory for the image");
  }
  stbi_image_free(pixel);
  bild.Breite = breite;
  bild.Hoehe = hoehe;
  return true;
}
