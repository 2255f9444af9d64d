// vandor-cli export-image and import-image: a map as a picture of one pixel per cell in its
// terrain's colour, and a picture from any image program as a map, each pixel becoming the
// terrain of the nearest colour. Both go through the picture 64 rows at a time, so the largest
// map needs no picture of its own in memory.
#include <png.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/text.h"
#include "base/ziffern.h"
#include "cli_common.h"
#include "model/tabellen.h"
#include "png_lesegrenzen.h"
#include "scenario/karte_erzeugen.h"
#include "scenario/komprimierung.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"

int BefehlExportImage(const TArgumente& argumente);
int BefehlImportImage(const TArgumente& argumente);

namespace {

// The largest side a map may have.
constexpr int32_t Hoechstseite = 9999;
constexpr int32_t Kante = KartenBlockKante;

using TFarbe = std::array<uint8_t, 3>;

std::array<TFarbe, Gelaendeanzahl> Gelaendefarben() {
  std::array<TFarbe, Gelaendeanzahl> farben{};
  for (int t = 0; t < Gelaendeanzahl; ++t)
    FarbeZerlegen(FarbeAusText(Gelaendetabelle[t].Farbe), farben[t]);
  return farben;
}

// The terrain whose colour is nearest (squared RGB distance); ties go to the lower number.
uint8_t NaechstesGelaende(const std::array<TFarbe, Gelaendeanzahl>& farben, const uint8_t* rgb) {
  int32_t besterAbstand = INT32_MAX;
  uint8_t bestes = 0;
  for (int t = 0; t < Gelaendeanzahl; ++t) {
    int32_t abstand = 0;
    for (int k = 0; k < 3; ++k) {
      const int32_t d = int32_t{rgb[k]} - farben[t][k];
      abstand += d * d;
    }
    if (abstand < besterAbstand) {
      besterAbstand = abstand;
      bestes = static_cast<uint8_t>(t);
    }
  }
  return bestes;
}

// libpng reports failures by a long jump back into the function that set it; the functions
// that call libpng hold no objects with destructors, their buffers come from outside.
struct TPngFehler {
  char Text[200] = "";
  char Warnung[100] = ""; // the last warning: it often says why the error came
};

void PngFehler(png_structp png, png_const_charp text) {
  auto* fehler = static_cast<TPngFehler*>(png_get_error_ptr(png));
  if (fehler != nullptr)
    std::snprintf(fehler->Text, sizeof fehler->Text, "%s%s%s", text, fehler->Warnung[0] ? "; " : "",
                  fehler->Warnung);
  png_longjmp(png, 1);
}

void PngWarnung(png_structp png, png_const_charp text) {
  auto* fehler = static_cast<TPngFehler*>(png_get_error_ptr(png));
  if (fehler != nullptr) std::snprintf(fehler->Warnung, sizeof fehler->Warnung, "%s", text);
}

// Rows by to by + zeilen - 1 of the terrain (column by column, x * hoehe + y) as picture rows
// of palette indices.
void ZeilenLesen(const TSzenarioFelder& zellen, int32_t by, int32_t zeilen, uint8_t* band) {
  const std::size_t breite = static_cast<std::size_t>(zellen.Breite);
  for (std::size_t x = 0; x < breite; ++x) {
    const uint8_t* spalte = zellen.Gelaende.data() + x * zellen.Hoehe + by;
    for (int32_t ly = 0; ly < zeilen; ++ly)
      // A terrain beyond the table has no colour; it shows black, as in the overview.
      band[static_cast<std::size_t>(ly) * breite + x] =
          spalte[ly] < Gelaendeanzahl ? spalte[ly] : 0;
  }
}

// An open picture being read: the header is read first, the pixels after the map is made.
struct TPngLeser {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  TPngFehler Fehler;
  png_uint_32 Breite = 0, Hoehe = 0;
  bool Zeilensprung = false; // interlaced
  ~TPngLeser() {
    if (Png != nullptr) png_destroy_read_struct(&Png, &Info, nullptr);
  }
};

// Reads the header and sets the transformations to 8-bit RGB; false with Fehler on a failure.
bool KopfLesen(std::FILE* f, TPngLeser& l) {
  l.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &l.Fehler, PngFehler, PngWarnung);
  if (l.Png == nullptr) return false;
  PngLesegrenzenSetzen(l.Png, Hoechstseite);
  l.Info = png_create_info_struct(l.Png);
  if (l.Info == nullptr || setjmp(png_jmpbuf(l.Png))) return false;
  png_init_io(l.Png, f);
  png_set_sig_bytes(l.Png, 8);
  png_read_info(l.Png, l.Info);
  l.Breite = png_get_image_width(l.Png, l.Info);
  l.Hoehe = png_get_image_height(l.Png, l.Info);
  l.Zeilensprung = png_get_interlace_type(l.Png, l.Info) != PNG_INTERLACE_NONE;
  // Palette, grey and transparency become RGB(A) of 8 bits; alpha is not looked at.
  png_set_expand(l.Png);
  png_set_strip_16(l.Png);
  png_set_gray_to_rgb(l.Png);
  png_set_strip_alpha(l.Png);
  png_read_update_info(l.Png, l.Info);
  return png_get_rowbytes(l.Png, l.Info) == static_cast<std::size_t>(l.Breite) * 3;
}

