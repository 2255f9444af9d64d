#include "scenario/geometrie.h"

#include <cmath>
#include <gtest/gtest.h>

#include "hilfen.h"
#include "model/einstellungen.h"

namespace {

TEST(Geometrie, PunktUndRechteck) {
  EXPECT_EQ(Punkt(3, -4), (TPunkt{3, -4}));
  EXPECT_EQ(Rechteck(Punkt(1, 2), Punkt(5, 6)), (TRechteck{1, 2, 5, 6}));
}

TEST(Geometrie, AufKarteMitUndOhneUmbruch) {
  TKV fest = Karte(10, 10, false);
  TPunkt p{-1, 0};
  EXPECT_FALSE(AufKarte(fest, p));
  EXPECT_EQ(p, (TPunkt{-1, 0}));
  p = {9, 9};
  EXPECT_TRUE(AufKarte(fest, p));
  p = {10, 0};
  EXPECT_FALSE(AufKarte(fest, p));

  TKV rund = Karte(10, 10, true);
  p = {-1, 0};
  EXPECT_TRUE(AufKarte(rund, p));
  EXPECT_EQ(p, (TPunkt{9, 0}));
  p = {-11, 25};
  Umbrechen(rund, p);
  EXPECT_EQ(p, (TPunkt{9, 5}));
  p = {-20, 30}; // whole multiples land on 0
  Umbrechen(rund.Karte, p);
  EXPECT_EQ(p, (TPunkt{0, 0}));
  p = {INT32_MIN, INT32_MAX};
  Umbrechen(rund, p);
  EXPECT_EQ(p, (TPunkt{2, 7}));
}

TEST(Geometrie, LeereKarteTeiltNichtDurchNull) {
  for (bool umbrechend : {false, true}) {
    TKV leer = Karte(0, 0, umbrechend);
    TPunkt p{5, -3};
    Umbrechen(leer, p);
    EXPECT_EQ(p, (TPunkt{5, -3}));
    EXPECT_FALSE(AufKarte(leer, p));
    EXPECT_DOUBLE_EQ(Entfernung(leer, Punkt(0, 0), Punkt(3, 4)), 5.0);
    Reichweitenrechteck(leer, p, 500);
  }
  TKV halb = Karte(0, 10, true);
  TPunkt p{4, 13};
  EXPECT_FALSE(AufKarte(halb, p));
  EXPECT_EQ(p, (TPunkt{4, 3}));
}

TEST(Geometrie, Begrenzen) {
  TKV kv = Karte(10, 5, false);
  TPunkt p{-3, 7};
  Begrenzen(kv, p);
  EXPECT_EQ(p, (TPunkt{0, 4}));
  p = {12, -1};
  Begrenzen(kv, p);
  EXPECT_EQ(p, (TPunkt{9, 0}));
  // Absurd sides of a damaged record do not overflow (undefined behaviour before).
  TKV kaputt = Karte(0, 0, true);
  kaputt.Karte.Breite = INT32_MIN;
  kaputt.Karte.Hoehe = -1;
  p = {5, 5};
  Begrenzen(kaputt, p);
  EXPECT_EQ(p, (TPunkt{INT32_MIN, -2}));
  p = {INT32_MAX, INT32_MIN};
  EXPECT_FALSE(AufKarte(kaputt, p));
}

TEST(Geometrie, EntfernungUeberDieKanten) {
  TKV rund = Karte(10, 10, true);
  TKV fest = Karte(10, 10, false);
  EXPECT_DOUBLE_EQ(Entfernung(rund, Punkt(0, 0), Punkt(9, 0)), 1.0);
  EXPECT_DOUBLE_EQ(Entfernung(fest, Punkt(0, 0), Punkt(9, 0)), 9.0);
  EXPECT_DOUBLE_EQ(Entfernung(rund, Punkt(0, 0), Punkt(9, 9)), std::sqrt(2.0));
  EXPECT_DOUBLE_EQ(Entfernung(rund, Punkt(1, 2), Punkt(4, 6)), 5.0);
  EXPECT_TRUE(InReichweite(fest, Punkt(0, 0), Punkt(1, 0), 125));
  EXPECT_FALSE(InReichweite(fest, Punkt(0, 0), Punkt(1, 1), 125));
  EXPECT_TRUE(InReichweite(rund, Punkt(0, 0), Punkt(9, 9), 142));
  EXPECT_FALSE(InReichweite(fest, Punkt(0, 0), Punkt(0, 1), 99));
}

TEST(Geometrie, Reichweitenrechteck) {
  TKV fest = Karte(10, 10, false);
  EXPECT_EQ(Reichweitenrechteck(fest, Punkt(1, 1), 250), (TRechteck{0, 0, 3, 3}));
  EXPECT_EQ(Reichweitenrechteck(fest, Punkt(1, 1), 99), (TRechteck{1, 1, 1, 1}));
  EXPECT_EQ(Reichweitenrechteck(fest, Punkt(8, 9), 300), (TRechteck{5, 6, 9, 9}));
  TKV rund = Karte(10, 10, true);
  EXPECT_EQ(Reichweitenrechteck(rund, Punkt(1, 1), 250), (TRechteck{-1, -1, 3, 3}));
  // A range beyond every coordinate stays within 32 bits.
  const TRechteck gross = Reichweitenrechteck(rund, Punkt(INT32_MAX, 0), INT32_MAX);
  EXPECT_EQ(gross.Rechts, INT32_MAX);
}

} // namespace
