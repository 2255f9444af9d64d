#include "scenario/geometrie.h"

#include <algorithm>
#include <cmath>

#include "model/einstellungen.h"
#include "model/tabellen.h"

namespace {

// x mod seite into 0 ... seite - 1; 64-bit so that no sum can overflow.
int32_t Einwickeln(int32_t x, int32_t seite) {
  if (seite <= 0) return x;
  const int64_t s = seite;
  return static_cast<int32_t>((s + static_cast<int64_t>(x) % s) % s);
}

int32_t Saettigen(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

double Strecke(int64_t dx, int64_t dy) {
  const double fx = static_cast<double>(dx);
  const double fy = static_cast<double>(dy);
  return std::sqrt(fx * fx + fy * fy);
}

} // namespace

TPunkt Punkt(int32_t x, int32_t y) {
  return TPunkt{x, y};
}

TRechteck Rechteck(TPunkt a, TPunkt b) {
  return TRechteck{a.x, a.y, b.x, b.y};
}

void Umbrechen(const TKarte& karte, TPunkt& p) {
  p.x = Einwickeln(p.x, karte.Breite);
  p.y = Einwickeln(p.y, karte.Hoehe);
}

void Umbrechen(const TKV& kv, TPunkt& p) {
  Umbrechen(kv.Karte, p);
}

bool AufKarte(const TKV& kv, TPunkt& p) {
  if (KarteUmbrechend(kv.Einstellungen)) Umbrechen(kv.Karte, p);
  return p.x >= 0 && p.x < kv.Karte.Breite && p.y >= 0 && p.y < kv.Karte.Hoehe;
}

void Begrenzen(const TKV& kv, TPunkt& p) {
  // Side - 1 in 64 bits: a side of INT32_MIN (a damaged record) must not overflow.
  if (p.x < 0) p.x = 0;
  if (p.x >= kv.Karte.Breite) p.x = Saettigen(int64_t{kv.Karte.Breite} - 1);
  if (p.y < 0) p.y = 0;
  if (p.y >= kv.Karte.Hoehe) p.y = Saettigen(int64_t{kv.Karte.Hoehe} - 1);
}

double Entfernung(const TKV& kv, TPunkt a, TPunkt b) {
  const int64_t dx = static_cast<int64_t>(b.x) - a.x;
  const int64_t dy = static_cast<int64_t>(b.y) - a.y;
  double kuerzeste = Strecke(dx, dy);
  if (KarteUmbrechend(kv.Einstellungen)) {
    // The eight copies of b in the neighbouring map copies.
    for (int i = 1; i <= 8; ++i) {
      const double d = Strecke(dx + static_cast<int64_t>(Nachbarn[i].dx) * kv.Karte.Breite,
                               dy + static_cast<int64_t>(Nachbarn[i].dy) * kv.Karte.Hoehe);
      kuerzeste = std::min(kuerzeste, d);
    }
  }
  return kuerzeste;
}

bool InReichweite(const TKV& kv, TPunkt a, TPunkt b, int32_t reichweite) {
  return Entfernung(kv, a, b) <= reichweite / 100.0;
}

TRechteck Reichweitenrechteck(const TKV& kv, TPunkt p, int32_t reichweite) {
  const int64_t r = reichweite / 100;
  int64_t links = p.x - r, oben = p.y - r, rechts = p.x + r, unten = p.y + r;
  if (!KarteUmbrechend(kv.Einstellungen)) {
    links = std::max<int64_t>(links, 0);
    oben = std::max<int64_t>(oben, 0);
    rechts = std::min<int64_t>(rechts, static_cast<int64_t>(kv.Karte.Breite) - 1);
    unten = std::min<int64_t>(unten, static_cast<int64_t>(kv.Karte.Hoehe) - 1);
  }
  return TRechteck{Saettigen(links), Saettigen(oben), Saettigen(rechts), Saettigen(unten)};
}
