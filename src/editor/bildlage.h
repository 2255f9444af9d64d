#pragma once
// Where the logical screen lies in a client area of any shape: the largest rectangle of its 4:3
// shape, centred, the rest of the client area black. The renderer draws into this rectangle and
// the window maps mouse pixels through the same one, so a click hits the cell drawn under it.
#include <cstdint>

#include "base/punkt.h"

struct TBildlage {
  int32_t x = 0; // top-left corner in client pixels, y counted from the top
  int32_t y = 0;
  int32_t Breite = 0;
  int32_t Hoehe = 0;
};

// The rectangle for a client area of clientBreite x clientHoehe pixels (empty when either is 0
// or less).
TBildlage Bildlage(int32_t clientBreite, int32_t clientHoehe);

// The logical point under client pixel (x, y): the pixel's centre mapped through the rectangle,
// rounded down (a centre exactly on an edge between two rows goes to the upper row). OpenGL gives
// a pixel to the shape that covers its centre, so this is the point whose drawing the pixel
// shows. Pixels outside the rectangle give points off the logical screen;
// an empty rectangle gives (0, 0).
TPunkt LogischerPunkt(const TBildlage& lage, int32_t x, int32_t y);
