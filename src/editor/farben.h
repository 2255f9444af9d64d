#pragma once
// The colours of players and terrains, each in the three forms the renderer and the overview
// pictures need.
#include <array>
#include <cstdint>

#include "base/text.h"
#include "model/tabellen.h"

struct TFarbKollektion {
  double Rot = 0;       // 0 ... 1
  double Gruen = 0;     // 0 ... 1
  double Blau = 0;      // 0 ... 1
  int32_t Farbwert = 0; // 0xBBGGRR: red in the lowest byte
  TText Farbtext;       // "RRGGBB"
};

// The two colour tables. Gelaendefarben holds a pair of equal colours per terrain.
struct TFarbtabellen {
  std::array<TFarbKollektion, Spielerfarbenanzahl> Spielerfarben{};
  std::array<std::array<TFarbKollektion, 2>, Gelaendeanzahl> Gelaendefarben{};
};

// One colour from its text of six upper-case hexadecimal digits, red first.
TFarbKollektion FarbeEinrichten(const TText& farbtext);
// Fills both tables from the constant tables: the 12 player colours, then each terrain's pair.
void FarbenEinrichten(TFarbtabellen& farben);

// The player's colour (numbers repeat every 12, negative numbers too).
const TFarbKollektion& Spielerfarbe(const TFarbtabellen& farben, int32_t spieler);
// The terrain's colour; terrains outside the table are drawn with the colour of terrain 0.
const TFarbKollektion& Gelaendefarbe(const TFarbtabellen& farben, uint8_t gelaende);
