#pragma once
// What the scenario list shows of a scenario: its details lines and its overview picture.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/text.h"
#include "model/szenario.h"

// The details lines (Latin-1) in the language sprache (0 German, 1 English): name, author with
// e-mail and home page, the date when there is one, players and size, description.
std::vector<TText> SzenarioDetails(const TSzenario& s, uint8_t sprache);

// An RGBA picture, row by row from the top, four bytes per pixel.
struct TRgbaBild {
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  std::vector<uint8_t> Pixel;
};

// The overview picture: one pixel per cell in its terrain's colour inside a black margin of m =
// (W + H) / 400 + 1 pixels, and a square per start position in its player's colour (with a white
// frame on larger maps). With nurStartpunkte the cells stay black. Returns false (bild empty)
// when memory runs out.
bool ErzeugeUebersicht(TRgbaBild& bild, const TSzenario& s, bool nurStartpunkte);

// An opaque picture of at most 256 colours, row by row from the top, one byte per pixel: the
// index of its colour (R, G, B) in Farben.
struct TPalettenBild {
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  std::vector<std::array<uint8_t, 3>> Farben;
  std::vector<uint8_t> Pixel;
};

// The same overview picture with a palette: a quarter of the memory of the RGBA one, which
// keeps the picture of the largest map near 100 MB.
bool ErzeugeUebersicht(TPalettenBild& bild, const TSzenario& s, bool nurStartpunkte);

// The overview picture as ErzeugeUebersicht draws it, shrunk to fit hoechstseite x hoechstseite
// with its proportions kept (a picture that fits keeps its size): each pixel shows the full
// picture's pixel under its centre. Drawn at the small size directly, so its cost does not grow
// with the number of start positions beyond one pass over them. False (bild empty) when memory
// runs out or the record is damaged. Meant for the sizes of a screen: memory grows with the
// square of hoechstseite.
bool ErzeugeVorschau(TRgbaBild& bild, const TSzenario& s, bool nurStartpunkte,
                     int32_t hoechstseite);

// The picture of ErzeugeVorschau straight from the scenario file at pfad, drawn while the file is
// inflated: neither the map nor a full-size picture is ever held, so the largest map needs a few
// MB besides the picture. With vergroessern a smaller picture is enlarged as well, its longer
// side becoming hoechstseite. False (bild empty) when the file is missing, unreadable or damaged,
// with grund telling why as SzenarioLaden does, or when memory runs out.
bool DateiVorschau(TRgbaBild& bild, const std::string& pfad, int32_t hoechstseite,
                   bool vergroessern, std::string* grund = nullptr);
