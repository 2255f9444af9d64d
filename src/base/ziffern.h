#pragma once
// Numbers as digit records in any base from 2 to 36, and the colour texts built on them.
#include <array>
#include <cstdint>

#include "base/text.h"

// Digit k holds the digit of weight Basis^k (least significant first); unused digits are 0.
// The value is an unsigned 64-bit number that wraps modulo 2^64.
struct TZiffern {
  uint8_t Basis = 10;
  std::array<uint8_t, 256> Ziffer{};
};

// The digit alphabet: the character at index p has the digit value p.
inline constexpr char Ziffernzeichen[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

uint64_t ZiffernWert(const TZiffern& z);
// Index of the highest digit of wert in basis (0 for the value 0 and for a base below 2).
int32_t Hoechststelle(uint8_t basis, uint64_t wert);
// The same value written in neueBasis (below 2: all digits 0).
TZiffern ZiffernUmrechnen(const TZiffern& z, uint8_t neueBasis);
// The last character is digit 0. Characters outside the alphabet (lower-case letters too) get
// the digit value 255. Only the last 256 characters are read.
TZiffern ZiffernAusText(const TText& text, uint8_t basis);
// The decimal text of zahl read with ZiffernAusText; callers pass basis 10.
TZiffern ZiffernAusZahl(uint8_t basis, int32_t zahl);
// "RRGGBB" (padded with "F" to six characters, cut to six) becomes "BBGGRR".
TText FarbtextUmstellen(const TText& text);
// Colour value 0xBBGGRR of an upper-case "RRGGBB" text: "0000FF" gives 0xFF0000.
int32_t FarbeAusText(const TText& text);
// Bytes 0, 1, 2 = red, green, blue of a colour value 0xBBGGRR.
void FarbeZerlegen(int32_t farbe, std::array<uint8_t, 3>& bytes);
