#include "model/spiel.h"
#include "model/szenario.h"

#include <gtest/gtest.h>

namespace {

TSpieler BeispielSpieler() {
  TSpieler s;
  s.Name = "Gr\xFCn";
  s.Daten.Bytes[0] = 1;
  s.Daten.Bytes[255] = 2;
  s.Forschungen.resize(2);
  s.Forschungen[1].Bytes[15] = 3;
  s.Karte.Felder = {{TDatenblock<8>{}}, {TDatenblock<8>{}, TDatenblock<8>{}}};
  s.Karte.Felder[1][1].Bytes[7] = 4;
  s.SichtPunkte.resize(1);
  s.Diplomatie.Diplomatien = {dipFeindlich, dipVerbuendet};
  s.Meldungen.resize(3);
  s.Nachrichten = {{}, {TDatenblock<524>{}}};
  s.Nachrichten[1][0].Bytes[523] = 5;
  return s;
}

TEinheit BeispielEinheit() {
  TEinheit e;
  e.Daten.Bytes[127] = 9;
  e.Aufwertungen.resize(1);
  e.Zustaende.resize(2);
  e.Zustaende[1].Bytes[27] = 8;
  e.Blockierungen.resize(1);
  return e;
}

TEST(Einstellungen, StandardBytes) {
  const TSpielEinstellungen& e = StandardEinstellungen();
  EXPECT_EQ(EinstellungSpiel(e), 0);
  EXPECT_EQ(EinstellungKurzname(e), "KV");
  EXPECT_EQ(e.Bytes[1], 2);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Rohstoffmenge(e, i), 1);
  EXPECT_EQ(Optionen(e), 0x51);
  EXPECT_FALSE(KarteUmbrechend(e));
  for (int i = 843; i <= 852; ++i)
    EXPECT_EQ(e.Bytes[i], 1) << i;
  for (int i = 853; i <= 862; ++i)
    EXPECT_EQ(e.Bytes[i], 2) << i;
  for (int i = 863; i <= 873; ++i)
    EXPECT_EQ(e.Bytes[i], 1) << i;
  EXPECT_EQ(e.Bytes[875], 6);
  EXPECT_EQ(EinstellungWert32(e, 884), 90);
  EXPECT_EQ(e.Bytes[884], 90);
  EXPECT_EQ(e.Bytes[930], 2);
  EXPECT_EQ(e.Bytes[936], 1);
  // Every byte not listed above is zero.
  int nichtNull = 0;
  for (int i = 0; i < EinstellungenGroesse; ++i)
    if (e.Bytes[i] != 0) ++nichtNull;
  EXPECT_EQ(nichtNull, 3 + 3 + 10 + 10 + 11 + 1 + 1 + 1 + 1 + 1);
}

TEST(Einstellungen, ZuruecksetzenSaetUndBehaeltDieSaatKopie) {
  TSpielEinstellungen e;
  e.Bytes.fill(0xEE);
  EinstellungenZuruecksetzen(e);
  const TZufallsgenerator g = EinstellungsGenerator(e);
  EXPECT_GT(g.Modul, 0);
  EXPECT_EQ(EinstellungWert32(e, epSaatKopie), g.Saat);
  EXPECT_EQ(EinstellungWert32(e, 776), EinstellungWert32(e, 968));
  // Little-endian at 776.
  EXPECT_EQ(e.Bytes[776], static_cast<uint8_t>(g.Saat));
  EXPECT_EQ(e.Bytes[779], static_cast<uint8_t>(static_cast<uint32_t>(g.Saat) >> 24));
  EXPECT_EQ(EinstellungKurzname(e), "KV");
  EXPECT_EQ(e.Bytes[500], 0);
  for (int i = 0; i < EinstellungenGroesse; ++i)
    if (i < 776 || (i > 779 && i < 968)) {
      ASSERT_EQ(e.Bytes[i], StandardEinstellungen().Bytes[i]) << i;
    }
}

