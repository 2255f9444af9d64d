#pragma once
// The ten memory slots and the undo snapshot: copies of the whole game record.
#include <cstdint>

#include "editor/umgebung.h"

// Stores the game record in memory slot d (0 ... 9).
void AbbildSpeichern(TEditor& e, int32_t d);
// Restores memory slot d if it is filled: the game record, and the drawing records brought to
// the restored map's size. Returns whether it restored; the caller then rebuilds.
bool AbbildLaden(TEditor& e, int32_t d);
// Takes the undo snapshot when voZurueck is on.
void RueckgaengigAufnehmen(TEditor& e);
// Restores the undo snapshot when voZurueck is on and it is filled (the caller rebuilds in
// every case).
void RueckgaengigMachen(TEditor& e);
