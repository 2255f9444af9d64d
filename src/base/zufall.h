#pragma once
// The program's own linear congruential generator, the process-wide standard random source,
// weighted choice and the stable rank sort.
#include <cstdint>

struct TZufallsgenerator {
  int32_t Saat = 0;
  int32_t Faktor = 0;
  int32_t Summand = 0;
  int32_t Modul = 0;
};
