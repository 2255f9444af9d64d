#pragma once
// The editing history: every action of the user that changed the game record is one step that
// can be undone and redone. It also knows whether the map has changes that were not saved.
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
// While an action is open, further calls add to it (a drag stroke is one action). Nothing is
// taken while voZurueck is off.
void AktionBeginnen(TEditor& e, uint8_t art);
// Closes the open action: when the game record now differs from its start, the action becomes
// the newest step, the steps ahead are dropped and the oldest go while the steps hold more than
// the budget. Returns whether a step was added.
bool AktionBeenden(TEditor& e);
// Whether an action is open.
bool AktionOffen(const TProgramm& programm);
// Steps back or forward one step (closing an open action first), restoring the game record and
// bringing the drawing records to its size; false when there is no step that way. art (when
// given) receives the step's kind. The caller rebuilds.
bool Zuruecknehmen(TEditor& e, uint8_t* art = nullptr);
bool Wiederholen(TEditor& e, uint8_t* art = nullptr);
// Forgets every step (a new map starts an empty history); the budget stays.
void VerlaufLeeren(TProgramm& programm);
// Steps that can be undone, and redone.
std::size_t SchritteZurueck(const TProgramm& programm);
std::size_t SchritteVor(const TProgramm& programm);
// The budget in bytes; the oldest steps go at once when they hold more.
void VerlaufsbudgetSetzen(TProgramm& programm, std::size_t bytes);
// The bytes the steps hold beyond the map itself: blocks shared with the map or between steps
// count once.
std::size_t VerlaufBelegt(const TProgramm& programm);

// Remembers the map of kv as saved (it was just built, opened or saved).
void KarteGesichert(TProgramm& programm, const TKV& kv);
// Forgets the saved state: the map counts as unsaved until it is saved.
void GesichertVergessen(TProgramm& programm);
// Whether the map of kv differs from the one last built, opened or saved (a map never marked
// counts as changed when it has cells).
bool UngesicherteAenderungen(const TProgramm& programm, const TKV& kv);
