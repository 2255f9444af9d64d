#include "base/zufall.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

namespace {

std::mt19937_64& Quelle() {
  static std::mt19937_64 quelle(20240601);
  return quelle;
}

} // namespace

void ZufallsquelleStarten() {
  // Nanosecond clock plus a counter: two seedings within the same tick still differ.
  static uint64_t zaehler = 0;
  const uint64_t zeit =
      static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  ZufallsquelleSetzen(zeit ^ (++zaehler * 0x9E3779B97F4A7C15ull));
}

void ZufallsquelleSetzen(uint64_t saat) {
  Quelle().seed(saat);
}

int32_t Zufall(int32_t n) {
  if (n <= 1) return 0;
  return std::uniform_int_distribution<int32_t>(0, n - 1)(Quelle());
}

void ZufallInitialisieren(TZufallsgenerator& g) {
  ZufallsquelleStarten();
  g.Saat = Zufall(1000000000);
  g.Faktor = Zufall(31623);
  g.Summand = Zufall(1000000000);
  g.Modul = 500000000 + Zufall(500000000);
}

int32_t Zufallszahl(TZufallsgenerator& g, int32_t n) {
  if (g.Modul == 0) return 0;
  const uint32_t schritt = static_cast<uint32_t>(g.Saat) * static_cast<uint32_t>(g.Faktor) +
                           static_cast<uint32_t>(g.Summand);
  const uint32_t saat = schritt % static_cast<uint32_t>(g.Modul);
  g.Saat = static_cast<int32_t>(saat);
  if (n <= 1) return 0;
  // Taken unsigned: a Modul above 2^31 must not yield a negative result.
  return static_cast<int32_t>(saat % static_cast<uint32_t>(n));
}

int32_t Summe(std::span<const int32_t> w, int32_t h) {
  const int64_t letzter = std::min<int64_t>(h, static_cast<int64_t>(w.size()) - 1);
  uint32_t summe = 0;
  for (int64_t i = 0; i <= letzter; ++i)
    summe += static_cast<uint32_t>(w[i]);
  return static_cast<int32_t>(summe);
}

int32_t GewichteteWahl(TZufallsgenerator& g, std::span<const int32_t> w, int32_t h) {
  const int32_t letzter =
      static_cast<int32_t>(std::min<int64_t>(h, static_cast<int64_t>(w.size()) - 1));
  if (letzter < 0) return 0;
  int64_t r = static_cast<int64_t>(Zufallszahl(g, Summe(w, letzter))) + 1;
  int32_t i = 0;
  for (;; ++i) {
    r -= w[i];
    if (r <= 0 || i == letzter) break;
  }
  return i;
}

void RangSortieren(bool aufsteigend, int32_t anzahl, std::span<TPunkt> a, int32_t letzter) {
  const int64_t n = std::min({static_cast<int64_t>(anzahl), static_cast<int64_t>(letzter) + 1,
                              static_cast<int64_t>(a.size())});
  if (n <= 1) return;
  // Each element goes to the place given by the number of smaller keys; equal keys take the
  // following places in their input order. That is exactly a stable sort, which scales to the
  // many start positions a large map can hold.
  std::stable_sort(a.begin(), a.begin() + n, [aufsteigend](const TPunkt& l, const TPunkt& r) {
    return aufsteigend ? l.y < r.y : l.y > r.y;
  });
}
