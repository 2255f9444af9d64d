#include "model/karte.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TFeldZustand Zustand(uint8_t art, int32_t wert, uint8_t status = zsAktiv) {
  TFeldZustand z;
  z.Art = art;
  z.Wert = wert;
  z.Status = status;
  return z;
}

TKarte NeueKarte(int32_t breite, int32_t hoehe) {
  TKarte k;
  k.Breite = breite;
  k.Hoehe = hoehe;
  FelderAnlegen(k, breite, hoehe);
  return k;
}

bool Ueberdeckt(const std::vector<TKartenbereich>& bereiche, int32_t x, int32_t y) {
  for (const TKartenbereich& b : bereiche)
    if (x >= b.Links && x <= b.Rechts && y >= b.Oben && y <= b.Unten) return true;
  return false;
}

TEST(Karte, NeueFelderSindLeer) {
  TKarte k = NeueKarte(130, 70);
  EXPECT_EQ(FelderBreite(k), 130);
  EXPECT_EQ(FelderHoehe(k), 70);
  for (auto [x, y] : {std::pair{0, 0}, {129, 69}, {64, 64}, {100, 3}}) {
    EXPECT_EQ(FeldLesen(k, x, y), TSpielFeld{});
    EXPECT_TRUE(FeldZustaende(k, x, y).empty());
  }
}

TEST(Karte, AnlegenMitNullOderNegativGibtLeeresGitter) {
  TKarte k = NeueKarte(5, 5);
  FelderAnlegen(k, 0, 7);
  EXPECT_EQ(FelderBreite(k), 0);
  EXPECT_EQ(FelderHoehe(k), 0);
  FelderAnlegen(k, 7, -1);
  EXPECT_FALSE(FeldVorhanden(k, 0, 0));
}

TEST(Karte, GelaendeAnBlockgrenzenUndRaendern) {
  // Sizes that are not a multiple of the block size, with writes on both sides of the
  // block borders, must keep every cell separate.
  TKarte k = NeueKarte(131, 67);
  for (int32_t x = 0; x < 131; ++x)
    for (int32_t y = 0; y < 67; ++y)
      GelaendeSetzen(k, x, y, static_cast<uint8_t>((x * 7 + y) % 16));
  for (int32_t x = 0; x < 131; ++x)
    for (int32_t y = 0; y < 67; ++y)
      ASSERT_EQ(Gelaende(k, x, y), (x * 7 + y) % 16) << x << "," << y;
}

TEST(Karte, ZugriffeNebenDemGitterSindHarmlos) {
  TKarte k = NeueKarte(10, 10);
  GelaendeSetzen(k, 3, 3, 5);
  const TKarte vorher = k;
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {10, 0}, {0, 10}, {INT32_MAX, INT32_MIN}}) {
    EXPECT_FALSE(FeldVorhanden(k, x, y));
    EXPECT_EQ(Gelaende(k, x, y), 0);
    EXPECT_TRUE(FeldZustaende(k, x, y).empty());
    EXPECT_TRUE(FeldZustaendeAendern(k, x, y).empty());
    EXPECT_EQ(FeldLesen(k, x, y), TSpielFeld{});
    GelaendeSetzen(k, x, y, 9);
    EXPECT_EQ(FeldZustandAnfuegen(k, x, y, Zustand(zaStartpunkt, 0)), -1);
    TSpielFeld f;
    f.Gelaende = 4;
    FeldSchreiben(k, x, y, f);
  }
  uint8_t spalte[10] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  SpalteSchreiben(k, 10, spalte);
  SpalteSchreiben(k, -1, spalte);
  SpalteLesen(k, 10, spalte);
  for (uint8_t v : spalte)
    EXPECT_EQ(v, 0);
  // Nothing was written: the grid is still the one shared with the earlier copy.
  EXPECT_TRUE(GeaenderteBereiche(vorher, k).empty());
  TKarte leer;
  EXPECT_EQ(Gelaende(leer, 0, 0), 0);
  GelaendeSetzen(leer, 0, 0, 1);
  SpalteLesen(leer, 0, spalte);
}

