#pragma once
// Target areas: the connected area of equal terrain around a cell, which the fill tool paints.
#include <bitset>
#include <cstdint>
#include <vector>

#include "model/spiel.h"
#include "scenario/geometrie.h"

// One cell of a computed area; Anteil is a percentage.
struct TZielpunkt {
  int32_t x = 0;
  int32_t y = 0;
  int32_t Anteil = 0;
  friend bool operator==(const TZielpunkt&, const TZielpunkt&) = default;
};
using TZielflaeche = std::vector<TZielpunkt>;

constexpr uint8_t zbZusammenhaengend = 5; // Art: the connected area
constexpr uint8_t zbMitteGeprueft = 1;    // Bedingungen bit 0: the centre must match too

struct TZielbereich {
  uint8_t Art = 0;
  int32_t Anteil = 0;     // percentage given to the centre cell
  int32_t Reichweite = 0; // greatest distance from the centre, hundredths of a cell
  int32_t Schritt = 0;    // greatest step between connected cells, hundredths of a cell
  int32_t Frei[2] = {0, 0};
  uint8_t Bedingungen = 0;
  std::bitset<256> Gelaendemenge; // the terrains the area may contain
};

void ZielbereichLeeren(TZielbereich& b);

// Computes the area of kind 5 around the first corner of r (the centre, which must lie on the
// map) into aus and returns the number of its cells. The centre comes first (when taken: always,
// or with bit 0 of Bedingungen only when its terrain is in the set), then every cell whose terrain
// is in the set, that lies within Reichweite of the centre and that is reached from the centre by
// steps of at most Schritt, each cell once. Other kinds give an empty area. Time grows with the
// size of the area, not of the map.
int32_t ZielflaecheBerechnen(const TKV& kv, const TZielbereich& b, const TRechteck& r,
                             TZielflaeche& aus);
// Gives every cell of the same area the terrain gelaende, each cell as soon as the search finds
// it, without keeping a list: besides the map it needs two bits per cell (25 MB on the largest
// map) and the search's frontier.
// Cells that have the terrain already are not written. Returns the number of cells in the area;
// throws std::bad_alloc when even that memory is missing (before any cell is painted, unless the
// frontier itself cannot grow).
int64_t ZielflaecheFuellen(TKV& kv, const TZielbereich& b, const TRechteck& r, uint8_t gelaende);
