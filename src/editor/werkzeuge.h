#pragma once
// The painting tools, start positions and the panel fields of the terrain and player pages.
#include <cstdint>

#include "base/punkt.h"
#include "editor/umgebung.h"

// Names shown when a tool or mode is chosen, [index][language] (Latin-1).
extern const char* const Werkzeugnamen[7][2];
extern const char* const Modusnamen[3][2];

// Applies the current tool at map cell c with the current size and paint terrain; only
// Gelaende of cells on the map changes.
void WerkzeugAnwenden(TEditor& e, TPunkt c);
// Applies the current tool at c and at each of its images under the editor's symmetry (no
// history step, no rebuild).
void SymmetrischAnwenden(TEditor& e, TPunkt c);
// Places the current player's start position on cell c (on the map), removing the player's
// earlier ones.
void StartpositionSetzen(TEditor& e, TPunkt c);
// Removes the start position on cell c (on the map).
void StartpositionEntfernen(TEditor& e, TPunkt c);

// A press in the map view at q (relative to region 1).
void KartenKlick(TEditor& e, TPunkt q, int32_t taste);
// Releases over the panel fields; each returns whether a frame is due.
bool GelaendeFeld(TEditor& e, TPunkt q);       // region 4
bool GroessenFeld(TEditor& e, TPunkt q);       // region 5
bool WerkzeugFeld(TEditor& e, TPunkt q);       // region 6
bool ModusFeld(TEditor& e, TPunkt q);          // region 7
bool SpielerFeld(TEditor& e, int32_t bereich); // regions 11, 12, 13
