#pragma once
// The overview image: the whole map, one colour per cell, the start positions as markers and a
// red frame around the part shown in the map view, kept as pixels and as a mipmapped texture.
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
  double Sx = 0, Sy = 0;   // pixels per cell
  int32_t Rand = 1;        // marker margin in pixels
  int32_t Stiftbreite = 2; // width of the view frame's lines
  // Level 0 and its halvings; pixels as bytes R, G, B, A in memory.
  std::vector<std::vector<uint32_t>> Stufen;
  std::vector<int32_t> Spalte;       // pixel column -> cell column, never decreasing
  std::vector<int32_t> Zeile;        // pixel row -> cell row
  std::vector<TPixelbereich> Rahmen; // the four lines of the view frame as drawn last
  // Pixels changed since the texture was last filled; Alles: the texture needs all of them.
  std::vector<TPixelbereich> Offen;
  bool AllesOffen = false;
};

// Brings the image up to date with the map, the drawing records, the start positions and the
// view after a change (everything, or the given rectangles of cells plus the view frame). Needs
// no OpenGL context: the texture follows at the next UebersichtHochladen.
void UebersichtAktualisieren(TUebersichtsbild& u, const TProgramm& p, const TKV& kv,
                             const TUebersichtAenderung& aenderung);
// Hands the changed pixels to the texture (with its context current).
void UebersichtHochladen(TUebersichtsbild& u);
// The pixel (x, y) of the image, as 0xAABBGGRR; 0 outside the image.
uint32_t UebersichtPixel(const TUebersichtsbild& u, int32_t x, int32_t y);
