#pragma once
// Reading and changing the states on a map cell. The point must lie on the map; callers test it
// first. States are never removed: removing a start position clears its active bit.
#include <cstdint>

#include "base/punkt.h"
#include "model/karte.h"

void ZustandLeeren(TFeldZustand& zustand);
// Appends a cleared state of this kind; returns its index.
int32_t ZustandHinzufuegen(TKarte& karte, TPunkt p, uint8_t art);
// True if any state of the cell, active or not, has this kind.
bool HatZustand(const TKarte& karte, TPunkt p, uint8_t art);
// Index of the first state of this kind; appends one when the cell has none.
int32_t ZustandIndex(TKarte& karte, TPunkt p, uint8_t art);
bool ZustandGueltig(const TKarte& karte, TPunkt p, int32_t index);
bool ZustandAktivAn(const TKarte& karte, TPunkt p, int32_t index);
// With nurVorhandene and no such state: false. Otherwise the active bit of ZustandIndex's state
// (which may append one).
bool ZustandAktiv(TKarte& karte, TPunkt p, uint8_t art, bool nurVorhandene);
// Clears the active bit of ZustandIndex's state; returns that index.
int32_t ZustandDeaktivieren(TKarte& karte, TPunkt p, uint8_t art);
