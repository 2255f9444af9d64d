#include "base/ziffern.h"

#include "base/zahlen.h"

namespace {

uint8_t ZeichenWert(char zeichen) {
  for (uint8_t p = 0; p < 36; ++p)
    if (Ziffernzeichen[p] == zeichen) return p;
  return 255;
}

} // namespace

uint64_t ZiffernWert(const TZiffern& z) {
  uint64_t wert = 0;
  uint64_t gewicht = 1;
  for (uint8_t ziffer : z.Ziffer) {
    wert += ziffer * gewicht;
    gewicht *= z.Basis;
  }
  return wert;
}

int32_t Hoechststelle(uint8_t basis, uint64_t wert) {
  // Counted exactly: a quotient of logarithms lands just below a whole number for exact powers
  // (8 in base 2), which would put a digit of 2 into a binary record.
  if (wert == 0 || basis < 2) return 0;
  int32_t k = 0;
  while (wert >= basis) {
    wert /= basis;
    ++k;
  }
  return k;
}

TZiffern ZiffernUmrechnen(const TZiffern& z, uint8_t neueBasis) {
  TZiffern neu;
  neu.Basis = neueBasis;
  if (neueBasis < 2) return neu;
  uint64_t v = ZiffernWert(z);
  for (int32_t k = Hoechststelle(neueBasis, v); k >= 0; --k) {
    const uint64_t gewicht = Potenz(neueBasis, static_cast<uint32_t>(k));
    const uint64_t ziffer = v / gewicht;
    neu.Ziffer[k] = static_cast<uint8_t>(ziffer);
    v -= ziffer * gewicht;
  }
  return neu;
}

TZiffern ZiffernAusText(const TText& text, uint8_t basis) {
  TZiffern z;
  z.Basis = basis;
  const std::size_t anzahl = text.size() < z.Ziffer.size() ? text.size() : z.Ziffer.size();
  for (std::size_t k = 0; k < anzahl; ++k)
    z.Ziffer[k] = ZeichenWert(text[text.size() - 1 - k]);
  return z;
}

TZiffern ZiffernAusZahl(uint8_t basis, int32_t zahl) {
  TZiffern z = ZiffernAusText(std::to_string(zahl), 10);
  z.Basis = basis;
  return z;
}

TText FarbtextUmstellen(const TText& text) {
  TText t = text;
  if (t.size() < 6) t += "FFFFFF";
  if (t.size() > 6) t.resize(6);
  return t.substr(4, 2) + t.substr(2, 2) + t.substr(0, 2);
}

int32_t FarbeAusText(const TText& text) {
  return static_cast<int32_t>(
      static_cast<uint32_t>(ZiffernWert(ZiffernAusText(FarbtextUmstellen(text), 16))));
}

void FarbeZerlegen(int32_t farbe, std::array<uint8_t, 3>& bytes) {
  const uint32_t wert = static_cast<uint32_t>(farbe);
  bytes[0] = static_cast<uint8_t>(wert & 0xFF);
  bytes[1] = static_cast<uint8_t>((wert >> 8) & 0xFF);
  bytes[2] = static_cast<uint8_t>((wert >> 16) & 0xFF);
}
