#pragma once
// The game's constant tables. Row indices are stored in maps and files, so the order is fixed.
// Texts come in two languages: [0] German, [1] English (Latin-1).
#include <cstdint>

constexpr int Gelaendeanzahl = 16;
constexpr int Landschaftsanzahl = 17;
constexpr int Spieldefinitionsanzahl = 1;
constexpr int Rohstoffanzahl = 8;
constexpr int Kartengroessenanzahl = 7;
constexpr int Spielerfarbenanzahl = 12;

struct TGelaendeArt {
  const char* Name[2];
  int32_t Werte[11];  // game-only
  uint8_t Menge;      // game-only set
  const char* Farbe;  // six hexadecimal digits RRGGBB
};

struct TLandschaft {
  const char* Name[2];
  int32_t Gewichte[Gelaendeanzahl];
};

struct TRohstoffArt {
  const char* Name[2];
  // Values 1-16 as listed (index 0 = value 1): [2] spread percentage, [4..6] frequency per
  // 10 000 cells, [7..9] amount table A, [10..12] amount table B, by choice 0..2.
  int32_t Werte[16];
  const char* Farbe;
};

struct TSpielDefinition {
  const char* Texte[2][3];  // [language][0 name, 1 short name, 2 third text]
  int32_t Werte[11];        // [4] = deposit yield percentage
  TRohstoffArt Rohstoffe[Rohstoffanzahl];
};

struct TKartengroesse {
  const char* Name[2];
  int32_t Breite;
  int32_t Hoehe;
};

struct TNachbar {
  int32_t dx, dy;
};

extern const TGelaendeArt Gelaendetabelle[Gelaendeanzahl];
extern const TLandschaft Landschaftstabelle[Landschaftsanzahl];
extern const TSpielDefinition Spieldefinitionen[Spieldefinitionsanzahl];
extern const TKartengroesse Kartengroessen[Kartengroessenanzahl];
constexpr int StandardKartengroesse = 2;
extern const char* const Spielerfarben[Spielerfarbenanzahl];
extern const TNachbar Nachbarn[9];  // [0] the cell itself, 1-8 clockwise from the upper left

// The game's further text lists, not shown by the editor.
extern const char* const Diplomatietexte[2][2];      // [dipFeindlich/dipVerbuendet][language]
extern const char* const Mengentexte[3][2];          // Wenig, Mittel, Viel
extern const char* const Anzahltexte[3][2];          // Wenige, Mittel, Viele
extern const char* const Geschwindigkeitstexte[3][2];  // Langsam, Mittel, Schnell