TEST(Einstellungen, OptionenUndWerte) {
  TSpielEinstellungen e = StandardEinstellungen();
  KarteUmbrechendSetzen(e, true);
  EXPECT_TRUE(KarteUmbrechend(e));
  EXPECT_EQ(Optionen(e), 0x55);
  KarteUmbrechendSetzen(e, false);
  EXPECT_EQ(Optionen(e), 0x51);
  EXPECT_NE(Optionen(e) & opRohstoffTabelleA, 0);
  EinstellungWert32Setzen(e, 100, -2);
  EXPECT_EQ(EinstellungWert32(e, 100), -2);
  EXPECT_EQ(e.Bytes[100], 0xFE);
  EXPECT_EQ(e.Bytes[103], 0xFF);
  // Positions that would reach past the block are refused.
  EXPECT_EQ(EinstellungWert32(e, EinstellungenGroesse - 3), 0);
  EinstellungWert32Setzen(e, EinstellungenGroesse - 3, 1);
  EXPECT_EQ(Rohstoffmenge(e, 3), 0);
  TZufallsgenerator g{1, 2, 3, 4};
  EinstellungsGeneratorSetzen(e, g);
  const TZufallsgenerator h = EinstellungsGenerator(e);
  EXPECT_EQ(h.Saat, 1);
  EXPECT_EQ(h.Faktor, 2);
  EXPECT_EQ(h.Summand, 3);
  EXPECT_EQ(h.Modul, 4);
}

TEST(Spiel, ZuruecksetzenLeertAlles) {
  TKV kv;
  kv.Stand.Spiel = 3;
  kv.Stand.Werte[14] = 5;
  kv.Zufall.Vorne = 1;
  kv.Zufall.Hinten = 2;
  kv.Spieler.push_back(BeispielSpieler());
  kv.Einheiten.push_back(BeispielEinheit());
  kv.Karte.Breite = kv.Karte.Hoehe = 4;
  kv.Karte.Weitere[2] = 8;
  FelderAnlegen(kv.Karte, 4, 4);
  SpielZuruecksetzen(kv);
  EXPECT_EQ(kv.Stand.Spiel, 0);
  for (int32_t w : kv.Stand.Werte)
    EXPECT_EQ(w, 0);
  EXPECT_EQ(kv.Stand.Merker, 1);
  EXPECT_EQ(kv.Zufall.Vorne, 0);
  EXPECT_EQ(kv.Zufall.Hinten, 0);
  EXPECT_GT(kv.Zufall.Generator.Modul, 0);
  EXPECT_EQ(EinstellungKurzname(kv.Einstellungen), "KV");
  EXPECT_EQ(EinstellungWert32(kv.Einstellungen, 776), EinstellungsGenerator(kv.Einstellungen).Saat);
  EXPECT_TRUE(kv.Spieler.empty());
  EXPECT_TRUE(kv.Einheiten.empty());
  EXPECT_EQ(kv.Karte.Breite, 0);
  EXPECT_EQ(kv.Karte.Weitere[2], 0);
  EXPECT_EQ(FelderBreite(kv.Karte), 0);
}

