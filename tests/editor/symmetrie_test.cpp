#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "editor/symmetrie.h"
#include "editor_hilfe.h"

namespace {

using TZellen = std::set<std::pair<int32_t, int32_t>>;

TZellen Bilder(const TTestEditor& t, uint8_t symmetrie, uint8_t art, TPunkt c) {
  TPunkt z[4];
  const int32_t n = Symmetriebilder(t.KV, symmetrie, art, c, z);
  TZellen zellen;
  for (int32_t i = 0; i < n; ++i)
    zellen.insert({z[i].x, z[i].y});
  EXPECT_EQ(zellen.size(), static_cast<std::size_t>(n)) << "cells listed twice";
  return zellen;
}

TZellen Bemalt(const TTestEditor& t, uint8_t gelaende) {
  TZellen zellen;
  for (int32_t x = 0; x < t.KV.Karte.Breite; ++x)
    for (int32_t y = 0; y < t.KV.Karte.Hoehe; ++y)
      if (t.G(x, y) == gelaende) zellen.insert({x, y});
  return zellen;
}

} // namespace

TEST(Symmetrie, ImagesAtEdgesOddSidesAndWrapping) {
  TTestEditor t(9, 7);
  EXPECT_EQ(Bilder(t, syVierfach, 0, {0, 0}), (TZellen{{0, 0}, {8, 0}, {0, 6}, {8, 6}}));
  // The centre column and row of odd sides are their own images.
  EXPECT_EQ(Bilder(t, syVierfach, 0, {4, 1}), (TZellen{{4, 1}, {4, 5}}));
  EXPECT_EQ(Bilder(t, syHalbdrehung, 0, {4, 3}), (TZellen{{4, 3}}));
  EXPECT_EQ(Bilder(t, sySpiegelung, 1, {2, 3}), (TZellen{{2, 3}}));
  EXPECT_EQ(Bilder(t, syAus, 0, {2, 3}), (TZellen{{2, 3}}));
  // Across a diagonal the image of (8, 2) is (2, 8), below a map 7 high: skipped.
  EXPECT_EQ(Bilder(t, sySpiegelung, 2, {8, 2}), (TZellen{{8, 2}}));
  EXPECT_EQ(Bilder(t, sySpiegelung, 3, {8, 1}), (TZellen{{8, 1}, {7, 0}}));
  // A click beside a map that does not wrap has no images on it.
  EXPECT_EQ(Bilder(t, syVierfach, 0, {-2, 3}), (TZellen{{-2, 3}}));

  TTestEditor w(10, 6, 0, true);
  EXPECT_EQ(Bilder(w, sySpiegelung, 0, {-1, 2}), (TZellen{{-1, 2}, {0, 2}}));
  EXPECT_EQ(Bilder(w, sySpiegelung, 0, {4, 2}), (TZellen{{4, 2}, {5, 2}}));
  EXPECT_EQ(Bilder(w, sySpiegelung, 2, {8, 2}), (TZellen{{8, 2}, {2, 2}}));
  // The image of a click across the edge is the click's own cell on the ring: not twice.
  EXPECT_EQ(Bilder(w, sySpiegelung, 2, {12, 2}), (TZellen{{12, 2}}));
}

TEST(Symmetrie, KeyYCyclesAndAPressPaintsAllImagesUnderOneUndo) {
  TTestEditor t(9, 7);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  EXPECT_EQ(ps.Symmetrie, syAus);
  t.Taste(vkY);
  EXPECT_EQ(ps.Symmetrie, sySpiegelung);
  EXPECT_EQ(t.Meldung(), "Symmetrie: gespiegelt");
  t.Taste(vkY);
  t.Taste(vkY);
  EXPECT_EQ(ps.Symmetrie, syVierfach);

  ps.Gelaende = 2;
  ps.Groesse = 1;
  t.Druecken({1, 1});
  EXPECT_EQ(Bemalt(t, 2).size(), 36u); // four 3 x 3 squares
  ps.Gelaende = 5;
  ps.Werkzeug = wzAusfuellen;
  ps.Groesse = 0;
  t.Druecken({0, 0}); // the first square's fill reaches no other square: each is filled
  EXPECT_EQ(Bemalt(t, 5).size(), 36u);
  t.Taste(vkZ);
  EXPECT_EQ(Bemalt(t, 2).size(), 36u);
  EXPECT_TRUE(Bemalt(t, 5).empty());

  // Start positions stay single.
  ps.Modus = moStartpositionen;
  t.Druecken({1, 1});
  EXPECT_EQ(ps.Speicher.Startpositionen.size(), 1u);

  t.Taste(vkY);
  EXPECT_EQ(ps.Symmetrie, syAus);
  EXPECT_EQ(t.Meldung(), "Symmetrie aus");
}
