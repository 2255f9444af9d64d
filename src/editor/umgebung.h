#pragma once
// What the editor core needs from the window around it. The editor window fills these in;
// tests and the command-line tools put their own in. Every member may be left empty.
#include <cstdint>
#include <functional>
#include <vector>

#include "editor/programm.h"
#include "model/karte.h"
#include "model/spiel.h"

// What changed since the overview image was last brought up to date.
struct TUebersichtAenderung {
  // The whole image must be built anew (new map, other size, or changes missed while the
  // overview was switched off).
  bool Alles = false;
  // Otherwise the rectangles of cells whose colour or start position may have changed; empty
  // when only the view frame moved. Start markers reach past their cell: a renderer that
  // redraws only parts widens these by the marker margin.
  std::vector<TKartenbereich> Bereiche;
};

struct TEditorUmgebung {
  std::function<void()> BildZeichnen; // draw one frame
  // Rebuild the overview image; called only while aoUebersicht is on.
  std::function<void(const TUebersichtAenderung&)> UebersichtAktualisieren;
  std::function<void()> SzenarioSpeichern;   // the set-up dialog's save action
  std::function<void()> EditorSchliessen;    // close the editor window, show the set-up dialog
  std::function<uint32_t()> Tickzahl;        // the system's millisecond tick count
  std::function<bool()> LinkeTasteGedrueckt; // the left mouse button is down right now
  // The middle one (empty: taken as down).
  std::function<bool()> MittlereTasteGedrueckt;
  // Around work that may take longer than a tenth of a second (a fill or mirroring on a large
  // map): the window shows the busy cursor meanwhile and afterwards drops the input that piled
  // up, so that it does not replay as a burst of presses. Always called in pairs.
  std::function<void()> ArbeitBeginnt;
  std::function<void()> ArbeitEndet;
};

// The three records an editor operation works on. The program owns them; a test makes its own.
struct TEditor {
  TProgramm& Programm;
  TKV& KV;
  const TEditorUmgebung& Umgebung;
};

// Draws a frame through the window (nothing when it has no drawing).
inline void BildAnfordern(const TEditor& e) {
  if (e.Umgebung.BildZeichnen) e.Umgebung.BildZeichnen();
}
