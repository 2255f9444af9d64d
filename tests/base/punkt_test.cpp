#include "base/punkt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Punkt, VerschiebenUndVervielfachen) {
  TPunkt p;
  PunktSetzen(3, -4, p);
  EXPECT_EQ(p, (TPunkt{3, -4}));
  PunktVerschieben(p, {10, 20});
  EXPECT_EQ(p, (TPunkt{13, 16}));
  PunktVerschiebenUm(p, -13, 1);
  EXPECT_EQ(p, (TPunkt{0, 17}));
  PunktMalPunkt(p, {5, 2});
  EXPECT_EQ(p, (TPunkt{0, 34}));
  EXPECT_TRUE(PunkteGleich(p, {0, 34}));
  EXPECT_FALSE(PunkteGleich(p, {34, 0}));

  int32_t i = std::numeric_limits<int32_t>::max();
  Addieren(i, 1); // wraps like every 32-bit sum
  EXPECT_EQ(i, std::numeric_limits<int32_t>::min());
  i = 5;
  Mindestens(i, 7);
  EXPECT_EQ(i, 7);
  Mindestens(i, 2);
  EXPECT_EQ(i, 7);
  Hoechstens(i, 3);
  EXPECT_EQ(i, 3);
  Hoechstens(i, 9);
  EXPECT_EQ(i, 3);

  double w = 2.5;
  Skalieren(w, 4);
  EXPECT_DOUBLE_EQ(w, 10);
  TVektor v{1.5, -2};
  VektorMalVektor(v, {2, 3});
  EXPECT_DOUBLE_EQ(v.x, 3);
  EXPECT_DOUBLE_EQ(v.y, -6);
  TPunktUndWert r;
  PunktUndWert(r, 4, 5, 0.25);
  EXPECT_EQ(r.x, 4);
  EXPECT_EQ(r.y, 5);
  EXPECT_DOUBLE_EQ(r.Wert, 0.25);
}

TEST(Punkt, Abstaende) {
  EXPECT_DOUBLE_EQ(Abstand({0, 0}, {3, 4}), 5);
  EXPECT_DOUBLE_EQ(Abstand({-1, 7}, {-1, 7}), 0);
  // Far-apart points: the squares would overflow 32 bits.
  EXPECT_DOUBLE_EQ(Abstand({-2000000000, 0}, {2000000000, 0}), 4e9);
  EXPECT_DOUBLE_EQ(Abstand({0, 0}, {50000, 50000}), std::sqrt(5e9));
  EXPECT_DOUBLE_EQ(AbstandXY(1, 1, 4, 5), 5);
  EXPECT_DOUBLE_EQ(Laenge(-3, 4), 5);
  EXPECT_DOUBLE_EQ(Skalarprodukt(1, 2, 3, 4), 11);
}

TEST(Punkt, Winkel) {
  EXPECT_NEAR(Winkel(1, 0, 0, 1), 90, 1e-9);
  EXPECT_NEAR(Winkel(1, 0, -1, 0), 180, 1e-9);
  EXPECT_NEAR(Winkel(2, 2, 5, 0), 45, 1e-9);
  EXPECT_EQ(Winkel(0, 0, 1, 1), 0);
  EXPECT_EQ(Winkel(1, 1, 0, 0), 0);
  // The cosine of these rounds to just beyond -1 and +1; they are still 180 and 0 degrees.
  EXPECT_NEAR(Winkel(-1, -5, 2, 10), 180, 1e-6);
  EXPECT_NEAR(Winkel(1, 5, 2, 10), 0, 1e-6);

  EXPECT_NEAR(WinkelZwischen({1, 0}, {0, 1}), 90, 1e-9);
  EXPECT_NEAR(WinkelZwischen({1, 1}, {1, 0}), 45, 1e-9);
  EXPECT_NEAR(WinkelAmPunkt({0, 0}, {1, 0}, {0, 1}), 90, 1e-9);
  EXPECT_NEAR(WinkelAmPunkt({5, 5}, {6, 5}, {4, 5}), 180, 1e-9);
  EXPECT_EQ(WinkelAmPunkt({5, 5}, {5, 5}, {4, 5}), 0);
}

TEST(Punkt, AbstandVonGerade) {
  EXPECT_NEAR(AbstandVonGerade({0, 0}, {0, 5}, {10, 0}), 5, 1e-9);
  EXPECT_NEAR(AbstandVonGerade({0, 0}, {3, 4}, {10, 0}), 4, 1e-9);
  EXPECT_NEAR(AbstandVonGerade({0, 0}, {7, 0}, {10, 0}), 0, 1e-6);
  // p = q: no division by zero.
  const double d = AbstandVonGerade({2, 2}, {5, 6}, {2, 2});
  EXPECT_TRUE(std::isfinite(d));
  EXPECT_NEAR(d, 0, 1e-9);
}

TEST(Punkt, Drehen) {
  TVektor v;
  Drehen({1, 0}, 90, v);
  EXPECT_NEAR(v.x, 0, 1e-12);
  EXPECT_NEAR(v.y, 1, 1e-12);
  Drehen({2, 1}, 180, v);
  EXPECT_NEAR(v.x, -2, 1e-12);
  EXPECT_NEAR(v.y, -1, 1e-12);
  v = {3, 4};
  Drehen(v, -90, v); // the result may be the vector itself
  EXPECT_NEAR(v.x, 4, 1e-12);
  EXPECT_NEAR(v.y, -3, 1e-12);
}

TEST(Punkt, FuellenBleibtImSpeicher) {
  std::vector<uint8_t> bytes(5, 1);
  Fuellen(bytes, 2, 9);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{9, 9, 9, 1, 1}));
  Fuellen(bytes, 100, 7);
  EXPECT_EQ(bytes, (std::vector<uint8_t>(5, 7)));
  Fuellen(bytes, -1, 0);
  EXPECT_EQ(bytes, (std::vector<uint8_t>(5, 7)));

  std::vector<int32_t> zahlen(4, 0);
  Fuellen(zahlen, 3, -5);
  EXPECT_EQ(zahlen, (std::vector<int32_t>(4, -5)));
  Fuellen(zahlen, 0, 8);
  EXPECT_EQ(zahlen, (std::vector<int32_t>{8, -5, -5, -5}));
}