TEST(Spiel, KopieTeiltNichts) {
  TKV quelle;
  SpielZuruecksetzen(quelle);
  quelle.Stand.Werte[3] = 33;
  quelle.Zufall.Generator.Saat = 77;
  quelle.Einstellungen.Bytes[10] = 10;
  quelle.Spieler = {BeispielSpieler(), BeispielSpieler()};
  quelle.Einheiten = {BeispielEinheit()};
  quelle.Karte.Breite = quelle.Karte.Hoehe = 70;
  FelderAnlegen(quelle.Karte, 70, 70);
  GelaendeSetzen(quelle.Karte, 69, 0, 5);
  FeldZustandAnfuegen(quelle.Karte, 69, 0, TFeldZustand{zaStartpunkt, 0, 0, 0, 0, 0, zsAktiv});

  TKV ziel;
  SpielZuruecksetzen(ziel);
  ziel.Spieler.resize(5);
  ziel.Einheiten.resize(3);
  SpielKopieren(ziel, quelle);
  EXPECT_EQ(ziel.Stand.Werte[3], 33);
  EXPECT_EQ(ziel.Zufall.Generator.Saat, 77);
  EXPECT_EQ(ziel.Einstellungen.Bytes, quelle.Einstellungen.Bytes);
  EXPECT_EQ(ziel.Spieler, quelle.Spieler);
  EXPECT_EQ(ziel.Einheiten, quelle.Einheiten);
  EXPECT_EQ(FeldLesen(ziel.Karte, 69, 0), FeldLesen(quelle.Karte, 69, 0));

  ziel.Spieler[0].Name = "X";
  ziel.Spieler[0].Forschungen[1].Bytes[15] = 0;
  ziel.Spieler[0].Karte.Felder[1][1].Bytes[7] = 0;
  ziel.Spieler[0].Diplomatie.Diplomatien[1] = dipFeindlich;
  ziel.Spieler[1].Nachrichten[1][0].Bytes[523] = 0;
  ziel.Spieler[1].Nachrichten[0].resize(4);
  ziel.Einheiten[0].Zustaende[1].Bytes[27] = 0;
  ziel.Einheiten[0].Aufwertungen.clear();
  ziel.Einstellungen.Bytes[10] = 0;
  GelaendeSetzen(ziel.Karte, 69, 0, 1);
  FeldZustaendeAendern(ziel.Karte, 69, 0)[0].Status = 0;
  EXPECT_EQ(quelle.Spieler[0], BeispielSpieler());
  EXPECT_EQ(quelle.Spieler[1], BeispielSpieler());
  EXPECT_EQ(quelle.Einheiten[0], BeispielEinheit());
  EXPECT_EQ(quelle.Einstellungen.Bytes[10], 10);
  EXPECT_EQ(Gelaende(quelle.Karte, 69, 0), 5);
  EXPECT_EQ(FeldZustaende(quelle.Karte, 69, 0)[0].Status, zsAktiv);

  // Copying an empty record back empties players and units.
  TKV leer;
  SpielZuruecksetzen(leer);
  SpielKopieren(quelle, leer);
  EXPECT_TRUE(quelle.Spieler.empty());
  EXPECT_TRUE(quelle.Einheiten.empty());
  EXPECT_EQ(ziel.Spieler.size(), 2u);
  SpielKopieren(ziel, ziel);
  EXPECT_EQ(ziel.Spieler.size(), 2u);
}

TEST(Spiel, SpielerUndEinheitKopieren) {
  TSpieler ziel;
  ziel.Forschungen.resize(7);
  ziel.Nachrichten.resize(9);
  const TSpieler quelle = BeispielSpieler();
  SpielerKopieren(ziel, quelle);
  EXPECT_EQ(ziel, quelle);
  SpielerKopieren(ziel, TSpieler{});
  EXPECT_TRUE(ziel.Forschungen.empty());
  EXPECT_TRUE(ziel.Nachrichten.empty());
  TEinheit e;
  EinheitKopieren(e, BeispielEinheit());
  EXPECT_EQ(e, BeispielEinheit());
}

TEST(Szenario, LeerenBehaeltDieKartenwerte) {
  TSzenario s;
  for (TText& t : s.Texte)
    t = "abc";
  s.Reserve[6] = 4;
  for (int i = 0; i < 10; ++i)
    s.Kartenwerte[i] = i + 1;
  s.Geladen = sgGeladen;
  s.Zellen.Breite = s.Zellen.Hoehe = 2;
  s.Zellen.Gelaende = {1, 2, 3, 4};
  s.Startpunkte = {{1, 1}};
  SzenarioLeeren(s);
  for (const TText& t : s.Texte)
    EXPECT_TRUE(t.empty());
  for (int32_t r : s.Reserve)
    EXPECT_EQ(r, 0);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(s.Kartenwerte[i], i + 1);
  EXPECT_EQ(s.Geladen & sgGeladen, 0);
  EXPECT_EQ(s.Zellen.Breite, 0);
  EXPECT_TRUE(s.Zellen.Gelaende.empty());
  EXPECT_TRUE(s.Startpunkte.empty());
}

} // namespace
