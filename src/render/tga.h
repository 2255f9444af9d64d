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
constexpr std::size_t TgaKopfgroesse = 18;
// Room after the pixels for what TGA 2.0 may add (extension and developer areas, footer).
constexpr uint64_t TgaAnhangsraum = 64 << 10;

// The largest file the 18-byte header kopf allows: header, image id, colour map, every pixel
// (packed: each as a raw packet of its own) and TgaAnhangsraum.
uint64_t TgaHoechstgroesse(const uint8_t* kopf);
// Reads the TGA file at pfad (a plain file, opened without waiting): its header first, then the
// rest only when the file is no larger than the header allows and its sides are at most
// hoechstseite. False with the reason in fehler otherwise.
bool TgaDateiLesen(const std::string& pfad, std::vector<uint8_t>& daten,
                   int32_t hoechstseite = TgaHoechstseite, std::string* fehler = nullptr);

// Decodes TGA bytes into RGBA pixels, first row at the top; false with the reason in fehler when
// the bytes are not a TGA this loader takes. Sides beyond TgaHoechstseite and headers that
// promise more pixels than the bytes hold are refused before anything is decoded.
bool TgaDekodieren(const uint8_t* daten, std::size_t laenge, TBildpixel& bild,
                   std::string* fehler = nullptr);