TEST(Karte, SpaltenLesenUndSchreiben) {
  TKarte k = NeueKarte(3, 150);
  std::vector<uint8_t> spalte(150);
  for (int32_t y = 0; y < 150; ++y)
    spalte[y] = static_cast<uint8_t>(y % 13);
  SpalteSchreiben(k, 1, spalte.data());
  for (int32_t y = 0; y < 150; ++y) {
    EXPECT_EQ(Gelaende(k, 1, y), y % 13);
    EXPECT_EQ(Gelaende(k, 0, y), 0);
    EXPECT_EQ(Gelaende(k, 2, y), 0);
  }
  GelaendeSetzen(k, 2, 149, 7);
  std::vector<uint8_t> gelesen(150, 99);
  SpalteLesen(k, 2, gelesen.data());
  for (int32_t y = 0; y < 149; ++y)
    EXPECT_EQ(gelesen[y], 0);
  EXPECT_EQ(gelesen[149], 7);
  SpalteLesen(k, 1, gelesen.data());
  EXPECT_EQ(gelesen, spalte);
}

TEST(Karte, ZustaendeBleibenInIhrerReihenfolgeAmRichtigenFeld) {
  TKarte k = NeueKarte(200, 200);
  EXPECT_EQ(FeldZustandAnfuegen(k, 5, 6, Zustand(zaStartpunkt, 1)), 0);
  EXPECT_EQ(FeldZustandAnfuegen(k, 5, 7, Zustand(zaRohstoff, 2)), 0);
  EXPECT_EQ(FeldZustandAnfuegen(k, 5, 5, Zustand(zaRohstoff, 3)), 0);
  EXPECT_EQ(FeldZustandAnfuegen(k, 5, 6, Zustand(zaRohstoff, 4)), 1);
  EXPECT_EQ(FeldZustandAnfuegen(k, 5, 6, Zustand(zaStartpunkt, 5)), 2);
  auto z = FeldZustaende(k, 5, 6);
  ASSERT_EQ(z.size(), 3u);
  EXPECT_EQ(z[0], Zustand(zaStartpunkt, 1));
  EXPECT_EQ(z[1], Zustand(zaRohstoff, 4));
  EXPECT_EQ(z[2], Zustand(zaStartpunkt, 5));
  ASSERT_EQ(FeldZustaende(k, 5, 7).size(), 1u);
  EXPECT_EQ(FeldZustaende(k, 5, 7)[0].Wert, 2);
  EXPECT_EQ(FeldZustaende(k, 5, 5)[0].Wert, 3);
  EXPECT_TRUE(FeldZustaende(k, 6, 6).empty());

  FeldZustaendeAendern(k, 5, 6)[1].Wert = 40;
  EXPECT_EQ(FeldZustaende(k, 5, 6)[1].Wert, 40);
  EXPECT_EQ(FeldZustaende(k, 5, 7)[0].Wert, 2);
}

TEST(Karte, FeldSchreibenErsetztDieGanzeZelle) {
  TKarte k = NeueKarte(20, 20);
  FeldZustandAnfuegen(k, 4, 4, Zustand(zaStartpunkt, 1));
  FeldZustandAnfuegen(k, 4, 5, Zustand(zaStartpunkt, 2));
  TSpielFeld f;
  f.Gelaende = 3;
  f.Zustaende = {Zustand(zaRohstoff, 10), Zustand(zaRohstoff, 11)};
  f.Spielwerte[0] = -1;
  f.Spielwerte[3] = 7;
  f.Spielbyte = 200;
  FeldSchreiben(k, 4, 4, f);
  EXPECT_EQ(FeldLesen(k, 4, 4), f);
  EXPECT_EQ(FeldZustaende(k, 4, 5)[0].Wert, 2);
  // Writing an empty cell takes states and game values away again.
  FeldSchreiben(k, 4, 4, TSpielFeld{});
  EXPECT_EQ(FeldLesen(k, 4, 4), TSpielFeld{});
  EXPECT_EQ(FeldLesen(k, 4, 5).Zustaende.size(), 1u);
}

