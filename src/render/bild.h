#pragma once
// One frame of the editor window over the logical screen of 1600 x 1200 units, in the largest
// rectangle of its shape that the client area holds, and the elements it is drawn from. Every element starts from the identity
// modelview matrix and places itself with one translation.
#include <cstdint>

#include "editor/programm.h"
#include "model/spiel.h"
#include "render/grafik.h"

// Draws one complete frame into the current framebuffer of g.Breite x g.Hoehe pixels and counts
// it in Bildzaehler. jetzt is the system's millisecond tick count (for the message line). The
// owner of the context swaps the buffers afterwards.
void BildZeichnen(TGrafik& g, TProgramm& p, const TKV& kv, uint32_t jetzt);

// The layers and elements, in the order BildZeichnen draws them, after the set-up of the frame:
// projection, viewport, matrices, cleared buffers, depth test and texturing on.
void BildVorbereiten(TGrafik& g);
void HintergrundZeichnen(TGrafik& g);
void KarteZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv);
void GelaendeZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv);
void GitterZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv);
void StartpunkteZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv);
void HilfeZeichnen(TGrafik& g, const TProgramm& p);
void MenueZeichnen(TGrafik& g, const TProgramm& p);
void UebersichtZeichnen(TGrafik& g);
// The frame around the cells the map view shows, over the overview image: at least 2 pixels
// wide at every client size and map size, from the view position of this frame.
void UebersichtRahmenZeichnen(TGrafik& g, const TProgramm& p);
void PanelZeichnen(TGrafik& g);
void WerkzeugleisteZeichnen(TGrafik& g, const TProgramm& p);
void StatusZeichnen(TGrafik& g, const TProgramm& p, uint32_t jetzt);
// The status field: the cell under the pointer and its terrain.
void ZellanzeigeZeichnen(TGrafik& g, const TProgramm& p, const TKV& kv);

// The fixed state of the star generator: the same 250 stars in every frame.
constexpr TZufallsgenerator Sternstand{289245020, 8231, 945, 23985381};
constexpr int32_t Sternanzahl = 250;
