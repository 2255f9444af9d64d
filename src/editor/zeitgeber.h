#pragma once
// One tick of the editor window's 200 ms timer: edge scrolling and the pacing of frames.
#include "editor/umgebung.h"

// Adds the interval to Bildmarke, scrolls the view while the mouse rests within 20 units of a
// screen edge, and draws a frame when it scrolled or Bildmarke reached 500.
void Zeittakt(TEditor& e);
