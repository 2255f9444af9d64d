#pragma once
// Screen regions, map cells and the view: the mapping between logical points and map cells.
#include <cstdint>

#include "base/punkt.h"
#include "editor/programm.h"

// The region (0 ... 18) holding the logical point: the first active region, in index order,
// whose rectangle (both bounds inclusive) contains it; 0 when none does.
uint8_t Bereichsuche(const TProgramm& programm, TPunkt p);
// Whether region i takes part in the hit test in the current view and mode.
bool BereichAktiv(const TProgramm& programm, int32_t i);

// Width and height of one cell in logical units: for the map view (region 1) from the zoom,
// for any other region the region's own size. Never below 1.
TPunkt Zellgroesse(const TProgramm& programm, int32_t bereich);

// Directions of Sichtzelle.
constexpr bool szVorwaerts = true;    // point relative to the map view -> map cell
constexpr bool szRueckwaerts = false; // map cell -> view cell (column and row in the view)
// The map cell under a point of the map view, or the view cell of a map cell. The map cell is
// not limited to the map: callers test it with AufKarte.
TPunkt Sichtzelle(const TProgramm& programm, TPunkt p, bool vorwaerts = szVorwaerts);

// Hit test of a row of panel fields of size s, n per row, with gap g between them; q is
// relative to the region. -1 for a point in a gap.
int32_t Feldindex(int32_t s, int32_t n, int32_t g, TPunkt q);

// Sets Zoomstufe (taken cyclically into 0 ... 6) and Sichtweite from Zoomtabelle.
void ZoomSetzen(TProgramm& programm, int32_t zoomstufe);
