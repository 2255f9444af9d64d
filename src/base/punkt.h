#pragma once
// Cell coordinates and the small point and vector operations.
#include <cstdint>
#include <vector>

struct TPunkt {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPunkt&, const TPunkt&) = default;
};
using TFlaeche = std::vector<TPunkt>;
