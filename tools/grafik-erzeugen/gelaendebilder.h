#pragma once
// The pictures of the default terrain atlas: 512 x 512 pixels, sixteen 96 x 96 pictures, four a
// row, terrain t in column t mod 4 and row t div 4, each in its terrain's colour with a pattern
// that tells the terrain apart (waves, trees, rocks, dunes ...).
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t Atlasseite = 512;
constexpr int32_t Bildseite = 96;

// Pixels as 0xAARRGGBB, first row at the top.
std::vector<uint32_t> GelaendeatlasMalen();
// An uncompressed 32-bit TGA file with its first row at the top; false when it cannot be written.
bool TgaSpeichern(const std::string& datei, int32_t breite, int32_t hoehe,
                  const std::vector<uint32_t>& argb);
