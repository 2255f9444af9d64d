#pragma once
// The drawing primitives that every layer of a frame shares. All of them draw at z = 0 of the
// current modelview translation, in logical screen units.

// One rectangle to draw, with the part of the bound texture it shows (u left, u right, v top,
// v bottom). Elements overwrite it before each use.
struct TBildflaeche {
  double Breite = 0;
  double Hoehe = 0;
  double ULinks = 0;
  double URechts = 1;
  double VOben = 0;
  double VUnten = 1;
};

// A filled quad (0, 0) - (breite, hoehe) in the current colour.
void Viereck(double breite, double hoehe);
// The same four corners as a closed line of the given width.
void Umriss(double linienbreite, double breite, double hoehe);
// A filled quad of the record's size showing the record's part of the bound texture.
void Kachel(const TBildflaeche& f);
void KachelUmriss(const TBildflaeche& f, double linienbreite);
// Outline colour: 0.1 grey for fields that are not chosen, white for the chosen one.
void Umrissfarbe(bool gedimmt);
