#include "base/zufall.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

TZufallsgenerator Beispiel() {
  return {0, 8231, 945, 23985381};
}

} // namespace

TEST(Zufallsgenerator, BekannteFolge) {
  TZufallsgenerator g = Beispiel();
  EXPECT_EQ(Zufallszahl(g, 1000000000), 945);
  EXPECT_EQ(g.Saat, 945);
  EXPECT_EQ(Zufallszahl(g, 1000000000), 945 * 8232);
  // 7779240 * 8231 + 945 wraps past 2^32 before the modulus is taken.
  const uint32_t erwartet = (7779240u * 8231u + 945u) % 23985381u;
  EXPECT_EQ(Zufallszahl(g, 1000000000), static_cast<int32_t>(erwartet));
  EXPECT_EQ(g.Saat, static_cast<int32_t>(erwartet));
}

TEST(Zufallsgenerator, KleinesNRueckt) {
  TZufallsgenerator g = Beispiel();
  EXPECT_EQ(Zufallszahl(g, 1), 0);
  EXPECT_EQ(g.Saat, 945);
  EXPECT_EQ(Zufallszahl(g, 0), 0);
  EXPECT_EQ(g.Saat, 945 * 8232);
  g = Beispiel();
  EXPECT_EQ(Zufallszahl(g, 10), 5);
}

TEST(Zufallsgenerator, ModulNullIstUnbrauchbarAberSicher) {
  TZufallsgenerator g{123, 5, 7, 0};
  EXPECT_EQ(Zufallszahl(g, 10), 0);
  EXPECT_EQ(g.Saat, 123);
  TZufallsgenerator leer;
  EXPECT_EQ(Zufallszahl(leer, 100), 0);
}

TEST(Zufallsgenerator, FaktorNullBleibtStehen) {
  TZufallsgenerator g{77, 0, 1234, 1000};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(Zufallszahl(g, 100000), 234);
}

TEST(Zufallsgenerator, GrosserModulGibtKeineNegativenZahlen) {
  // Modul -1 is read as 2^32 - 1; a state of 2^31 must still give a result in 0 ... n - 1.
  TZufallsgenerator g{0, 1, std::numeric_limits<int32_t>::min(), -1};
  EXPECT_EQ(Zufallszahl(g, 10), 8);
  EXPECT_EQ(g.Saat, std::numeric_limits<int32_t>::min());
  g = {2000000000, 3, 0, -1};
  Zufallszahl(g, 1);
  EXPECT_EQ(static_cast<uint32_t>(g.Saat), 1705032704u); // 6e9 mod 2^32
}

TEST(Zufallsgenerator, InitialisierenInDenBereichen) {
  for (int i = 0; i < 50; ++i) {
    TZufallsgenerator g;
    ZufallInitialisieren(g);
    EXPECT_GE(g.Saat, 0);
    EXPECT_LT(g.Saat, 1000000000);
    EXPECT_GE(g.Faktor, 0);
    EXPECT_LT(g.Faktor, 31623);
    EXPECT_GE(g.Summand, 0);
    EXPECT_LT(g.Summand, 1000000000);
    EXPECT_GE(g.Modul, 500000000);
    EXPECT_LT(g.Modul, 1000000000);
  }
}

TEST(Zufallsgenerator, ZweimalInitialisiertSindVerschieden) {
  TZufallsgenerator a, b;
  ZufallInitialisieren(a);
  ZufallInitialisieren(b);
  EXPECT_FALSE(a.Saat == b.Saat && a.Faktor == b.Faktor && a.Summand == b.Summand &&
               a.Modul == b.Modul);
}

TEST(Zufallsquelle, WiederholbarUndImBereich) {
  ZufallsquelleSetzen(42);
  std::vector<int32_t> erste;
  for (int i = 0; i < 20; ++i)
    erste.push_back(Zufall(1000));
  ZufallsquelleSetzen(42);
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(Zufall(1000), erste[i]);

  std::vector<int> gesehen(7, 0);
  for (int i = 0; i < 2000; ++i) {
    const int32_t z = Zufall(7);
    ASSERT_GE(z, 0);
    ASSERT_LT(z, 7);
    ++gesehen[z];
  }
  for (int anzahl : gesehen)
    EXPECT_GT(anzahl, 0);
  EXPECT_EQ(Zufall(1), 0);
  EXPECT_EQ(Zufall(0), 0);
  EXPECT_EQ(Zufall(-5), 0);
}

TEST(Gewichte, Summe) {
  const std::vector<int32_t> w = {1, 2, 3};
  EXPECT_EQ(Summe(w, 2), 6);
  EXPECT_EQ(Summe(w, 1), 3);
  EXPECT_EQ(Summe(w, 0), 1);
  EXPECT_EQ(Summe(w, -1), 0);
  EXPECT_EQ(Summe(w, 99), 6); // never read past the end
}

