#include "base/punkt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// 32-bit sums and products wrap instead of overflowing into undefined behaviour.
int32_t Plus(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t Mal(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

} // namespace

void Addieren(int32_t& i, int32_t a) {
  i = Plus(i, a);
}

void PunktVerschieben(TPunkt& p, const TPunkt& d) {
  p.x = Plus(p.x, d.x);
  p.y = Plus(p.y, d.y);
}

void PunktVerschiebenUm(TPunkt& p, int32_t dx, int32_t dy) {
  p.x = Plus(p.x, dx);
  p.y = Plus(p.y, dy);
}

void PunktMalPunkt(TPunkt& p, const TPunkt& f) {
  p.x = Mal(p.x, f.x);
  p.y = Mal(p.y, f.y);
}

void Skalieren(double& w, double f) {
  w *= f;
}

void VektorMalVektor(TVektor& v, const TVektor& f) {
  v.x *= f.x;
  v.y *= f.y;
}

void Mindestens(int32_t& i, int32_t a) {
  i = std::max(i, a);
}

void Hoechstens(int32_t& i, int32_t a) {
  i = std::min(i, a);
}

void PunktSetzen(int32_t x, int32_t y, TPunkt& p) {
  p.x = x;
  p.y = y;
}

void PunktUndWert(TPunktUndWert& r, int32_t x, int32_t y, double wert) {
  r.x = x;
  r.y = y;
  r.Wert = wert;
}

bool PunkteGleich(const TPunkt& a, const TPunkt& b) {
  return a.x == b.x && a.y == b.y;
}

double Abstand(const TPunkt& a, const TPunkt& b) {
  // Summed in floating point: the squares of far-apart points overflow 32 (and even 64) bits,
  // and below 2^53 the sum is exact all the same.
  const double dx = static_cast<double>(a.x) - b.x;
  const double dy = static_cast<double>(a.y) - b.y;
  return std::sqrt(dx * dx + dy * dy);
}

double AbstandXY(double x1, double y1, double x2, double y2) {
  return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

double Laenge(double x, double y) {
  return std::sqrt(x * x + y * y);
}

double Skalarprodukt(double a, double b, double c, double d) {
  return a * c + b * d;
}

double Winkel(double a, double b, double c, double d) {
  const double laengen = Laenge(a, b) * Laenge(c, d);
  if (laengen == 0) return 0;
  // Rounding can push the cosine of (anti)parallel vectors just past +-1.
  const double cosinus = std::clamp(Skalarprodukt(a, b, c, d) / laengen, -1.0, 1.0);
  const double w = std::acos(cosinus);
  if (std::isnan(w)) return 0;
  return w * 360 / 2 / std::numbers::pi;
}

double WinkelZwischen(const TPunkt& p, const TPunkt& q) {
  return Winkel(q.y, q.x, p.y, p.x);
}

double WinkelAmPunkt(const TPunkt& p, const TPunkt& a, const TPunkt& b) {
  // Differences in floating point: they cannot wrap.
  const double ax = static_cast<double>(p.x) - a.x, ay = static_cast<double>(p.y) - a.y;
  const double bx = static_cast<double>(p.x) - b.x, by = static_cast<double>(p.y) - b.y;
  return Winkel(ay, ax, by, bx);
}

double AbstandVonGerade(const TPunkt& p, const TPunkt& a, const TPunkt& q) {
  const double s1 = Abstand(a, q);
  const double s2 = Abstand(p, a);
  const double s3 = Abstand(q, p);
  const double s = (s1 + s2 + s3) / 2;
  return 2 * std::sqrt(std::fabs(s * (s - s1) * (s - s2) * (s - s3))) / std::max(s3, 1.0);
}

void Drehen(const TVektor& v, double winkel, TVektor& ergebnis) {
  const double alpha = winkel * std::numbers::pi / 180;
  const double x = v.x * std::cos(alpha) - v.y * std::sin(alpha);
  const double y = v.x * std::sin(alpha) + v.y * std::cos(alpha);
  ergebnis.x = x;
  ergebnis.y = y;
}

namespace {

template <typename T> void FuellenBis(std::span<T> speicher, int32_t letzterIndex, T wert) {
  if (letzterIndex < 0) return;
  const std::size_t anzahl = std::min(speicher.size(), static_cast<std::size_t>(letzterIndex) + 1);
  std::fill_n(speicher.begin(), anzahl, wert);
}

} // namespace

void Fuellen(std::span<uint8_t> speicher, int32_t letzterIndex, uint8_t wert) {
  FuellenBis(speicher, letzterIndex, wert);
}

void Fuellen(std::span<int32_t> speicher, int32_t letzterIndex, int32_t wert) {
  FuellenBis(speicher, letzterIndex, wert);
}
