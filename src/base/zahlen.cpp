#include "base/zahlen.h"

#include <cmath>
#include <limits>

namespace {

// Rounds half to even (the default rounding mode) and holds the result inside 32 bits, so that
// huge or undefined values never turn into undefined behaviour.
int32_t RundenGehalten(double x) {
  if (std::isnan(x)) return 0;
  double r = std::nearbyint(x);
  if (r >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

} // namespace

uint64_t Potenz(int32_t basis, uint32_t exponent) {
  const uint64_t b = static_cast<uint64_t>(static_cast<int64_t>(basis));
  uint64_t ergebnis = 1;
  for (uint32_t i = 0; i < exponent; ++i)
    ergebnis *= b;
  return ergebnis;
}

int32_t PotenzAnpassen(uint8_t basis, int32_t wert, uint8_t modus) {
  if (wert <= 1 || basis <= 1) return 0;
  double e = std::log(static_cast<long double>(wert)) / std::log(static_cast<long double>(basis));
  if (modus == 0) {
    e = std::ceil(e);
  } else if (modus == 1) {
    e = std::floor(e);
  }
  const double gerundet = std::nearbyint(e);
  const uint32_t exponent = gerundet < 0 ? 0 : static_cast<uint32_t>(gerundet);
  return static_cast<int32_t>(static_cast<uint32_t>(Potenz(basis, exponent)));
}

int32_t AufStellenRunden(uint8_t stellen, double x) {
  const double q = std::pow(10.0, stellen);
  return RundenGehalten(std::nearbyint(x / q) * q);
}

int32_t Stellenzahl(uint32_t wert) {
  int32_t k = 0;
  for (uint64_t zehner = 1; zehner <= wert; zehner *= 10)
    ++k;
  return k;
}

TText ZahlText(uint32_t wert, uint8_t breite) {
  TText text = std::to_string(wert);
  if (text.size() < breite) text.insert(0, breite - text.size(), '0');
  return text;
}

TText Anzahltext(int32_t n, const TText& wort, const TText& endung) {
  TText text = std::to_string(n) + " " + wort;
  if (n != 1) text += endung;
  return text;
}

bool Wahrheitswert(int32_t i) {
  return i >= 1;
}

int32_t Vorzeichen(bool b) {
  return b ? 1 : -1;
}

int32_t Ganzzahl(bool b) {
  return b ? 1 : 0;
}

int32_t Teilen(int32_t& zahl, int32_t teiler) {
  if (teiler == 0) return 0;
  if (teiler == -1) {
    // -INT32_MIN does not exist; the quotient wraps like every other 32-bit result.
    const int32_t quotient = static_cast<int32_t>(0u - static_cast<uint32_t>(zahl));
    zahl = 0;
    return quotient;
  }
  const int32_t quotient = zahl / teiler;
  zahl = zahl % teiler;
  return quotient;
}

int32_t Zwischenwert(int32_t a, int32_t b, int32_t c, int32_t d) {
  const double c1 = c < d ? c : d;
  const double d1 = d > 1 ? d : 1;
  return RundenGehalten(a - c1 / d1 * (static_cast<double>(a) - static_cast<double>(b)));
}