TEST(Karte, ZustandsfelderDurchlaufenXAussenYInnen) {
  TKarte k = NeueKarte(300, 300);
  // Added in a scrambled order, across several blocks and block columns.
  const std::vector<std::pair<int32_t, int32_t>> punkte = {
      {299, 299}, {0, 200}, {70, 1}, {0, 3}, {64, 63}, {63, 64}, {70, 0}, {1, 0}, {200, 150}};
  for (std::size_t i = 0; i < punkte.size(); ++i)
    FeldZustandAnfuegen(k, punkte[i].first, punkte[i].second,
                        Zustand(zaRohstoff, static_cast<int32_t>(i)));
  FeldZustandAnfuegen(k, 70, 1, Zustand(zaStartpunkt, 99));
  std::vector<std::tuple<int32_t, int32_t, std::size_t>> besucht;
  ZustandsfelderDurchlaufen(k, [&](int32_t x, int32_t y, std::span<const TFeldZustand> z) {
    besucht.emplace_back(x, y, z.size());
  });
  const std::vector<std::tuple<int32_t, int32_t, std::size_t>> erwartet = {
      {0, 3, 1},  {0, 200, 1}, {1, 0, 1},     {63, 64, 1},  {64, 63, 1},
      {70, 0, 1}, {70, 1, 2},  {200, 150, 1}, {299, 299, 1}};
  EXPECT_EQ(besucht, erwartet);
}

TEST(Karte, BesucherDarfDieKarteAendern) {
  TKarte k = NeueKarte(100, 100);
  for (int32_t x = 0; x < 100; x += 10)
    FeldZustandAnfuegen(k, x, 50, Zustand(zaStartpunkt, x));
  int32_t besuche = 0;
  ZustandsfelderDurchlaufen(k, [&](int32_t x, int32_t y, std::span<const TFeldZustand> z) {
    ++besuche;
    EXPECT_EQ(z[0].Wert, x);
    // Changes and new states in cells still ahead of the walk.
    for (TFeldZustand& eigener : FeldZustaendeAendern(k, x, y))
      eigener.Status = 0;
    FeldZustandAnfuegen(k, x + 1, y, Zustand(zaRohstoff, 0));
    // Even throwing the whole grid away leaves the walk intact.
    if (x == 50) FelderAnlegen(k, 100, 100);
  });
  EXPECT_EQ(besuche, 10);
  EXPECT_TRUE(FeldZustaende(k, 0, 50).empty());
  EXPECT_TRUE(FeldZustaende(k, 60, 50).empty());
  ASSERT_EQ(FeldZustaende(k, 61, 50).size(), 1u);
  EXPECT_EQ(FeldZustaende(k, 61, 50)[0].Art, zaRohstoff);
  ASSERT_EQ(FeldZustaende(k, 91, 50).size(), 1u);
}

