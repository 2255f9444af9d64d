#pragma once
// The OpenGL resources of one drawing context: font lists, textures, the overview image, the
// star generator and the GLU quadric. The owner of the context (the editor window, a snapshot,
// a test) owns one of these and hands it to every drawing operation.
#include <array>
#include <cstdint>
#include <string>

#include "base/zufall.h"
#include "editor/bildlage.h"
#include "render/primitive.h"
#include "render/schrift.h"
#include "render/uebersicht.h"
#include "render/zellbilder.h"

struct GLUquadric;

struct TGrafik {
  uint32_t Schriftbasis = 0;               // first of the 256 glyph lists
  TGlyphen Glyphen;                        // the same glyphs as bits
  std::array<uint32_t, 8> Basistexturen{}; // graphics groups 0 ... 7, 0 = none
  std::array<uint32_t, 6> Spieltexturen{}; // graphics groups 8 ... 13
  TUebersichtsbild Uebersicht;             // the overview image and its texture
  TUebersichtsabzug Uebersichtsabzug;      // the overview as last drawn
  TZellbilder Zellbilder;                  // the terrain pictures at the current cell size
  TZufallsgenerator Sterne;                // reset to a fixed state for every frame
  GLUquadric* Ring = nullptr;              // the rings of the tool icons
  TBildflaeche Bildflaeche;                // the shared drawing record of the elements
  int32_t Breite = 1600;                   // client size in pixels
  int32_t Hoehe = 1200;
  TBildlage Lage{0, 0, 1600, 1200};        // the logical screen in it, set by every frame
  TText Schriftart = "Georgia";            // the face of the font and its height in pixels
  int32_t Schrifthoehe = 16;
};

// The context set-up of the editor window, with its context current: depth test, clear colour,
// the font of the face (the system picks a serif when it is missing), the texture filters, the
// eight base graphics from the folder and the GLU quadric. Missing graphics are no error.
// Returns false only when no font could be built (text is then not drawn). Graphics missing in
// the folder come from vorrat when given (GrafikenLaden).
bool GrafikEinrichten(TGrafik& g, const std::string& grafikordner,
                      const TText& schriftart = "Georgia", const std::string& vorrat = {});
// Builds the font again at a height of hoehe pixels when it has another (a window moved to a
// screen of another pixel density draws its text at that density). The context must be current.
void SchriftAnpassen(TGrafik& g, int32_t hoehe);
// Releases everything GrafikEinrichten and SpielGrafikenLaden made, with the context current.
void GrafikAufloesen(TGrafik& g);
