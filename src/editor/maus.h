#pragma once
// The mouse handlers the editor window calls, and the dispatch by screen region.
#include <cstdint>

#include "base/punkt.h"
#include "editor/umgebung.h"

enum : int32_t { mtLinks = 0, mtRechts = 1, mtMitte = 2 };

// A press (gedrueckt) or release of button taste (0 left, 1 right, 2 middle) at logical point p.
void Mausklick(TEditor& e, TPunkt p, int32_t taste, bool gedrueckt);
// The mouse moved to logical point p; dragging with the left button paints.
void Mausbewegung(TEditor& e, TPunkt p);
// The action of region bereich for point q relative to it: a press acts only in the map view,
// a release only elsewhere.
void Mauswirkung(TEditor& e, TPunkt q, int32_t taste, bool gedrueckt, int32_t bereich);
