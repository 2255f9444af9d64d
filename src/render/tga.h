#pragma once
// TGA images decoded in memory, without an OpenGL context.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The pixels of an image: RGBA bytes, first row at the top.
struct TBildpixel {
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  std::vector<uint8_t> Rgba;
};

// The longest side taken: what the GL of every machine the editor runs on can hold.
constexpr int32_t TgaHoechstseite = 16384;

// Decodes TGA bytes into RGBA pixels, first row at the top; false with the reason in fehler when
// the bytes are not a TGA this loader takes. Sides beyond TgaHoechstseite and headers that
// promise more pixels than the bytes hold are refused before anything is decoded.
bool TgaDekodieren(const uint8_t* daten, std::size_t laenge, TBildpixel& bild,
                   std::string* fehler = nullptr);
