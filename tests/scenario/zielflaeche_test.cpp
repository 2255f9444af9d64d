#include "scenario/zielflaeche.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

#include "hilfen.h"
#include "model/einstellungen.h"

namespace {

TZielbereich Fuellbereich(const TKV& kv, TPunkt c, int32_t schritt) {
  TZielbereich b;
  ZielbereichLeeren(b);
  b.Art = 5;
  b.Reichweite = (kv.Karte.Breite + kv.Karte.Hoehe) * 100;
  b.Schritt = schritt;
  b.Gelaendemenge.set(Gelaende(kv.Karte, c.x, c.y));
  return b;
}

// The growth passes exactly as described for the area: candidates in the range rectangle, then
// passes over the unmarked candidates until a pass adds nothing.
TZielflaeche Referenz(const TKV& kv, const TZielbereich& b, TPunkt c) {
  TZielflaeche aus;
  if ((b.Bedingungen & 1) && !b.Gelaendemenge.test(Gelaende(kv.Karte, c.x, c.y))) return aus;
  aus.push_back({c.x, c.y, b.Anteil});
  struct TKandidat {
    TPunkt p;
    bool markiert;
  };
  std::vector<TKandidat> kandidaten;
  const TRechteck r = Reichweitenrechteck(kv, c, b.Reichweite);
  for (int32_t x = r.Links; x <= r.Rechts; ++x)
    for (int32_t y = r.Oben; y <= r.Unten; ++y) {
      TPunkt p{x, y};
      if (AufKarte(kv, p) && b.Gelaendemenge.test(Gelaende(kv.Karte, p.x, p.y)) &&
          Entfernung(kv, c, p) * 100 <= b.Reichweite)
        kandidaten.push_back({p, false});
    }
  bool neu = true;
  while (neu) {
    neu = false;
    for (TKandidat& q : kandidaten) {
      if (q.markiert) continue;
      for (std::size_t i = 0; i < aus.size(); ++i) {
        const TPunkt o{aus[i].x, aus[i].y};
        if (Entfernung(kv, q.p, o) * 100 <= b.Schritt && !(o == q.p)) {
          aus.push_back({q.p.x, q.p.y, 0});
          q.markiert = true;
          neu = true;
          break;
        }
      }
    }
  }
  return aus;
}

std::set<std::pair<int32_t, int32_t>> Menge(const TZielflaeche& f) {
  std::set<std::pair<int32_t, int32_t>> m;
  for (const TZielpunkt& p : f)
    m.insert({p.x, p.y});
  return m;
}

TEST(Zielflaeche, GleicheMengeWieDieWachstumsdurchlaeufe) {
  std::mt19937 zufall(4711);
  const int32_t schritte[] = {0, 99, 100, 141, 142, 150, 200, 250, 300, 350, 500};
  for (int fall = 0; fall < 400; ++fall) {
    const bool umbrechend = fall % 2 == 1;
    // Most maps small, some wide enough for the search to work on whole 8 x 8 words inside.
    const int32_t seite = fall % 4 == 0 ? 24 : 1;
    const int32_t breite = seite + static_cast<int32_t>(zufall() % 11);
    const int32_t hoehe = seite + static_cast<int32_t>(zufall() % 11);
    TKV kv = Karte(breite, hoehe, umbrechend);
    TZielbereich b;
    b.Art = 5;
    b.Anteil = 60;
    b.Schritt = schritte[zufall() % std::size(schritte)];
    const int gelaendearten = 2 + static_cast<int>(zufall() % 2);
    // Some large maps hold terrain 1 only on a cross through the centre, its cells as far apart
    // as the step: the area then grows by the longest jumps alone, straight up, down, left and
    // right, with no way round a jump that is missed.
    const int32_t sprung = fall % 8 == 0 ? std::max(b.Schritt / 100, 1) : 0;
    const TPunkt c{static_cast<int32_t>(zufall() % breite), static_cast<int32_t>(zufall() % hoehe)};
    for (int32_t x = 0; x < breite; ++x)
      for (int32_t y = 0; y < hoehe; ++y)
        GelaendeSetzen(
            kv.Karte, x, y,
            sprung ? ((x == c.x && (y - c.y) % sprung == 0) || (y == c.y && (x - c.x) % sprung == 0)
                          ? 1
                          : 2)
                   : static_cast<uint8_t>(1 + zufall() % gelaendearten));
    const int32_t reichweiten[] = {-150, 0, 99, 150, 250, 420, (breite + hoehe) * 100};
    b.Reichweite = sprung ? (breite + hoehe) * 100 : reichweiten[zufall() % std::size(reichweiten)];
    b.Bedingungen = zufall() % 3 == 0 ? 1 : 0;
    b.Gelaendemenge.set(sprung ? 1 : 1 + zufall() % gelaendearten);
    if (zufall() % 4 == 0 && !sprung) b.Gelaendemenge.set(1 + zufall() % gelaendearten);

    const TZielflaeche erwartet = Referenz(kv, b, c);
    TZielflaeche aus;
    const int32_t anzahl = ZielflaecheBerechnen(kv, b, Rechteck(c, c), aus);
    SCOPED_TRACE(::testing::Message()
                 << "Fall " << fall << ": " << breite << "x" << hoehe << " Schritt " << b.Schritt
                 << " Reichweite " << b.Reichweite << " umbrechend " << umbrechend);
    EXPECT_EQ(anzahl, static_cast<int32_t>(aus.size()));
    EXPECT_EQ(Menge(aus), Menge(erwartet));
    EXPECT_EQ(Menge(aus).size(), aus.size()); // every cell once
    if (!erwartet.empty()) {
      ASSERT_FALSE(aus.empty());
      EXPECT_EQ(aus[0], erwartet[0]); // the centre first, with the area's share
    }
    // The fill paints the same set without a list (terrain 0 is on no cell before).
    EXPECT_EQ(ZielflaecheFuellen(kv, b, Rechteck(c, c), 0), static_cast<int64_t>(aus.size()));
    std::set<std::pair<int32_t, int32_t>> gemalt;
    for (int32_t x = 0; x < breite; ++x)
      for (int32_t y = 0; y < hoehe; ++y)
        if (Gelaende(kv.Karte, x, y) == 0) gemalt.insert({x, y});
    EXPECT_EQ(gemalt, Menge(erwartet));
  }
}

TEST(Zielflaeche, SchachbrettVerbindetErstDiagonal) {
  TKV kv = Karte(9, 7, false);
  for (int32_t x = 0; x < 9; ++x)
    for (int32_t y = 0; y < 7; ++y)
      GelaendeSetzen(kv.Karte, x, y, (x + y) % 2 ? 1 : 3);
  const TPunkt c{4, 4};
  TZielflaeche aus;
  EXPECT_EQ(ZielflaecheBerechnen(kv, Fuellbereich(kv, c, 100), Rechteck(c, c), aus), 1);
  EXPECT_EQ(aus[0], (TZielpunkt{4, 4, 0}));
  EXPECT_EQ(ZielflaecheBerechnen(kv, Fuellbereich(kv, c, 142), Rechteck(c, c), aus), 32);
  EXPECT_EQ(ZielflaecheBerechnen(kv, Fuellbereich(kv, c, 141), Rechteck(c, c), aus), 1);
}

TEST(Zielflaeche, MitteAusserhalbDerMenge) {
  TKV kv = Karte(5, 1, false);
  for (int32_t x = 0; x < 5; ++x)
    GelaendeSetzen(kv.Karte, x, 0, x == 2 ? 4 : 1);
  TZielbereich b;
  b.Art = 5;
  b.Reichweite = 1000;
  b.Schritt = 100;
  b.Gelaendemenge.set(1);
  TZielflaeche aus;
  // Without the condition the centre is taken and connects its neighbours.
  EXPECT_EQ(ZielflaecheBerechnen(kv, b, Rechteck({2, 0}, {2, 0}), aus), 5);
  EXPECT_EQ(aus[0].x, 2);
  b.Bedingungen = zbMitteGeprueft;
  EXPECT_EQ(ZielflaecheBerechnen(kv, b, Rechteck({2, 0}, {2, 0}), aus), 0);
  EXPECT_TRUE(aus.empty());
  // Another kind, a centre off the map and an empty map give nothing.
  b.Bedingungen = 0;
  b.Art = 4;
  EXPECT_EQ(ZielflaecheBerechnen(kv, b, Rechteck({2, 0}, {2, 0}), aus), 0);
  b.Art = 5;
  EXPECT_EQ(ZielflaecheBerechnen(kv, b, Rechteck({5, 0}, {5, 0}), aus), 0);
  TKV leer = Karte(0, 0, true);
  EXPECT_EQ(ZielflaecheBerechnen(leer, b, Rechteck({0, 0}, {0, 0}), aus), 0);
}

TEST(Zielflaeche, GanzeGrosseKarteJedeZelleEinmal) {
  for (bool umbrechend : {false, true}) {
    TKV kv = Karte(1500, 1100, umbrechend);
    // A wall of another terrain splits the map, except on a wrapping map.
    for (int32_t y = 0; y < 1100; ++y)
      GelaendeSetzen(kv.Karte, 0, y, 9);
    const TPunkt c{700, 500};
    TZielflaeche aus;
    const int32_t anzahl = ZielflaecheBerechnen(kv, Fuellbereich(kv, c, 100), Rechteck(c, c), aus);
    EXPECT_EQ(anzahl, 1499 * 1100);
    std::vector<bool> gesehen(1500 * 1100);
    for (const TZielpunkt& p : aus) {
      ASSERT_NE(p.x, 0);
      ASSERT_FALSE(gesehen[p.x * 1100 + p.y]);
      gesehen[p.x * 1100 + p.y] = true;
    }
  }
}

} // namespace
