#pragma once
// The status field of the panel: the map cell under the pointer and its terrain.
#include "base/punkt.h"
#include "base/text.h"
#include "editor/programm.h"

// The map cell under a recorded mouse position over the map view, wrapped on a wrapping map;
// false when the position is elsewhere, the menu is shown or the cell lies off the map.
bool Zeigerzelle(const TProgramm& programm, const TKV& kv, const TMausPunkt& maus, TPunkt& zelle);

// The text of the status field for the current mouse position, in the language of the editor:
// "Feld 12, 7: Gras" / "Cell 12, 7: Grass", the cell counted from 1 as the coordinate labels
// count it; empty when the pointer is over no cell of the map.
TText Zellanzeige(const TProgramm& programm, const TKV& kv);
