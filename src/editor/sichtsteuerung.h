#pragma once
// Steering the view with the mouse as desktop programs do: the wheel zooms at the pointer or
// scrolls sideways; a drag with the middle button, or with the left one while Space is held,
// moves the view with the pointer.
#include <cstdint>

#include "base/punkt.h"
#include "editor/umgebung.h"

// Columns one notch of the wheel scrolls sideways.
constexpr int32_t Radspalten = 3;

// rasten notches of the wheel at logical point p, positive away from the user. Over the map view
// each notch zooms one step (in for positive), stopping at the nearest and the farthest step, and
// the cell under p stays under p. With Shift in the shift-state byte umschalt, or for a wheel
// turned sideways (waagerecht), the view scrolls Radspalten columns a notch instead (positive
// to the left). Elsewhere the wheel does nothing. A changed view is drawn at once.
void Mausrad(TEditor& e, TPunkt p, int32_t rasten, uint8_t umschalt, bool waagerecht = false);

// Zooms to zoomstufe (held within the zoom steps) so that the map cell under q, a point relative
// to the map view, stays under it; on a wrapping map the view position is wrapped into the map.
void ZoomAmPunkt(TProgramm& programm, const TKV& kv, TPunkt q, int32_t zoomstufe);

// Moves the view position along one axis by schritt cells: around the ring on a wrapping map of
// seite cells; otherwise no further past the edges than the margins the arrow keys keep (the
// view's half width halb decides), and a position already past them moves only back.
void SichtAchseVerschieben(int32_t& wert, int32_t schritt, int32_t seite, int32_t halb,
                           bool umbrechend);

// Panning, called by the mouse handlers. A press of the middle button, or of the left one with
// Space held, over the map view starts it; until that button is released the view follows the
// pointer (a cell for each cell width it moves) and no other button acts. Each returns true when
// it took the event, which then does nothing else.
bool VerschiebenBeginnen(TEditor& e, TPunkt p, int32_t taste, uint8_t bereich);
bool VerschiebenBeenden(TEditor& e, int32_t taste);
bool Verschieben(TEditor& e, TPunkt p);
