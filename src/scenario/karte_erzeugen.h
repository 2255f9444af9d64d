#pragma once
// Building a fresh map: one terrain everywhere, or every cell drawn from a landscape's terrain
// mix; optionally with resource deposits and random start positions.
#include <cstdint>

#include "model/spiel.h"

// The request. The caller zeroes it before filling it in.
struct TKartenParameter {
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  int32_t Frei[2] = {0, 0}; // not read
  bool MitRohstoffen = false;
  bool MitStartpunkten = false;
  int32_t Spieleranzahl = 0; // start positions to place; stored in the map in any case
  uint8_t Gelaende = 0;      // terrain of the fill (Verfahren 0)
  uint8_t Landschaft = 0;    // landscape of the random draw (Verfahren 1)
  uint8_t Verfahren = 0;     // 0 fill, 1 random draw, other values leave terrain 0
};

constexpr uint8_t kvFuellen = 0;
constexpr uint8_t kvLandschaft = 1;

// The terrain draw: one number from g, the smallest i whose running weight sum reaches it
// (15 when the weights are all 0).
uint8_t GelaendeZiehen(TZufallsgenerator& g, const int32_t gewichte[16]);

// Rebuilds kv.Karte from the request. The terrain draw takes its numbers from the game generator
// (kv.Zufall.Generator), deposits and start positions from the standard random source. When the
// generator's state comes back to an earlier value during the draw, the generator is given a new
// state derived from the old one, so a large map never repeats a pattern; up to that point the
// map is the plain draw, and the same starting state always gives the same map.
// Returns false when the map could not be built as asked: out of memory (the map is then empty)
// or more start positions than cells (the map is built, but no start position is placed).
bool KarteErzeugen(TKV& kv, const TKartenParameter& p);
