#pragma once
// The editing history: every action of the user that changed the game record is one step that
// can be undone and redone.
#include <cstdint>

#include "editor/programm.h"
#include "editor/umgebung.h"

// What a step did, named in the status line when it is undone or redone.
enum TSchrittart : uint8_t {
  saPinsel,        // a press or a whole drag stroke of a brush tool
  saFuellen,       // a flood fill or a fill in a circle
  saSpiegelung,    // mirroring the map
  saStartposition, // a start position placed or removed
  saAbbild,        // a memory slot brought back
  saStempel,       // a stamp pressed onto the map
  saAusschneiden,  // the selection cut
  saLoeschen,      // the selection filled with the paint terrain
  saKartengroesse, // the map's size changed or cropped
};
constexpr int Schrittartanzahl = 9;

// The steps' names, [art][language] (Latin-1).
extern const char* const Schrittnamen[Schrittartanzahl][2];

// Opens an action before it changes the game record, which is remembered as the action's start.
// While an action is open, further calls add to it (a drag stroke is one action).
void AktionBeginnen(TEditor& e, uint8_t art);
// Closes the open action: when the game record now differs from its start, the action becomes
// the newest step and the steps ahead are dropped. Returns whether a step was added.
bool AktionBeenden(TEditor& e);
// Steps back or forward one step, restoring the game record and bringing the drawing records to
// its size; false when there is no step that way. The caller rebuilds.
bool Zuruecknehmen(TEditor& e);
bool Wiederholen(TEditor& e);
// Forgets every step (a new map starts an empty history).
void VerlaufLeeren(TProgramm& programm);
// Steps that can be undone, and redone.
std::size_t SchritteZurueck(const TProgramm& programm);
std::size_t SchritteVor(const TProgramm& programm);
