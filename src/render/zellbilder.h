#pragma once
// The terrain pictures at the cell size of the current zoom. Drawn from the loaded atlas, every
// cell would be minified through its mipmaps for each pixel; a software rasteriser spends most
// of a frame on that. The pictures are resampled once per cell size instead (an area average,
// or bilinear when enlarging), so that each cell shows its picture texel for pixel.
#include <cstdint>
#include <vector>

#include "render/primitive.h"
#include "render/textur.h"

// The pictures at one cell size: Zellbreite x Zellhoehe texels each, 4 a row.
struct TZellbildsatz {
  int32_t Zellbreite = 0;
  int32_t Zellhoehe = 0;
  uint32_t Textur = 0;
};

struct TZellbilder {
  TBildpixel Atlas; // the terrain atlas as loaded; empty when there is none
  // One set per cell size seen, so that zooming back and forth resamples nothing.
  std::vector<TZellbildsatz> Saetze;
  // Of the set bound last: interpolated texels are sampled inside each picture only.
  int32_t Zellbreite = 0;
  int32_t Zellhoehe = 0;
  bool Interpoliert = false;
};

// Binds the pictures at cell size cw x ch (made when the size changed). pixelgenau: one logical
// unit is one pixel, so texels are taken as they are; otherwise they are interpolated. False,
// with nothing bound, when no atlas is loaded.
bool ZellbilderBinden(TZellbilder& z, int32_t cw, int32_t ch, bool pixelgenau);
// The texture coordinates of terrain t's picture in the bound pictures; terrains outside the
// table take terrain 0's picture. Interpolated, the coordinates lie half a texel inside the
// picture, so that no sample reaches into the neighbouring picture of the set.
void Zellbildausschnitt(const TZellbilder& z, TBildflaeche& f, int32_t t);
// Forgets the atlas and releases the pictures' textures.
void ZellbilderFreigeben(TZellbilder& z);