// Reads the pixels into the map's terrain, 64 rows at a time, block by block.
bool PixelLesen(TPngLeser& l, TKarte& karte, uint8_t* zeile, uint8_t* band) {
  if (setjmp(png_jmpbuf(l.Png))) return false;
  const std::array<TFarbe, Gelaendeanzahl> farben = Gelaendefarben();
  const int32_t breite = karte.Breite, hoehe = karte.Hoehe;
  // Pictures run in patches of one colour: the last colour's terrain is kept.
  uint8_t letzte[3] = {0, 0, 0};
  uint8_t letztesGelaende = NaechstesGelaende(farben, letzte);
  for (int32_t by = 0; by * Kante < hoehe; ++by) {
    const int32_t zeilen = std::min(Kante, hoehe - by * Kante);
    for (int32_t ly = 0; ly < zeilen; ++ly) {
      png_read_row(l.Png, zeile, nullptr);
      uint8_t* ziel = band + static_cast<std::size_t>(ly) * breite;
      for (int32_t x = 0; x < breite; ++x) {
        const uint8_t* rgb = zeile + 3 * static_cast<std::size_t>(x);
        if (std::memcmp(rgb, letzte, 3) != 0) {
          std::memcpy(letzte, rgb, 3);
          letztesGelaende = NaechstesGelaende(farben, rgb);
        }
        ziel[x] = letztesGelaende;
      }
    }
    for (int32_t bx = 0; bx * Kante < breite; ++bx) {
      uint8_t* block = GelaendeBlockAendern(karte, bx, by);
      const int32_t spalten = std::min(Kante, breite - bx * Kante);
      for (int32_t lx = 0; lx < spalten; ++lx)
        for (int32_t ly = 0; ly < zeilen; ++ly)
          block[lx * Kante + ly] = band[static_cast<std::size_t>(ly) * breite + bx * Kante + lx];
    }
  }
  png_read_end(l.Png, nullptr);
  return true;
}

std::string Seiten(png_uint_32 breite, png_uint_32 hoehe) {
  return std::to_string(breite) + "x" + std::to_string(hoehe);
}

} // namespace

