#pragma once
// The ten memory slots: copies of the whole game record.
#include <cstdint>

#include "editor/umgebung.h"

// Stores the game record in memory slot d (0 ... 9).
void AbbildSpeichern(TEditor& e, int32_t d);
// Restores memory slot d if it is filled: the game record, and the drawing records brought to
// the restored map's size. Returns whether it restored; the caller then rebuilds.
bool AbbildLaden(TEditor& e, int32_t d);
