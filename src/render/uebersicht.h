#pragma once
// The overview image: the whole map, one colour per cell and the start positions as markers,
// kept as pixels and as a mipmapped texture. The frame around the part shown in the map view is
// not part of it: minified or enlarged with the image it vanished or blurred, so it is drawn
// over the image in screen pixels (UebersichtRahmenZeichnen).
//
// Each side is 4 x the next power of two of the map's side, at most 2048 pixels; beyond that
// each pixel shows the cell under its centre. Changes redraw only the pixels they touch, and
// only those pixels go to the texture, at the next draw.
#include <cstdint>
#include <vector>

#include "model/spiel.h"

struct TProgramm;
struct TUebersichtAenderung;

constexpr int32_t UebersichtHoechstseite = 2048;

// A rectangle of pixels, left and top inclusive, right and bottom exclusive.
struct TPixelbereich {
  int32_t Links = 0, Oben = 0, Rechts = 0, Unten = 0;
  bool Leer() const { return Rechts <= Links || Unten <= Oben; }
  friend bool operator==(const TPixelbereich&, const TPixelbereich&) = default;
};

struct TUebersichtsbild {
  uint32_t Textur = 0; // the overview texture, made by GrafikenLaden
  int32_t Breite = 0;  // pixels; 0 while no image was built
  int32_t Hoehe = 0;
  int32_t Kartenbreite = 0; // the map size the image was built for
  int32_t Kartenhoehe = 0;
  double Sx = 0, Sy = 0; // pixels per cell
  int32_t Rand = 1;      // marker margin in pixels
  // Level 0 and its halvings; pixels as bytes R, G, B, A in memory.
  std::vector<std::vector<uint32_t>> Stufen;
  std::vector<int32_t> Spalte; // pixel column -> cell column, never decreasing
  std::vector<int32_t> Zeile;  // pixel row -> cell row
  // Pixels changed since the texture was last filled; Alles: the texture needs all of them.
  std::vector<TPixelbereich> Offen;
  bool AllesOffen = false;
  // Changes with every filling of the texture, to a number no other filling in the process had.
  uint32_t Fassung = 0;
};

// The overview as drawn into the frame, kept while one logical unit is one pixel. The image is
// drawn minified through the mipmaps of a texture of up to 2048 x 2048 pixels, which a software
// rasteriser pays for in every frame although the image changes rarely; the copy gives the same
// pixels one texel each.
struct TUebersichtsabzug {
  uint32_t Textur = 0; // the pixels, rows bottom-up as read from the frame
  bool Gueltig = false;
  // What the pixels were drawn from: the overview texture, its filling and its filters.
  uint32_t Quelle = 0;
  uint32_t Fassung = 0;
  int32_t Verkleinerung = 0;
  int32_t Vergroesserung = 0;
};

// Brings the image up to date with the map, the drawing records and the start positions after a
// change (everything, or the given rectangles of cells). Needs
// no OpenGL context: the texture follows at the next UebersichtHochladen.
void UebersichtAktualisieren(TUebersichtsbild& u, const TProgramm& p, const TKV& kv,
                             const TUebersichtAenderung& aenderung);
// Hands the changed pixels to the texture (with its context current).
void UebersichtHochladen(TUebersichtsbild& u);
// The pixel (x, y) of the image, as 0xAABBGGRR; 0 outside the image.
uint32_t UebersichtPixel(const TUebersichtsbild& u, int32_t x, int32_t y);
