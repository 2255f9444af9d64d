#pragma once
// Keeping the drawing records, the start-position list and the overview in step with the map.
#include "editor/umgebung.h"

// Brings the drawing records to the size of the current map (before a rebuild over a map of
// another size).
void ProgrammfelderAnpassen(TEditor& e);
// Refreshes the drawing records and the start-position list after the map changed, and brings
// the overview up to date. Only the parts of the map that changed since the last rebuild are
// looked at again.
void KarteNeuAufbauen(TEditor& e);
// Forgets the map of the last rebuild, so the next KarteNeuAufbauen looks at the whole map.
void ProgrammfelderVergessen(TProgramm& programm);
// Passes a change to the overview when aoUebersicht is on; otherwise remembers that the image
// is stale.
void UebersichtMelden(TEditor& e, TUebersichtAenderung aenderung);
// The overview after a change of the view only (position or zoom).
void UebersichtAktualisieren(TEditor& e);
