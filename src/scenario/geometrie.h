#pragma once
// Cell coordinates on the map of a game record: the on-map test, wrap-around for maps whose
// edges join (bit 2 of Optionen), clamping, distances and range rectangles. Distances are in
// cells; ranges given as whole numbers are in hundredths of a cell.
#include <cstdint>

#include "base/punkt.h"
#include "model/spiel.h"

// All four sides inclusive.
struct TRechteck {
  int32_t Links = 0;
  int32_t Oben = 0;
  int32_t Rechts = 0;
  int32_t Unten = 0;
  friend bool operator==(const TRechteck&, const TRechteck&) = default;
};

TPunkt Punkt(int32_t x, int32_t y);
// left = a.x, top = a.y, right = b.x, bottom = b.y
TRechteck Rechteck(TPunkt a, TPunkt b);

// Brings p into 0 ... Breite - 1 and 0 ... Hoehe - 1 by whole map widths and heights. A side of
// 0 or less leaves that coordinate alone (an empty map has nothing to wrap onto).
void Umbrechen(const TKarte& karte, TPunkt& p);
void Umbrechen(const TKV& kv, TPunkt& p);
// True when p lies on the map; on a wrapping map p is wrapped first (in place), and the wrapped
// point is the one to use afterwards.
bool AufKarte(const TKV& kv, TPunkt& p);
// Clamps p to the map's sides.
void Begrenzen(const TKV& kv, TPunkt& p);
// Euclidean distance; on a wrapping map the shortest way, across the edges too.
double Entfernung(const TKV& kv, TPunkt a, TPunkt b);
// Entfernung(a, b) <= reichweite / 100
bool InReichweite(const TKV& kv, TPunkt a, TPunkt b, int32_t reichweite);
// The square of half-side reichweite / 100 around p; limited to the map unless the map wraps.
TRechteck Reichweitenrechteck(const TKV& kv, TPunkt p, int32_t reichweite);
