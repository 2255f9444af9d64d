#pragma once
// Keys and mouse positions as the editor core expects them: Windows virtual-key codes with a
// shift-state byte, and points of the fixed logical screen of 1600 x 1200 units.
#include <Qt>
#include <cstdint>

#include "base/punkt.h"

// Bits of the shift-state byte, from bit 0 up.
constexpr uint8_t ubShift = 1;
constexpr uint8_t ubAlt = 2;
constexpr uint8_t ubStrg = 4;
constexpr uint8_t ubLinks = 8;
constexpr uint8_t ubRechts = 16;
constexpr uint8_t ubMitte = 32;
constexpr uint8_t ubDoppel = 64;

// The virtual-key code of a Qt key; 0 for keys without one. On X11 the digit row is recognised
// by its key position (native scan codes 10-19), so that Shift+3 is still the key 3 whatever the
// keyboard layout makes of it; pass scancode 0 where no native code is known.
uint16_t VirtuellerTastencode(int qtTaste, Qt::KeyboardModifiers modifikatoren,
                              uint32_t scancode = 0);
uint8_t Umschaltzustand(Qt::KeyboardModifiers modifikatoren, Qt::MouseButtons tasten,
                        bool doppelklick = false);
// Mouse button index of the editor core: left 0, right 1, middle 2; -1 for others.
int32_t Maustaste(Qt::MouseButton taste);

// Client pixel -> logical point: through the rectangle of the logical screen in the client area
// (Bildlage), the one the frame is drawn into. An empty client area gives (0, 0).
TPunkt LogischerPunkt(int32_t x, int32_t y, int32_t clientBreite, int32_t clientHoehe);

// Units of one wheel notch: wheels report eighths of a degree, 15 degrees a notch.
constexpr int32_t Radeinheiten = 120;
// Adds a wheel's turn (eighths of a degree; a trackpad sends many small parts of a notch) to
// summe and takes the whole notches out of it, the rest staying for the next turn. Positive is
// away from the user.
int32_t Radrasten(int32_t& summe, int32_t delta);
