#pragma once
// Between the editor's map and the scenario record: terrain and the active start positions.
#include "model/spiel.h"
#include "model/szenario.h"

// Fills s from the map of kv (texts empty, Geladen clear). Start positions are the cells whose
// first start-position state is active, ordered by player number (equal numbers in the order
// x outer, y inner); a player number itself is not kept: the i-th position belongs to player i.
// Returns false (s is then empty) when memory runs out.
bool SzenarioAusKarte(TSzenario& s, const TKV& kv);
// Rebuilds the map of kv from s: the ten map values, the terrain, and one active start position
// per listed point (player = its index). Points off the map and second points on a cell are
// dropped. Returns false (the map is then empty) when memory runs out.
bool KarteAusSzenario(TKV& kv, const TSzenario& s);