TEST(Gewichte, NurEinGewichtZaehlt) {
  TZufallsgenerator g = Beispiel();
  const std::vector<int32_t> w = {0, 0, 5};
  for (int i = 0; i < 100; ++i)
    EXPECT_EQ(GewichteteWahl(g, w, 2), 2);
  const std::vector<int32_t> vorn = {4, 0, 0};
  for (int i = 0; i < 100; ++i)
    EXPECT_EQ(GewichteteWahl(g, vorn, 2), 0);
}

TEST(Gewichte, AlleNullGibtH) {
  TZufallsgenerator g = Beispiel();
  const std::vector<int32_t> w = {0, 0, 0, 0};
  EXPECT_EQ(GewichteteWahl(g, w, 3), 3);
  EXPECT_EQ(GewichteteWahl(g, w, 1), 1);
}

TEST(Gewichte, GenauEineZahlJeWahl) {
  TZufallsgenerator g = Beispiel();
  TZufallsgenerator vergleich = Beispiel();
  const std::vector<int32_t> w = {3, 1, 0, 6};
  for (int i = 0; i < 200; ++i) {
    const int32_t r = Zufallszahl(vergleich, 10) + 1;
    const int32_t erwartet = r <= 3 ? 0 : r <= 4 ? 1 : 3;
    ASSERT_EQ(GewichteteWahl(g, w, 3), erwartet);
    ASSERT_EQ(g.Saat, vergleich.Saat);
  }
}

TEST(Gewichte, OhneElementeWirdNichtsGezogen) {
  TZufallsgenerator g = Beispiel();
  const std::vector<int32_t> w = {5};
  EXPECT_EQ(GewichteteWahl(g, w, -1), 0);
  EXPECT_EQ(g.Saat, 0);
  EXPECT_EQ(GewichteteWahl(g, {}, 4), 0);
  EXPECT_EQ(g.Saat, 0);
}

TEST(Rang, AufsteigendStabil) {
  std::vector<TPunkt> a = {{0, 3}, {1, 1}, {2, 3}, {3, 0}, {4, 1}, {5, 3}};
  RangSortieren(true, 6, a, 5);
  EXPECT_EQ(a, (std::vector<TPunkt>{{3, 0}, {1, 1}, {4, 1}, {0, 3}, {2, 3}, {5, 3}}));
}

TEST(Rang, AbsteigendStabil) {
  std::vector<TPunkt> a = {{0, 3}, {1, 1}, {2, 3}, {3, 0}, {4, 1}, {5, 3}};
  RangSortieren(false, 6, a, 5);
  EXPECT_EQ(a, (std::vector<TPunkt>{{0, 3}, {2, 3}, {5, 3}, {1, 1}, {4, 1}, {3, 0}}));
}

// The ranking placement written out directly: element i goes to the number of smaller keys,
// or the next free place after it.
std::vector<TPunkt> RangReferenz(const std::vector<TPunkt>& a, bool aufsteigend) {
  std::vector<TPunkt> ergebnis(a.size());
  std::vector<bool> belegt(a.size(), false);
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::size_t rang = 0;
    for (const TPunkt& b : a)
      if (aufsteigend ? b.y < a[i].y : b.y > a[i].y) ++rang;
    while (belegt[rang])
      ++rang;
    belegt[rang] = true;
    ergebnis[rang] = a[i];
  }
  return ergebnis;
}

TEST(Rang, GleichDerRangplatzierung) {
  TZufallsgenerator g = Beispiel();
  for (int runde = 0; runde < 50; ++runde) {
    std::vector<TPunkt> a(static_cast<std::size_t>(1 + Zufallszahl(g, 40)));
    for (std::size_t i = 0; i < a.size(); ++i)
      a[i] = {static_cast<int32_t>(i), Zufallszahl(g, 6) - 2};
    for (bool auf : {true, false}) {
      std::vector<TPunkt> b = a;
      RangSortieren(auf, static_cast<int32_t>(b.size()), b, static_cast<int32_t>(b.size()) - 1);
      EXPECT_EQ(b, RangReferenz(a, auf));
    }
  }
}

TEST(Rang, NurDerVordereTeil) {
  std::vector<TPunkt> a = {{0, 5}, {1, 4}, {2, 3}, {3, 0}};
  RangSortieren(true, 3, a, 3);
  EXPECT_EQ(a, (std::vector<TPunkt>{{2, 3}, {1, 4}, {0, 5}, {3, 0}}));
  a = {{0, 5}, {1, 4}, {2, 3}, {3, 0}};
  RangSortieren(true, 10, a, 1);
  EXPECT_EQ(a, (std::vector<TPunkt>{{1, 4}, {0, 5}, {2, 3}, {3, 0}}));
  // More than the array holds: only what is there is sorted.
  RangSortieren(true, 10, a, 9);
  EXPECT_EQ(a, (std::vector<TPunkt>{{3, 0}, {2, 3}, {1, 4}, {0, 5}}));
  RangSortieren(true, 0, a, 3);
  EXPECT_EQ(a, (std::vector<TPunkt>{{3, 0}, {2, 3}, {1, 4}, {0, 5}}));
}
