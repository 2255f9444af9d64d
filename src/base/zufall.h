#pragma once
// The program's own linear congruential generator, the process-wide standard random source,
// weighted choice and the stable rank sort.
#include <cstdint>
#include <span>

#include "base/punkt.h"

struct TZufallsgenerator {
  int32_t Saat = 0;
  int32_t Faktor = 0;
  int32_t Summand = 0;
  int32_t Modul = 0;
};

// The process-wide standard random source.
// Seeds it from a high-resolution clock (two seedings in a row differ).
void ZufallsquelleStarten();
// Seeds it with a fixed value, so that what follows can be repeated.
void ZufallsquelleSetzen(uint64_t saat);
// Uniform in 0 ... n - 1; 0 when n <= 1.
int32_t Zufall(int32_t n);

// Reseeds the standard source from the clock and draws a fresh generator from it.
void ZufallInitialisieren(TZufallsgenerator& g);
// Advances g by one step and returns its value mod n (0 when n <= 1; the state advances all the
// same). A generator whose Modul is 0 is unusable: it returns 0 and keeps its state.
int32_t Zufallszahl(TZufallsgenerator& g, int32_t n);
// Sum of w[0 ... h] (wrapping; 0 when h < 0; h held at the end of w).
int32_t Summe(std::span<const int32_t> w, int32_t h);
// Index i drawn with probability w[i] / sum among 0 ... h; draws exactly one number from g,
// none when h < 0 (result 0). With all weights 0 the result is h.
int32_t GewichteteWahl(TZufallsgenerator& g, std::span<const int32_t> w, int32_t h);
// Sorts a[0 ... min(anzahl, letzter + 1) - 1] by y, ascending or descending; equal keys keep
// their order.
void RangSortieren(bool aufsteigend, int32_t anzahl, std::span<TPunkt> a, int32_t letzter);
