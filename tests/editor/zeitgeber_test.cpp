#include <gtest/gtest.h>

#include <vector>

#include "editor_hilfe.h"

TEST(Zeitgeber, FramesArePacedWithoutScrolling) {
  TTestEditor t;
  t.Programm.Maus.Ort = {800, 600};
  std::vector<int> mitBild;
  for (int tick = 1; tick <= 13; ++tick) {
    const int vorher = t.Bilder;
    Zeittakt(t.E);
    if (t.Bilder != vorher) mitBild.push_back(tick);
  }
  EXPECT_EQ(mitBild, (std::vector<int>{3, 5, 8, 10, 13}));
}

TEST(Zeitgeber, EdgeScrollingMargins) {
  TTestEditor t(100, 100);
  TPunkt& position = t.Programm.ProgrammSpiel.Position;
  auto schritt = [&](TPunkt maus) {
    position = {50, 50};
    t.Programm.Maus.Ort = maus;
    const int bilder = t.Bilder;
    Zeittakt(t.E);
    EXPECT_EQ(t.Bilder, bilder + (position == TPunkt{50, 50} ? t.Bilder - bilder : 1));
    return TPunkt{position.x - 50, position.y - 50};
  };
  EXPECT_EQ(schritt({5, 600}), (TPunkt{-2, 0}));
  EXPECT_EQ(schritt({1590, 1195}), (TPunkt{2, 2}));
  EXPECT_EQ(schritt({20, 600}), (TPunkt{0, 0}));
  EXPECT_EQ(schritt({19, 600}), (TPunkt{-2, 0}));
  EXPECT_EQ(schritt({1581, 600}), (TPunkt{2, 0}));
  EXPECT_EQ(schritt({1580, 600}), (TPunkt{0, 0}));
  EXPECT_EQ(schritt({800, 1180}), (TPunkt{0, 0}));
  EXPECT_EQ(schritt({800, 1181}), (TPunkt{0, 2}));
}

TEST(Zeitgeber, ScrollingDrawsEveryTickAndStopsAtTheEdge) {
  TTestEditor t(30, 20);
  TPunkt& position = t.Programm.ProgrammSpiel.Position;
  position = {3, 18};
  t.Programm.Maus.Ort = {5, 1195};
  for (int i = 0; i < 10; ++i) {
    const int bilder = t.Bilder;
    Zeittakt(t.E);
    EXPECT_EQ(t.Bilder, bilder + 1);
  }
  EXPECT_EQ(position, (TPunkt{0, 19}));
  // The accumulator fell below zero; frames pause until it has recovered.
  EXPECT_EQ(t.Programm.Bildmarke, -3000);
  t.Programm.Maus.Ort = {800, 600};
  const int bilder = t.Bilder;
  for (int i = 0; i < 15; ++i)
    Zeittakt(t.E);
  EXPECT_EQ(t.Bilder, bilder);
  // Each scroll tick also updates the overview's view frame, and only that.
  ASSERT_FALSE(t.Uebersichten.empty());
  EXPECT_FALSE(t.Uebersichten.back().Alles);
  EXPECT_TRUE(t.Uebersichten.back().Bereiche.empty());
}