TEST(Karte, KopieTeiltNichtsUndUmgekehrt) {
  TKarte original = NeueKarte(100, 100);
  original.Spieleranzahl = 2;
  original.Weitere[6] = 17;
  GelaendeSetzen(original, 10, 10, 3);
  FeldZustandAnfuegen(original, 10, 10, Zustand(zaStartpunkt, 0));
  TSpielFeld mitWerten = FeldLesen(original, 80, 80);
  mitWerten.Spielwerte[2] = 5;
  FeldSchreiben(original, 80, 80, mitWerten);

  TKarte kopie;
  KarteKopieren(kopie, original);
  EXPECT_EQ(kopie.Breite, 100);
  EXPECT_EQ(kopie.Spieleranzahl, 2);
  EXPECT_EQ(kopie.Weitere[6], 17);
  EXPECT_EQ(FeldLesen(kopie, 10, 10), FeldLesen(original, 10, 10));
  EXPECT_EQ(FeldLesen(kopie, 80, 80).Spielwerte[2], 5);

  // Changes to the copy do not show in the original ...
  GelaendeSetzen(kopie, 10, 10, 4);
  FeldZustaendeAendern(kopie, 10, 10)[0].Status = 0;
  FeldZustandAnfuegen(kopie, 10, 11, Zustand(zaRohstoff, 9));
  TSpielFeld f = FeldLesen(kopie, 80, 80);
  f.Spielwerte[2] = 6;
  f.Spielbyte = 1;
  FeldSchreiben(kopie, 80, 80, f);
  std::vector<uint8_t> spalte(100, 8);
  SpalteSchreiben(kopie, 50, spalte.data());
  // Cell (70, 75) through block (1, 1): local (6, 11).
  GelaendeBlockAendern(kopie, 1, 1)[6 * KartenBlockKante + 11] = 9;
  EXPECT_EQ(Gelaende(kopie, 70, 75), 9);
  EXPECT_EQ(GelaendeBlock(kopie, 1, 1)[6 * KartenBlockKante + 11], 9);
  EXPECT_EQ(Gelaende(original, 70, 75), 0);
  EXPECT_EQ(GelaendeBlock(original, 0, 1), nullptr);     // fresh cells
  EXPECT_EQ(GelaendeBlockAendern(kopie, 2, 0), nullptr); // off the grid
  EXPECT_EQ(Gelaende(original, 10, 10), 3);
  EXPECT_EQ(FeldZustaende(original, 10, 10)[0].Status, zsAktiv);
  EXPECT_TRUE(FeldZustaende(original, 10, 11).empty());
  EXPECT_EQ(FeldLesen(original, 80, 80).Spielwerte[2], 5);
  EXPECT_EQ(FeldLesen(original, 80, 80).Spielbyte, 0);
  EXPECT_EQ(Gelaende(original, 50, 0), 0);

  // ... nor the other way round.
  TKarte zweite = original;
  GelaendeSetzen(original, 1, 1, 2);
  FeldZustandAnfuegen(original, 1, 1, Zustand(zaStartpunkt, 1));
  FeldZustaendeAendern(original, 10, 10)[0].Wert = 42;
  EXPECT_EQ(Gelaende(zweite, 1, 1), 0);
  EXPECT_TRUE(FeldZustaende(zweite, 1, 1).empty());
  EXPECT_EQ(FeldZustaende(zweite, 10, 10)[0].Wert, 0);
  EXPECT_EQ(Gelaende(kopie, 1, 1), 0);
  EXPECT_EQ(FeldZustaende(kopie, 10, 10)[0].Wert, 0);
}

TEST(Karte, ZustandsloseKopieUeberSchnappschussMitZustaenden) {
  TKarte schnappschuss = NeueKarte(30, 30);
  for (int32_t x = 0; x < 30; ++x)
    FeldZustandAnfuegen(schnappschuss, x, x, Zustand(zaRohstoff, x));
  TKarte ohne = NeueKarte(30, 30);
  KarteKopieren(schnappschuss, ohne);
  int32_t anzahl = 0;
  ZustandsfelderDurchlaufen(schnappschuss, [&](int32_t, int32_t, auto) { ++anzahl; });
  EXPECT_EQ(anzahl, 0);
  EXPECT_TRUE(FeldZustaende(schnappschuss, 3, 3).empty());
}

TEST(Karte, KopierenMitBreiteNullLaesstDieZellen) {
  TKarte ziel = NeueKarte(5, 5);
  GelaendeSetzen(ziel, 2, 2, 6);
  TKarte quelle;
  quelle.Spieleranzahl = 3;
  KarteKopieren(ziel, quelle);
  EXPECT_EQ(ziel.Breite, 0);
  EXPECT_EQ(ziel.Spieleranzahl, 3);
  EXPECT_EQ(Gelaende(ziel, 2, 2), 6);
}