int BefehlExportImage(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente, {}, {}, 2);
  const std::string& quelle = a.Positionen[0];
  const std::string& ziel = a.Positionen[1];
  ZielPruefen(ziel);
  TKV kv;
  TSzenario s;
  SzenarioEinlesen(quelle, kv, s);
  const TSzenarioFelder& karte = s.Zellen;
  if (karte.Breite <= 0 || karte.Hoehe <= 0 ||
      karte.Gelaende.size() < static_cast<std::size_t>(karte.Breite) * karte.Hoehe)
    throw TDateifehler(quelle, "the map is empty");
  // A picture with a palette of the terrain colours, the terrain number being the pixel's
  // palette index, written a band of rows at a time: read down the columns, then across.
  const auto tabelle = Gelaendefarben();
  const std::vector<std::array<uint8_t, 3>> farben(tabelle.begin(), tabelle.end());
  std::vector<uint8_t> band(static_cast<std::size_t>(karte.Breite) * Kante);
  PngSchreiben(ziel, karte.Breite, karte.Hoehe, farben, [&](int32_t y) {
    const int32_t ly = y % Kante;
    if (ly == 0) ZeilenLesen(karte, y, std::min(Kante, karte.Hoehe - y), band.data());
    return band.data() + static_cast<std::size_t>(ly) * karte.Breite;
  });
  return 0;
}

int BefehlImportImage(const TArgumente& argumente) {
  const TAufteilung a =
      Aufteilen(argumente, {"--name", "--author", "--email", "--homepage", "--description"}, {}, 2);
  const std::string& quelle = a.Positionen[0];
  const std::string& ziel = a.Positionen[1];
  ZielPruefen(ziel);

  std::FILE* f = EingabedateiOeffnen(quelle, "a PNG picture");
  TPngLeser l;
  // Signature and the IHDR chunk: the sides are judged from these bytes, before libpng decodes
  // anything.
  png_byte kopf[24] = {};
  const bool png = std::fread(kopf, 1, 24, f) == 24 && png_sig_cmp(kopf, 0, 8) == 0 &&
                   std::memcmp(kopf + 12, "IHDR", 4) == 0;
  const png_uint_32 breite = png_get_uint_32(kopf + 16), hoehe = png_get_uint_32(kopf + 20);
  std::string fehler;
  if (!png) {
    fehler = "not a PNG picture";
  } else if (breite == 0 || hoehe == 0 || breite > Hoechstseite || hoehe > Hoechstseite) {
    fehler = "the picture is " + Seiten(breite, hoehe) + " pixels; a map has at most " +
             std::to_string(Hoechstseite) + " cells a side";
  } else if (std::fseek(f, 8, SEEK_SET) != 0 || !KopfLesen(f, l)) {
    fehler = std::string("the picture is damaged (") + l.Fehler.Text + ")";
  } else if (l.Zeilensprung) {
    fehler = "interlaced pictures cannot be read row by row; save it without interlacing";
  }
  if (!fehler.empty()) {
    std::fclose(f);
    throw TDateifehler(quelle, fehler);
  }

  TKV kv;
  SpielZuruecksetzen(kv);
  TKartenParameter p; // zeroed: no deposits, no start positions
  p.Breite = static_cast<int32_t>(l.Breite);
  p.Hoehe = static_cast<int32_t>(l.Hoehe);
  p.Verfahren = kvFuellen;
  bool gut = KarteErzeugen(kv, p);
  if (gut) {
    std::vector<uint8_t> zeile(static_cast<std::size_t>(l.Breite) * 3);
    std::vector<uint8_t> band(static_cast<std::size_t>(l.Breite) * Kante);
    gut = PixelLesen(l, kv.Karte, zeile.data(), band.data());
    std::fclose(f);
    if (!gut)
      throw TDateifehler(quelle, std::string("the picture is damaged (") + l.Fehler.Text + ")");
  } else {
    std::fclose(f);
    throw TDateifehler(ziel,
                       "not enough memory for a map of " + Seiten(l.Breite, l.Hoehe) + " cells");
  }

  TSzenario s;
  if (!SzenarioAusKarte(s, kv)) throw TDateifehler(ziel, "not enough memory");
  kv = TKV();
  SzenarioMitTextenSpeichern(s, a, ziel);
  return 0;
}
