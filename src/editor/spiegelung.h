#pragma once
// Mirroring the terrain of the whole map along one of four axes, in one of two directions.
#include <cstdint>

#include "base/punkt.h"
#include "editor/umgebung.h"

// Names shown when a kind or direction is chosen, [index][language] (Latin-1).
extern const char* const Spiegelartnamen[4][2];
extern const char* const Spiegelrichtungsnamen[2][2];

// Copies the terrain of one part of the map onto its mirror image, in place (no snapshot, no
// rebuild).
void KarteSpiegeln(TKV& kv, uint8_t art, uint8_t richtung);
// Releases over the mirroring fields (regions 8, 9, 10); each returns whether a frame is due.
bool SpiegelartFeld(TEditor& e, TPunkt q);
bool SpiegelrichtungFeld(TEditor& e, TPunkt q);
// Applies the mirroring as one step of the history, and rebuilds.
void SpiegelungAnwenden(TEditor& e);