TEST(Karte, LeerenSetztAlleZehnWerteZurueck) {
  TKarte k = NeueKarte(8, 9);
  int32_t werte[10] = {8, 9, 2, 1, 2, 3, 4, 5, 6, 7};
  KartenwerteSchreiben(k, werte);
  EXPECT_EQ(k.Weitere[0], 1);
  EXPECT_EQ(k.Weitere[6], 7);
  int32_t gelesen[10] = {};
  KartenwerteLesen(k, gelesen);
  EXPECT_TRUE(std::equal(werte, werte + 10, gelesen));
  KarteLeeren(k);
  KartenwerteLesen(k, gelesen);
  for (int32_t w : gelesen)
    EXPECT_EQ(w, 0);
  EXPECT_EQ(FelderBreite(k), 0);
}

TEST(Karte, GeaenderteBereicheNachEinerZelle) {
  TKarte a = NeueKarte(1000, 1000);
  for (int32_t x = 0; x < 1000; x += 3)
    GelaendeSetzen(a, x, x, 2);
  TKarte b = a;
  EXPECT_TRUE(GeaenderteBereiche(a, b).empty());
  GelaendeSetzen(b, 500, 700, 9);
  auto bereiche = GeaenderteBereiche(a, b);
  ASSERT_FALSE(bereiche.empty());
  EXPECT_TRUE(Ueberdeckt(bereiche, 500, 700));
  int64_t flaeche = 0;
  for (const auto& r : bereiche)
    flaeche += int64_t{r.Rechts - r.Links + 1} * (r.Unten - r.Oben + 1);
  EXPECT_LE(flaeche, 128 * 128);
  // Same answer in the other direction; a state change counts as well.
  EXPECT_EQ(GeaenderteBereiche(b, a), bereiche);
  TKarte c = b;
  FeldZustandAnfuegen(c, 999, 999, Zustand(zaStartpunkt, 0));
  bereiche = GeaenderteBereiche(b, c);
  EXPECT_TRUE(Ueberdeckt(bereiche, 999, 999));
  EXPECT_FALSE(Ueberdeckt(bereiche, 500, 700));
  for (const auto& r : bereiche) {
    EXPECT_LE(r.Rechts, 999);
    EXPECT_LE(r.Unten, 999);
  }
  // Writing what is already there is no change.
  TKarte d = c;
  GelaendeSetzen(d, 500, 700, 9);
  EXPECT_TRUE(GeaenderteBereiche(c, d).empty());
}

TEST(Karte, GeaenderteBereicheBeiAndererGroesse) {
  TKarte a = NeueKarte(10, 40);
  TKarte b = NeueKarte(30, 20);
  EXPECT_EQ(GeaenderteBereiche(a, b), (std::vector<TKartenbereich>{{0, 0, 29, 39}}));
  TKarte leer;
  EXPECT_EQ(GeaenderteBereiche(leer, a), (std::vector<TKartenbereich>{{0, 0, 9, 39}}));
  EXPECT_TRUE(GeaenderteBereiche(leer, TKarte{}).empty());
}

TEST(Karte, FeldKopierenIstUnabhaengig) {
  TSpielFeld quelle;
  quelle.Gelaende = 4;
  quelle.Zustaende = {Zustand(zaStartpunkt, 1)};
  quelle.Spielwerte[1] = 3;
  quelle.Spielbyte = 2;
  TSpielFeld ziel;
  ziel.Zustaende = {Zustand(zaRohstoff, 5), Zustand(zaRohstoff, 6)};
  FeldKopieren(ziel, quelle);
  EXPECT_EQ(ziel, quelle);
  ziel.Zustaende[0].Wert = 9;
  EXPECT_EQ(quelle.Zustaende[0].Wert, 1);
  FeldKopieren(ziel, TSpielFeld{});
  EXPECT_TRUE(ziel.Zustaende.empty());
}

} // namespace
