#pragma once
// The fixed logical screen of the editor window and its table of screen regions, shared by the
// renderer (placement) and the editor core (hit test).
#include <cstdint>

// Every mouse position and every drawing coordinate is in these units, whatever the real
// client size of the window.
constexpr int32_t Bildschirmbreite = 1600;
constexpr int32_t Bildschirmhoehe = 1200;

struct TBildbereich {
  int32_t x = 0; // top-left corner
  int32_t y = 0;
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  int32_t z = 0; // depth: a larger z is nearer the viewer
};

constexpr int Bildbereichanzahl = 19;

// Index 0 is the empty region, 1 the map view, 2 the overview image, 3 the help lines, 4-13 the
// fields of the tool panel, 14-16 the menu buttons, 17 the message line, 18 the menu switch box.
// Regions 4 and 8 overlap; the editing mode keeps them apart.
inline constexpr TBildbereich Bildbereiche[Bildbereichanzahl] = {
    {0, 0, 0, 0, 0},         {0, 0, 1155, 1155, -80},  {1250, 25, 325, 325, -30},
    {40, 80, 800, 1000, 0},  {1200, 700, 200, 200, 0}, {1200, 500, 330, 50, 0},
    {1200, 600, 385, 50, 0}, {1200, 400, 165, 50, 0},  {1200, 700, 220, 50, 0},
    {1200, 800, 110, 50, 0}, {1200, 900, 50, 50, 0},   {1250, 600, 50, 50, 0},
    {1400, 600, 50, 50, 0},  {1325, 600, 50, 50, 0},   {450, 400, 350, 75, 0},
    {450, 505, 350, 75, 0},  {450, 610, 350, 75, 0},   {1250, 1100, 300, 25, 0},
    {1300, 1125, 50, 50, 0},
};

// Names of the regions the core dispatches on.
enum : uint8_t {
  bbKeiner = 0,
  bbKarte = 1,
  bbUebersicht = 2,
  bbHilfe = 3,
  bbGelaende = 4,
  bbGroessen = 5,
  bbWerkzeuge = 6,
  bbModi = 7,
  bbSpiegelart = 8,
  bbSpiegelrichtung = 9,
  bbSpiegeln = 10,
  bbVorherigerSpieler = 11,
  bbNaechsterSpieler = 12,
  bbZumStartpunkt = 13,
  bbSpeichern = 14,
  bbZurueck = 15,
  bbBeenden = 16,
  bbMeldung = 17,
  bbMenueSchalter = 18,
};
