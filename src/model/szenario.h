#pragma once
// The scenario record: the in-memory image of one scenario file.
#include <cstdint>
#include <vector>

#include "base/punkt.h"
#include "base/text.h"

enum : int { stName, stAutor, stEpost, stBeschreibung, stHomepage, stDatum, stFrei };

constexpr uint8_t sgGeladen = 1;  // Geladen bit 0: filled successfully from a file

// Terrain index of every cell, column by column (index x * Hoehe + y).
struct TSzenarioFelder {
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  std::vector<uint8_t> Gelaende;
};

struct TSzenario {
  TText Texte[7];
  int32_t Reserve[7] = {};
  // 0 width, 1 height, 2 number of start positions, 3-9 the map's further values.
  int32_t Kartenwerte[10] = {};
  uint8_t Geladen = 0;
  TSzenarioFelder Zellen;
  TFlaeche Startpunkte;  // ordered by player number
};

// Empties texts, reserved values, the loaded bit, cells and start positions; keeps Kartenwerte.
void SzenarioLeeren(TSzenario& s);
