#pragma once
// The short fixed texts of the editor and the game, in German (Sprache 0) and English (1).
#include <cstdint>

#include "base/text.h"

// Replaces ergebnis with text id (0 ... 38) in the language sprache, composing n, m, the player
// name (ids 9 and 18: the name of player n, supplied by the caller) and the file name (id 9; a
// path is cut to its last part) into it. Id 9 also quotes the incoming ergebnis. An undefined id
// or a language other than 0 and 1 leaves ergebnis as it was.
void SprachText(uint8_t id, int32_t n, int32_t m, TText& ergebnis, uint8_t sprache,
                const TText& spielername = {}, const TText& dateiname = {});
