#pragma once
// Integer powers and rounding, number texts and the small integer helpers shared by every layer.
// Integers are signed 32-bit; division truncates toward zero.
#include <cstdint>

#include "base/text.h"

// base^exponent (base^0 = 1), wrapping modulo 2^64.
uint64_t Potenz(int32_t basis, uint32_t exponent);
// The power of basis next to wert: mode 0 rounds the exponent up, mode 1 down, other modes to
// the nearest. 0 when wert <= 1 or basis <= 1. (2, 30, 0) gives 32.
int32_t PotenzAnpassen(uint8_t basis, int32_t wert, uint8_t modus);
// x rounded to a multiple of 10^stellen, a half going to the even multiple: (1, 665) gives 660.
// Results beyond the 32-bit range are held at its ends.
int32_t AufStellenRunden(uint8_t stellen, double x);
// Number of decimal digits; 0 for the value 0.
int32_t Stellenzahl(uint32_t wert);
// Decimal text padded with leading "0" to at least breite digits: (7, 3) gives "007".
TText ZahlText(uint32_t wert, uint8_t breite);
// "3 Runden": the decimal of n, a blank, the word, and the suffix unless n is exactly 1.
TText Anzahltext(int32_t n, const TText& wort, const TText& endung);
// True when i is at least 1.
bool Wahrheitswert(int32_t i);
// 1 for true, -1 for false.
int32_t Vorzeichen(bool b);
// 1 for true, 0 for false.
int32_t Ganzzahl(bool b);
// Returns zahl / teiler and leaves zahl % teiler in zahl. A divisor of 0 returns 0 and leaves
// zahl alone; INT32_MIN / -1 wraps to INT32_MIN with remainder 0.
int32_t Teilen(int32_t& zahl, int32_t teiler);
// Linear step from a (c = 0) to b (c = d), c held at d, d at least 1, rounded half to even.
int32_t Zwischenwert(int32_t a, int32_t b, int32_t c, int32_t d);
