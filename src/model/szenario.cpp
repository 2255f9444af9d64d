#include "model/szenario.h"

#include <algorithm>

void SzenarioLeeren(TSzenario& s) {
  for (TText& text : s.Texte)
    text.clear();
  std::fill(std::begin(s.Reserve), std::end(s.Reserve), 0);
  s.Geladen = 0;
  s.Zellen = TSzenarioFelder{};
  s.Startpunkte = TFlaeche{};
}
