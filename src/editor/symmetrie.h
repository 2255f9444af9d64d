#pragma once
// Symmetric painting: a press of a terrain tool acts at the clicked cell and at its images under
// the editor's symmetry (a reflection, a half turn or both axes at once). This file only finds
// the images; the tools apply themselves at each.
#include <cstdint>

#include "base/punkt.h"
#include "editor/umgebung.h"

// The symmetries (Symmetrie), in the order key Y steps through them.
enum : uint8_t { syAus = 0, sySpiegelung = 1, syHalbdrehung = 2, syVierfach = 3 };
constexpr int Symmetrieanzahl = 4;

// Names shown when key Y picks one, [index][language] (Latin-1).
extern const char* const Symmetrienamen[Symmetrieanzahl][2];

// The distinct cells at which a press at c acts: c itself first (as given), then those of its
// images that lie on the map (wrapped on a map whose edges join). Reflections run through the
// middle of the map, so on an odd width the centre column is its own image; the reflection
// kind is the mirroring kind spiegelart. Returns the number of cells written to zellen.
int32_t Symmetriebilder(const TKV& kv, uint8_t symmetrie, uint8_t spiegelart, TPunkt c,
                        TPunkt zellen[4]);
// Key Y: the next symmetry, its name as the message.
void SymmetrieWeiterschalten(TEditor& e);
