#pragma once
// The keyboard handler: Windows virtual-key codes and the shift-state byte.
#include <cstdint>

#include "editor/umgebung.h"

// Bits of the shift-state byte.
constexpr uint8_t ssShift = 1;
constexpr uint8_t ssAlt = 2;
constexpr uint8_t ssCtrl = 4;

// Virtual-key codes the editor knows.
enum : uint16_t {
  vkLeertaste = 32,
  vkLinks = 37,
  vkOben = 38,
  vkRechts = 39,
  vkUnten = 40,
  vk0 = 48,
  vk9 = 57,
  vkG = 71,
  vkK = 75,
  vkM = 77,
  vkS = 83,
  vkU = 85,
  vkV = 86,
  vkY = 89,
  vkZ = 90,
  vkPlus = 107,  // numeric keypad +
  vkMinus = 109, // numeric keypad -
};

// A key went down (gedrueckt) or up. Releases are ignored; every press draws a frame.
void Tastendruck(TEditor& e, bool gedrueckt, uint16_t taste, uint8_t umschalt);
