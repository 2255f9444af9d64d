#pragma once
// The editor window's bitmap font: 256 display lists, one per Windows Latin-1 character code,
// drawn at a raster position in the current colour.
#include <cstdint>
#include <span>
#include <string>

#include "base/text.h"

// Builds the 256 glyph lists of the face (height 16 pixels from the top of the tallest glyph to
// the bottom of the lowest, weight 500) and returns the first list name, or 0 when no font could
// be found or read. Code c goes to list base + c. When the face is not installed the closest
// serif face stands in. The name of the face used is written to gewaehlt when given.
uint32_t SchriftErzeugen(const TText& gesicht, std::string* gewaehlt = nullptr);
// Releases the lists of a font built above.
void SchriftFreigeben(uint32_t& schriftbasis);
// Draws text with its baseline starting at the logical point (x, y) in the current colour.
// Turns depth testing back on and leaves 2-D texturing off.
void TextAusgeben(uint32_t schriftbasis, int32_t x, int32_t y, const TText& text);

// Several texts, each drawn as TextAusgeben draws it, in order; the depth test and texturing are
// switched once for all of them (many labels cost a software rasteriser much less that way).
struct TTextstelle {
  int32_t x = 0;
  int32_t y = 0;
  TText Text;
};
void TexteAusgeben(uint32_t schriftbasis, std::span<const TTextstelle> texte);
