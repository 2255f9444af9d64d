#include "model/zustaende.h"

#include <gtest/gtest.h>

namespace {

TKarte NeueKarte() {
  TKarte k;
  k.Breite = k.Hoehe = 10;
  FelderAnlegen(k, 10, 10);
  return k;
}

TEST(Zustaende, LeerenSetztAllesAufNull) {
  TFeldZustand z{2, 1, 2, 3, 4, 5, 3};
  ZustandLeeren(z);
  EXPECT_EQ(z, TFeldZustand{});
}

TEST(Zustaende, HinzufuegenGibtDenAltenIndex) {
  TKarte k = NeueKarte();
  const TPunkt p{3, 4};
  EXPECT_EQ(ZustandHinzufuegen(k, p, zaStartpunkt), 0);
  EXPECT_EQ(ZustandHinzufuegen(k, p, zaRohstoff), 1);
  auto z = FeldZustaende(k, 3, 4);
  ASSERT_EQ(z.size(), 2u);
  EXPECT_EQ(z[1].Art, zaRohstoff);
  EXPECT_EQ(z[1].Status, 0);
  EXPECT_TRUE(HatZustand(k, p, zaRohstoff));
  EXPECT_FALSE(HatZustand(k, {4, 3}, zaRohstoff));
}

TEST(Zustaende, IndexFindetDenErstenAuchWennInaktiv) {
  TKarte k = NeueKarte();
  const TPunkt p{1, 1};
  ZustandHinzufuegen(k, p, zaRohstoff);
  const int32_t erster = ZustandHinzufuegen(k, p, zaStartpunkt);
  const int32_t zweiter = ZustandHinzufuegen(k, p, zaStartpunkt);
  FeldZustaendeAendern(k, 1, 1)[zweiter].Status = zsAktiv;
  EXPECT_EQ(ZustandIndex(k, p, zaStartpunkt), erster);
  EXPECT_FALSE(ZustandAktivAn(k, p, erster));
  EXPECT_TRUE(ZustandAktivAn(k, p, zweiter));
  EXPECT_FALSE(ZustandAktiv(k, p, zaStartpunkt, true));
  EXPECT_EQ(FeldZustaende(k, 1, 1).size(), 3u);
}

TEST(Zustaende, AktivOhneNurVorhandeneFuegtEinenInaktivenAn) {
  TKarte k = NeueKarte();
  const TPunkt p{9, 9};
  EXPECT_FALSE(ZustandAktiv(k, p, zaStartpunkt, true));
  EXPECT_TRUE(FeldZustaende(k, 9, 9).empty());
  EXPECT_FALSE(ZustandAktiv(k, p, zaStartpunkt, false));
  auto z = FeldZustaende(k, 9, 9);
  ASSERT_EQ(z.size(), 1u);
  EXPECT_EQ(z[0].Art, zaStartpunkt);
  EXPECT_EQ(z[0].Status, 0);
  FeldZustaendeAendern(k, 9, 9)[0].Status = zsAktiv | zsErzeugt;
  EXPECT_TRUE(ZustandAktiv(k, p, zaStartpunkt, true));
}

TEST(Zustaende, DeaktivierenLoeschtNurDasAktivBit) {
  TKarte k = NeueKarte();
  const TPunkt p{0, 5};
  const int32_t i = ZustandHinzufuegen(k, p, zaStartpunkt);
  FeldZustaendeAendern(k, 0, 5)[i].Status = zsAktiv | zsErzeugt;
  EXPECT_EQ(ZustandDeaktivieren(k, p, zaStartpunkt), i);
  EXPECT_EQ(FeldZustaende(k, 0, 5)[i].Status, zsErzeugt);
  EXPECT_EQ(FeldZustaende(k, 0, 5).size(), 1u);
}

TEST(Zustaende, DeaktivierenOhneSolchenZustandFuegtEinenAn) {
  TKarte k = NeueKarte();
  const TPunkt p{2, 2};
  ZustandHinzufuegen(k, p, zaRohstoff);
  EXPECT_EQ(ZustandDeaktivieren(k, p, zaStartpunkt), 1);
  auto z = FeldZustaende(k, 2, 2);
  ASSERT_EQ(z.size(), 2u);
  EXPECT_EQ(z[1].Art, zaStartpunkt);
  EXPECT_EQ(z[1].Status, 0);
}

TEST(Zustaende, GueltigUndFremdeIndizes) {
  TKarte k = NeueKarte();
  const TPunkt p{5, 5};
  EXPECT_FALSE(ZustandGueltig(k, p, 0));
  ZustandHinzufuegen(k, p, zaRohstoff);
  EXPECT_TRUE(ZustandGueltig(k, p, 0));
  EXPECT_FALSE(ZustandGueltig(k, p, 1));
  EXPECT_FALSE(ZustandGueltig(k, p, -1));
  // An index beyond the states reads as inactive instead of reading past them.
  EXPECT_FALSE(ZustandAktivAn(k, p, 7));
  // A point off the map gets no state and is never active.
  EXPECT_EQ(ZustandIndex(k, {10, 0}, zaStartpunkt), -1);
  EXPECT_FALSE(ZustandAktiv(k, {-1, 0}, zaStartpunkt, false));
  EXPECT_EQ(ZustandDeaktivieren(k, {0, 10}, zaStartpunkt), -1);
}

} // namespace
