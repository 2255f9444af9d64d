#pragma once
// Cell coordinates and the small point and vector operations.
#include <cstdint>
#include <span>
#include <vector>

struct TPunkt {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPunkt&, const TPunkt&) = default;
};
using TFlaeche = std::vector<TPunkt>;

// A direction or position in floating point.
struct TVektor {
  double x = 0;
  double y = 0;
};

// Two integers and a value belonging to them (a cell and its weight, say).
struct TPunktUndWert {
  int32_t x = 0;
  int32_t y = 0;
  double Wert = 0;
};

void Addieren(int32_t& i, int32_t a);
void PunktVerschieben(TPunkt& p, const TPunkt& d);
void PunktVerschiebenUm(TPunkt& p, int32_t dx, int32_t dy);
void PunktMalPunkt(TPunkt& p, const TPunkt& f);
void Skalieren(double& w, double f);
void VektorMalVektor(TVektor& v, const TVektor& f);
// i becomes the larger of i and a.
void Mindestens(int32_t& i, int32_t a);
// i becomes the smaller of i and a.
void Hoechstens(int32_t& i, int32_t a);
void PunktSetzen(int32_t x, int32_t y, TPunkt& p);
void PunktUndWert(TPunktUndWert& r, int32_t x, int32_t y, double wert);
bool PunkteGleich(const TPunkt& a, const TPunkt& b);
// Euclidean distance in cells.
double Abstand(const TPunkt& a, const TPunkt& b);
double AbstandXY(double x1, double y1, double x2, double y2);
double Laenge(double x, double y);
// a * c + b * d
double Skalarprodukt(double a, double b, double c, double d);
// Angle in degrees (0 ... 180) between (a, b) and (c, d); 0 when either has length 0.
double Winkel(double a, double b, double c, double d);
// Angle in degrees between the vectors q and p.
double WinkelZwischen(const TPunkt& p, const TPunkt& q);
// Angle at p between the directions to a and to b.
double WinkelAmPunkt(const TPunkt& p, const TPunkt& a, const TPunkt& b);
// Distance of a from the straight line through p and q (Heron's formula; for p = q the
// divisor is 1).
double AbstandVonGerade(const TPunkt& p, const TPunkt& a, const TPunkt& q);
// v turned counter-clockwise by winkel degrees.
void Drehen(const TVektor& v, double winkel, TVektor& ergebnis);
// Sets elements 0 ... letzterIndex to wert (never past the end of speicher).
void Fuellen(std::span<uint8_t> speicher, int32_t letzterIndex, uint8_t wert);
void Fuellen(std::span<int32_t> speicher, int32_t letzterIndex, int32_t wert);
