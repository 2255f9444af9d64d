#pragma once
// The graphics groups: one TGA atlas file per group in the graphics folder, loaded into textures,
// and the texture coordinates of one picture of an atlas.
#include <cstdint>
#include <string>

#include "base/text.h"
#include "render/primitive.h"

struct TGrafik;

struct TGrafikgruppe {
  const char* Name; // Latin-1 base name of the file
  int32_t Bildbreite, Bildhoehe;
  int32_t Spalten, Zeilen;
  int32_t Texturbreite, Texturhoehe;
  int32_t AbstandX, AbstandY;
};

constexpr int Grafikgruppenanzahl = 14;
constexpr int Basisgruppen = 8; // groups 0 ... 7; groups 8 ... 13 belong to a game definition
constexpr int grSymbole = 3;
constexpr int grGelaende = 4;
extern const TGrafikgruppe Grafikgruppen[Grafikgruppenanzahl];

// The graphics folder beside the program: pfad (the program folder, UTF-8, ending with "/")
// followed by "Grafik".
std::string Grafikordner(const std::string& programmpfad);
// The UTF-8 path of group g's file in the folder; kurzname (Latin-1) follows the group name for
// the groups of a game definition: "EinheitenKR.tga".
std::string Grafikdatei(const std::string& ordner, int gruppe, const TText& kurzname = {});

// Loads groups 0 ... 7 into the base textures and makes the overview texture. A file missing
// in ordner is taken from vorrat (the installed graphics) when given. Missing or unreadable
// files are skipped (texture 0). Returns the number of files loaded.
int32_t GrafikenLaden(TGrafik& g, const std::string& ordner, const std::string& vorrat = {});
// Loads groups 8 ... 13 of game definition spiel into the game textures (names with the German
// short name of the definition). An unknown definition loads nothing. Textures of an earlier
// call are released first; files missing in ordner come from vorrat as above. Returns the number
// of files loaded.
int32_t SpielGrafikenLaden(TGrafik& g, const std::string& ordner, uint8_t spiel,
                           const std::string& vorrat = {});
// Sets the texture coordinates of f to picture n of the group's atlas. Groups without atlas
// values leave f as it was.
void Bildausschnitt(TBildflaeche& f, int gruppe, int32_t n);
// Frees the overview texture.
void GrafikenFreigeben(TGrafik& g);
