#pragma once
// The editor window's bitmap font: 256 display lists, one per Windows Latin-1 character code,
// drawn at a raster position in the current colour.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/text.h"

// One glyph as its list draws it with glBitmap: rows bottom-up, one bit per pixel (highest bit
// first), each row padded to whole bytes; the origin is subtracted from the raster position, the
// advance added to it afterwards.
struct TGlyphe {
  bool Vorhanden = false; // false: the list is empty (control codes)
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  int32_t UrsprungX = 0;
  int32_t UrsprungY = 0;
  int32_t Vorschub = 0;
  std::vector<uint8_t> Bits;
};
// The 256 glyphs of a font kept beside its lists, so that many texts can be set into one bitmap;
// empty when the font has none.
using TGlyphen = std::vector<TGlyphe>;

// Builds the 256 glyph lists of the face (height 16 pixels, or hoehe, from the top of the tallest
// glyph to the bottom of the lowest, weight 500) and returns the first list name, or 0 when no
// font could be found or read. Code c goes to list base + c. When the face is not installed the closest
// serif face stands in. The name of the face used is written to gewaehlt when given, the glyphs
// to glyphen (code c at index c; left empty without a font).
uint32_t SchriftErzeugen(const TText& gesicht, std::string* gewaehlt = nullptr,
                         TGlyphen* glyphen = nullptr, int32_t hoehe = 16);
// Releases the lists of a font built above.
void SchriftFreigeben(uint32_t& schriftbasis);
// Draws text with its baseline starting at the logical point (x, y) in the current colour.
// Turns depth testing back on and leaves 2-D texturing off.
void TextAusgeben(uint32_t schriftbasis, int32_t x, int32_t y, const TText& text);

// Several texts in the current colour, each drawn as TextAusgeben draws it; the depth test and
// texturing are switched once for all of them. With the glyphs of the font, texts that lie close
// together (a row or a column of labels) are set into one bitmap and drawn with one glBitmap: a
// software rasteriser spends far more on each glyph's bitmap than on the pixels. The pixels are
// the same as those of the glyph lists.
struct TTextstelle {
  int32_t x = 0;
  int32_t y = 0;
  TText Text;
};
void TexteAusgeben(uint32_t schriftbasis, const TGlyphen& glyphen,
                   std::span<const TTextstelle> texte);
