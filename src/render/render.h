#pragma once
// The renderer in one include. How the owner of an OpenGL context uses it:
//
//   creation (context current):  TGrafik g;  GrafikEinrichten(g, Grafikordner(programm.Pfad));
//   opening a map:               SpielGrafikenLaden(g, ordner, programm.ProgrammSpiel.Spiel);
//   the overview callback:       umgebung.UebersichtAktualisieren =
//                                    [&](const TUebersichtAenderung& a) {
//                                      UebersichtAktualisieren(g.Uebersicht, programm, kv, a); };
//                                (no context needed; the texture follows at the next frame)
//   resize:                      g.Breite, g.Hoehe = the client size in device pixels (the
//                                logical screen is drawn into g.Lage = Bildlage(g.Breite, g.Hoehe))
//   paint (context current):     BildZeichnen(g, programm, kv, tickzahl); then swap buffers
//   destruction (context current): GrafikAufloesen(g);
//
// Without a window (tests, snapshots): OffscreenAnlegen makes the context and a framebuffer of
// the client size; OffscreenLesen reads a frame back.
#include "render/bild.h"
#include "render/grafik.h"
#include "render/grafikgruppen.h"
#include "render/offscreen.h"
#include "render/schrift.h"
#include "render/textur.h"
#include "render/uebersicht.h"
