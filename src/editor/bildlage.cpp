#include "editor/bildlage.h"

#include "editor/bildbereiche.h"

namespace {

// Floor division for a positive divisor: pixels left of the rectangle map to negative points.
int64_t Abgerundet(int64_t zaehler, int64_t nenner) {
  const int64_t q = zaehler / nenner;
  return (zaehler % nenner != 0 && zaehler < 0) ? q - 1 : q;
}

// The centre of pixel i, (i + 1/2), through a side of s pixels starting at a onto n units. A
// centre that falls exactly on an edge between two units belongs to the unit whose left or
// bottom edge it is, as OpenGL decides (rows count from the bottom there): the later unit across,
// the earlier one down the screen (vonOben).
int32_t Abbilden(int32_t i, int32_t a, int32_t s, int32_t n, bool vonOben) {
  if (s <= 0) return 0;
  const int64_t zaehler = (2 * (int64_t{i} - a) + 1) * n;
  return static_cast<int32_t>(Abgerundet(vonOben ? zaehler - 1 : zaehler, 2 * int64_t{s}));
}

} // namespace

TBildlage Bildlage(int32_t clientBreite, int32_t clientHoehe) {
  TBildlage l;
  if (clientBreite <= 0 || clientHoehe <= 0) return l;
  const int64_t b = clientBreite, h = clientHoehe;
  if (b * Bildschirmhoehe <= h * Bildschirmbreite) {
    l.Breite = clientBreite;
    l.Hoehe = static_cast<int32_t>((b * Bildschirmhoehe + Bildschirmbreite / 2) / Bildschirmbreite);
  } else {
    l.Hoehe = clientHoehe;
    l.Breite = static_cast<int32_t>((h * Bildschirmbreite + Bildschirmhoehe / 2) / Bildschirmhoehe);
  }
  if (l.Breite > clientBreite) l.Breite = clientBreite;
  if (l.Hoehe > clientHoehe) l.Hoehe = clientHoehe;
  l.x = (clientBreite - l.Breite) / 2;
  l.y = (clientHoehe - l.Hoehe) / 2;
  return l;
}

TPunkt LogischerPunkt(const TBildlage& lage, int32_t x, int32_t y) {
  return {Abbilden(x, lage.x, lage.Breite, Bildschirmbreite, false),
          Abbilden(y, lage.y, lage.Hoehe, Bildschirmhoehe, true)};
}
