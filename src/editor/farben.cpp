#include "editor/farben.h"

#include "base/ziffern.h"

TFarbKollektion FarbeEinrichten(const TText& farbtext) {
  TFarbKollektion f;
  f.Farbtext = farbtext;
  f.Farbwert = FarbeAusText(farbtext);
  std::array<uint8_t, 3> bytes{};
  FarbeZerlegen(f.Farbwert, bytes);
  f.Rot = bytes[0] / 255.0;
  f.Gruen = bytes[1] / 255.0;
  f.Blau = bytes[2] / 255.0;
  return f;
}

void FarbenEinrichten(TFarbtabellen& farben) {
  for (int i = 0; i < Spielerfarbenanzahl; ++i)
    farben.Spielerfarben[i] = FarbeEinrichten(Spielerfarben[i]);
  for (int t = 0; t < Gelaendeanzahl; ++t) {
    const TFarbKollektion f = FarbeEinrichten(Gelaendetabelle[t].Farbe);
    farben.Gelaendefarben[t][0] = f;
    farben.Gelaendefarben[t][1] = f;
  }
}

const TFarbKollektion& Spielerfarbe(const TFarbtabellen& farben, int32_t spieler) {
  // A player number read from a file may be negative; the index must not be.
  const int32_t i = ((spieler % Spielerfarbenanzahl) + Spielerfarbenanzahl) % Spielerfarbenanzahl;
  return farben.Spielerfarben[i];
}

const TFarbKollektion& Gelaendefarbe(const TFarbtabellen& farben, uint8_t gelaende) {
  return farben.Gelaendefarben[gelaende < Gelaendeanzahl ? gelaende : 0][0];
}
