#include "scenario/szenario_datei.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <zlib.h>

#include "hilfen.h"
#include "scenario/karte_erzeugen.h"
#include "scenario/komprimierung.h"
#include "scenario/szenario_umwandlung.h"

namespace {

TKV GefuellteKarte(int32_t breite, int32_t hoehe, uint8_t gelaende) {
  TKV kv = FrischesSpiel();
  TKartenParameter p;
  p.Breite = breite;
  p.Hoehe = hoehe;
  p.Gelaende = gelaende;
  p.Verfahren = kvFuellen;
  EXPECT_TRUE(KarteErzeugen(kv, p));
  return kv;
}

std::vector<uint8_t> DateiInhalt(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {});
}

void DateiSchreiben(const std::string& pfad, const std::vector<uint8_t>& daten) {
  std::ofstream f(pfad, std::ios::binary);
  f.write(reinterpret_cast<const char*>(daten.data()), static_cast<std::streamsize>(daten.size()));
}

std::vector<uint8_t> Packen(const std::vector<uint8_t>& daten, int stufe) {
  uLongf laenge = compressBound(daten.size());
  std::vector<uint8_t> aus(laenge);
  EXPECT_EQ(compress2(aus.data(), &laenge, daten.data(), daten.size(), stufe), Z_OK);
  aus.resize(laenge);
  return aus;
}

std::vector<uint8_t> Entpacken(const std::vector<uint8_t>& daten) {
  std::vector<uint8_t> aus(64 << 20);
  uLongf laenge = aus.size();
  EXPECT_EQ(uncompress(aus.data(), &laenge, daten.data(), daten.size()), Z_OK);
  aus.resize(laenge);
  return aus;
}

void ZahlAnStelle(std::vector<uint8_t>& bild, std::size_t stelle, int32_t wert) {
  for (int i = 0; i < 4; ++i)
    bild[stelle + i] = static_cast<uint8_t>(static_cast<uint32_t>(wert) >> (8 * i));
}

TEST(SzenarioBild, ZweiMalEinsBytegenau) {
  TKV kv = GefuellteKarte(2, 1, 3);
  StartSetzen(kv, 1, 0, 0);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  const std::vector<uint8_t> bild = SzenarioBild(s);
  ASSERT_EQ(bild.size(), 1871u);
  std::vector<uint8_t> erwartet(1871, 0);
  const uint8_t werte[] = {2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
  std::copy(std::begin(werte), std::end(werte), erwartet.begin() + 1820);
  erwartet[1861] = 3;
  erwartet[1862] = 3;
  erwartet[1863] = 1; // x = 1, y = 0
  EXPECT_EQ(bild, erwartet);
}

TEST(SzenarioBild, OhneZellenblockBeiBreiteNull) {
  TSzenario s;
  s.Kartenwerte[0] = 0;
  s.Kartenwerte[1] = 7;
  s.Kartenwerte[2] = 2;
  s.Startpunkte = {{3, 4}, {-1, 5}};
  const std::vector<uint8_t> bild = SzenarioBild(s);
  ASSERT_EQ(bild.size(), 1861u + 16u);
  EXPECT_EQ(bild[1861], 3);
  EXPECT_EQ(bild[1861 + 8], 0xFF); // -1, little-endian
  TSzenario zurueck;
  ASSERT_TRUE(SzenarioAusBild(zurueck, bild.data(), bild.size()));
  EXPECT_EQ(zurueck.Startpunkte, s.Startpunkte);
  EXPECT_TRUE(zurueck.Zellen.Gelaende.empty());
}

TEST(SzenarioBild, TexteFuellenIhrFeldUndKommenZurueck) {
  TSzenario s;
  s.Texte[stName] = std::string(255, 'N');
  s.Texte[stAutor] = "Gr\xFC\xDF"
                     "e";
  s.Texte[stBeschreibung] = std::string(300, 'b'); // longer texts are cut to 255
  s.Texte[stDatum] = "08.12.2026";
  const std::vector<uint8_t> bild = SzenarioBild(s);
  ASSERT_EQ(bild.size(), 1861u);
  EXPECT_EQ(bild[0], 255);
  EXPECT_EQ(bild[255], 'N');
  EXPECT_EQ(bild[256], 5);
  EXPECT_EQ(bild[257 + 3], 0xDF);
  EXPECT_EQ(bild[261], 'e');
  EXPECT_EQ(bild[262], 0); // filler after the author's five characters
  EXPECT_EQ(bild[768], 255);
  TSzenario zurueck;
  ASSERT_TRUE(SzenarioAusBild(zurueck, bild.data(), bild.size()));
  EXPECT_EQ(zurueck.Texte[stName], s.Texte[stName]);
  EXPECT_EQ(zurueck.Texte[stAutor], s.Texte[stAutor]);
  EXPECT_EQ(zurueck.Texte[stBeschreibung], std::string(255, 'b'));
  EXPECT_EQ(zurueck.Texte[stDatum], "08.12.2026");
  EXPECT_TRUE(zurueck.Geladen & sgGeladen);
}

TEST(SzenarioBild, FuellbytesUndReserveWerdenIgnoriert) {
  TSzenario s;
  s.Texte[stName] = "ab";
  std::vector<uint8_t> bild = SzenarioBild(s);
  bild[10] = 'x';               // filler of the name
  ZahlAnStelle(bild, 1792, 77); // a reserved value
  bild[1860] = 0xFF;            // the stored status byte
  TSzenario zurueck;
  ASSERT_TRUE(SzenarioAusBild(zurueck, bild.data(), bild.size()));
  EXPECT_EQ(zurueck.Texte[stName], "ab");
  EXPECT_EQ(zurueck.Reserve[0], 0);
  EXPECT_EQ(zurueck.Geladen, sgGeladen);
}

TEST(SzenarioBild, BildOhneAlleZellenIstBeschaedigt) {
  TKV kv = GefuellteKarte(3, 2, 5);
  StartSetzen(kv, 2, 1, 0);
  StartSetzen(kv, 1, 0, 1);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  s.Texte[stName] = "kurz";
  const std::vector<uint8_t> bild = SzenarioBild(s);
  // Cut within the cells, within the head, or empty: refused, and an earlier scenario's sizes
  // do not show through.
  for (std::size_t laenge : {std::size_t{1861 + 2}, std::size_t{1861}, std::size_t{1830},
                             std::size_t{300}, std::size_t{0}}) {
    TSzenario alt;
    alt.Kartenwerte[0] = 10;
    alt.Kartenwerte[1] = 8;
    alt.Kartenwerte[2] = 2;
    EXPECT_FALSE(SzenarioAusBild(alt, bild.data(), laenge)) << laenge;
    EXPECT_EQ(alt.Geladen & sgGeladen, 0);
    EXPECT_EQ(alt.Kartenwerte[0], 0);
    EXPECT_EQ(alt.Kartenwerte[2], 0);
    EXPECT_TRUE(alt.Texte[stName].empty());
  }
  // Only the start positions at the very end may be missing: they read as (0, 0).
  TSzenario zurueck;
  ASSERT_TRUE(SzenarioAusBild(zurueck, bild.data(), bild.size() - 8));
  EXPECT_EQ(zurueck.Zellen.Gelaende, s.Zellen.Gelaende);
  EXPECT_EQ(zurueck.Startpunkte, (std::vector<TPunkt>{{2, 1}, {0, 0}}));
}

TEST(SzenarioBild, UnsinnigeGroessenWerdenVerweigert) {
  for (auto [breite, hoehe, anzahl] :
       {std::tuple{10000, 1, 0}, std::tuple{1, 10000, 0}, std::tuple{2000000000, 2000000000, 0},
        std::tuple{0, 0, 1000001}}) {
    TSzenario s;
    s.Kartenwerte[0] = breite;
    s.Kartenwerte[1] = hoehe;
    s.Kartenwerte[2] = anzahl;
    std::vector<uint8_t> kopf = SzenarioBild(TSzenario{});
    for (int i = 0; i < 3; ++i)
      ZahlAnStelle(kopf, 1820 + 4 * i, s.Kartenwerte[i]);
    TSzenario zurueck;
    EXPECT_FALSE(SzenarioAusBild(zurueck, kopf.data(), kopf.size())) << breite << " " << anzahl;
    EXPECT_EQ(zurueck.Geladen & sgGeladen, 0);
    EXPECT_TRUE(zurueck.Zellen.Gelaende.empty());
    EXPECT_TRUE(zurueck.Startpunkte.empty());
  }
  // The limits themselves and sizes of 0 are fine.
  std::vector<uint8_t> kopf = SzenarioBild(TSzenario{});
  ZahlAnStelle(kopf, 1820, 0);
  ZahlAnStelle(kopf, 1824, 9999);
  ZahlAnStelle(kopf, 1828, 0);
  TSzenario zurueck;
  EXPECT_TRUE(SzenarioAusBild(zurueck, kopf.data(), kopf.size()));
  EXPECT_TRUE(zurueck.Startpunkte.empty());
  // Any negative width, height or start count is refused, the overflowing extremes too.
  for (auto [breite, hoehe, anzahl] : {std::tuple{-5, 10, 0}, std::tuple{10, -1, 0},
                                       std::tuple{0, 0, -3}, std::tuple{INT32_MIN, -1, 0}}) {
    ZahlAnStelle(kopf, 1820, breite);
    ZahlAnStelle(kopf, 1824, hoehe);
    ZahlAnStelle(kopf, 1828, anzahl);
    zurueck.Geladen = sgGeladen;
    EXPECT_FALSE(SzenarioAusBild(zurueck, kopf.data(), kopf.size())) << breite << " " << hoehe;
    EXPECT_EQ(zurueck.Geladen & sgGeladen, 0);
    EXPECT_EQ(zurueck.Kartenwerte[0], 0);
    TSzenario gepackt;
    const std::vector<uint8_t> datei = Packen(kopf, 1);
    EXPECT_FALSE(SzenarioEntpacken(gepackt, datei.data(), datei.size()));
    EXPECT_EQ(gepackt.Kartenwerte[0], 0);
  }
}

TEST(SzenarioUmwandlung, StartpunkteNachSpielerRang) {
  TKV kv = GefuellteKarte(4, 4, 3);
  StartSetzen(kv, 3, 0, 5);
  StartSetzen(kv, 0, 1, 2);
  StartSetzen(kv, 2, 2, 0);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  EXPECT_EQ(s.Kartenwerte[2], 3);
  EXPECT_EQ(s.Startpunkte, (TFlaeche{{2, 2}, {0, 1}, {3, 0}}));

  TKV neu = FrischesSpiel();
  ASSERT_TRUE(KarteAusSzenario(neu, s));
  EXPECT_EQ(neu.Karte.Spieleranzahl, 3);
  const TPunkt orte[] = {{2, 2}, {0, 1}, {3, 0}};
  for (int32_t i = 0; i < 3; ++i) {
    const auto z = FeldZustaende(neu.Karte, orte[i].x, orte[i].y);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0].Wert, i); // players 0, 2, 5 became 0, 1, 2
    EXPECT_EQ(z[0].Status, 3);
  }
}

TEST(SzenarioUmwandlung, GleicherSpielerInBesuchsreihenfolge) {
  TKV kv = GefuellteKarte(3, 3, 3);
  StartSetzen(kv, 2, 0, 1);
  StartSetzen(kv, 0, 2, 1); // visited first: column 0 comes before column 2
  StartSetzen(kv, 1, 1, 4);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  EXPECT_EQ(s.Startpunkte, (TFlaeche{{0, 2}, {2, 0}, {1, 1}}));
  // Loaded back, the two positions of player 1 belong to players 0 and 1.
  TKV neu = FrischesSpiel();
  ASSERT_TRUE(KarteAusSzenario(neu, s));
  EXPECT_EQ(FeldZustaende(neu.Karte, 0, 2)[0].Wert, 0);
  EXPECT_EQ(FeldZustaende(neu.Karte, 2, 0)[0].Wert, 1);
  EXPECT_EQ(FeldZustaende(neu.Karte, 1, 1)[0].Wert, 2);
}

TEST(SzenarioUmwandlung, NurDerErsteStartzustandZaehlt) {
  TKV kv = GefuellteKarte(2, 2, 3);
  // First state inactive, a later one active: the cell is not written.
  FeldZustandAnfuegen(kv.Karte, 0, 0, TFeldZustand{zaStartpunkt, 0, 0, 0, 0, 0, 0});
  FeldZustandAnfuegen(kv.Karte, 0, 0, TFeldZustand{zaStartpunkt, 1, 0, 0, 0, 0, 1});
  // A deposit before an active start position does not hide it.
  FeldZustandAnfuegen(kv.Karte, 1, 1, TFeldZustand{zaRohstoff, 900, 3, 0, 0, 1, 3});
  FeldZustandAnfuegen(kv.Karte, 1, 1, TFeldZustand{zaStartpunkt, 7, 0, 0, 0, 0, 1});
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  EXPECT_EQ(s.Startpunkte, (TFlaeche{{1, 1}}));
}

TEST(SzenarioUmwandlung, PunkteAusserhalbUndDoppelteWerdenUebergangen) {
  TSzenario s;
  s.Kartenwerte[0] = 3;
  s.Kartenwerte[1] = 2;
  s.Kartenwerte[2] = 5;
  s.Zellen = TSzenarioFelder{3, 2, {1, 2, 3, 4, 5, 6}};
  s.Startpunkte = {{3, 0}, {1, 1}, {-1, 0}, {1, 1}, {0, 2}};
  TKV kv = FrischesSpiel();
  ASSERT_TRUE(KarteAusSzenario(kv, s));
  EXPECT_EQ(kv.Karte.Spieleranzahl, 5);
  EXPECT_EQ(Gelaende(kv.Karte, 0, 1), 2);
  EXPECT_EQ(Gelaende(kv.Karte, 2, 0), 5);
  int32_t zustaende = 0;
  ZustandsfelderDurchlaufen(kv.Karte, [&](int32_t x, int32_t y, auto z) {
    zustaende += static_cast<int32_t>(z.size());
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(z[0].Wert, 1);
  });
  EXPECT_EQ(zustaende, 1);
  // More points announced than listed: only the listed ones.
  s.Kartenwerte[2] = 9;
  EXPECT_TRUE(KarteAusSzenario(kv, s));
}

class SzenarioDateiTest : public ::testing::Test {
protected:
  TTestordner Ordner;
  std::string Temp = Ordner.Datei("temp");
};

TEST_F(SzenarioDateiTest, SpeichernUndLadenGibtDasGleicheZurueck) {
  TKV kv = FrischesSpiel();
  kv.Zufall.Generator = TZufallsgenerator{1, 8231, 945, 23985381};
  TKartenParameter p;
  p.Breite = 37;
  p.Hoehe = 23;
  p.Verfahren = kvLandschaft;
  p.Landschaft = 2;
  ASSERT_TRUE(KarteErzeugen(kv, p));
  kv.Karte.Weitere[3] = -17;
  StartSetzen(kv, 36, 22, 1);
  StartSetzen(kv, 0, 0, 0);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  s.Texte[stName] = "Insel";
  s.Texte[stBeschreibung] = "zwei\r\nZeilen";
  const std::string pfad = Ordner.Datei("Insel.vdz");
  ASSERT_TRUE(SzenarioSpeichern(s, pfad));
  EXPECT_FALSE(std::filesystem::exists(Temp));

  // The file is a plain zlib stream of the image, its header saying "fastest".
  const std::vector<uint8_t> datei = DateiInhalt(pfad);
  ASSERT_GE(datei.size(), 2u);
  EXPECT_EQ(datei[0], 0x78);
  EXPECT_EQ(datei[1], 0x01);
  EXPECT_EQ(Entpacken(datei), SzenarioBild(s));

  TKV geladen = FrischesSpiel();
  TSzenario zurueck;
  ASSERT_TRUE(SzenarioLaden(geladen, zurueck, pfad));
  EXPECT_FALSE(std::filesystem::exists(Temp));
  EXPECT_EQ(zurueck.Geladen, sgGeladen);
  EXPECT_EQ(zurueck.Zellen.Gelaende, s.Zellen.Gelaende);
  EXPECT_EQ(zurueck.Startpunkte, (TFlaeche{{0, 0}, {36, 22}}));
  EXPECT_EQ(zurueck.Texte[stBeschreibung], "zwei\r\nZeilen");
  EXPECT_EQ(zurueck.Kartenwerte[6], -17);
  EXPECT_EQ(geladen.Karte.Breite, 0); // loading empties the game's map

  ASSERT_TRUE(KarteAusSzenario(geladen, zurueck));
  TSzenario nochmal;
  ASSERT_TRUE(SzenarioAusKarte(nochmal, geladen));
  for (int i = 0; i < 7; ++i)
    nochmal.Texte[i] = zurueck.Texte[i]; // the map carries no texts
  EXPECT_EQ(SzenarioBild(nochmal), SzenarioBild(zurueck));
}

TEST_F(SzenarioDateiTest, RohstoffeUndInaktiveStartsVerschwinden) {
  TKV kv = FrischesSpiel();
  TKartenParameter p;
  p.Breite = 20;
  p.Hoehe = 20;
  p.Gelaende = 2;
  p.MitRohstoffen = true;
  ASSERT_TRUE(KarteErzeugen(kv, p));
  StartSetzen(kv, 4, 4, 0, 0); // inactive
  StartSetzen(kv, 5, 5, 1);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  const std::string pfad = Ordner.Datei("r.vdz");
  ASSERT_TRUE(SzenarioSpeichern(s, pfad));
  TSzenario zurueck;
  ASSERT_TRUE(SzenarioLaden(kv, zurueck, pfad));
  ASSERT_TRUE(KarteAusSzenario(kv, zurueck));
  std::vector<TFeldZustand> alle;
  ZustandsfelderDurchlaufen(
      kv.Karte, [&](int32_t, int32_t, auto z) { alle.insert(alle.end(), z.begin(), z.end()); });
  ASSERT_EQ(alle.size(), 1u);
  EXPECT_EQ(alle[0].Art, zaStartpunkt);
  EXPECT_EQ(alle[0].Wert, 0);
}

TEST_F(SzenarioDateiTest, FremdeStroemeWerdenGelesen) {
  TKV kv = GefuellteKarte(5, 4, 8);
  StartSetzen(kv, 4, 3, 0);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  const std::vector<uint8_t> bild = SzenarioBild(s);
  for (int stufe : {0, 6, 9}) {
    const std::string pfad = Ordner.Datei("fremd" + std::to_string(stufe) + ".vdz");
    std::vector<uint8_t> daten = Packen(bild, stufe);
    DateiSchreiben(pfad, daten);
    TSzenario zurueck;
    ASSERT_TRUE(SzenarioLaden(kv, zurueck, pfad)) << stufe;
    EXPECT_EQ(SzenarioBild(zurueck), bild);
    TSzenario ausSpeicher;
    ASSERT_TRUE(SzenarioEntpacken(ausSpeicher, daten.data(), daten.size())) << stufe;
    EXPECT_EQ(SzenarioBild(ausSpeicher), bild);
    // Bytes after the stream's check value: not the file that was written.
    daten.push_back(0x55);
    DateiSchreiben(pfad, daten);
    std::string grund;
    EXPECT_FALSE(SzenarioLaden(kv, zurueck, pfad, &grund)) << stufe;
    EXPECT_EQ(grund, "damaged: other bytes follow the end of its compressed data");
    EXPECT_FALSE(SzenarioEntpacken(ausSpeicher, daten.data(), daten.size())) << stufe;
  }
  // A stream of nothing is not a scenario of no size.
  const std::vector<uint8_t> nichts = Packen({}, 6);
  DateiSchreiben(Ordner.Datei("nichts.vdz"), nichts);
  TSzenario zurueck;
  std::string grund;
  EXPECT_FALSE(SzenarioLaden(kv, zurueck, Ordner.Datei("nichts.vdz"), &grund));
  EXPECT_EQ(grund, "damaged: it ends after 0 bytes, before its map (1861 bytes come before the "
                   "cells)");
}

TEST_F(SzenarioDateiTest, BeschaedigteDateienScheiternSauber) {
  TKV kv = GefuellteKarte(6, 6, 3);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  const std::vector<uint8_t> gut = Packen(SzenarioBild(s), 1);

  std::vector<uint8_t> gekippt = gut;
  gekippt[gekippt.size() / 2] ^= 0x5A;
  std::vector<uint8_t> gekuerzt(gut.begin(), gut.end() - 6);
  std::vector<uint8_t> falscheSumme = gut;
  falscheSumme.back() ^= 1;
  const std::vector<uint8_t> text = {'h', 'a', 'l', 'l', 'o'};
  for (const auto& daten : {gekippt, gekuerzt, falscheSumme, text, std::vector<uint8_t>{}}) {
    const std::string pfad = Ordner.Datei("kaputt.vdz");
    DateiSchreiben(pfad, daten);
    TSzenario zurueck;
    zurueck.Geladen = sgGeladen;
    std::string grund;
    EXPECT_FALSE(SzenarioLaden(kv, zurueck, pfad, &grund));
    EXPECT_EQ(grund, "not a scenario file (not a zlib stream, or damaged)");
    EXPECT_EQ(zurueck.Geladen & sgGeladen, 0);
    EXPECT_EQ(kv.Karte.Breite, 0);
    EXPECT_FALSE(SzenarioEntpacken(zurueck, daten.data(), daten.size()));
  }
  // Each failure names its true reason; nothing is written beside the file.
  TSzenario zurueck;
  std::string grund;
  EXPECT_FALSE(SzenarioLaden(kv, zurueck, Ordner.Datei("fehlt.vdz"), &grund));
  EXPECT_EQ(grund, std::strerror(ENOENT));
  EXPECT_FALSE(SzenarioLaden(kv, zurueck, Ordner.Pfad.string(), &grund)); // a folder
  EXPECT_EQ(grund, "is a folder, not a scenario file");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Ordner.Pfad), {}), 1);
}

TEST_F(SzenarioDateiTest, RiesigeAngabenImKopfWerdenVerweigert) {
  // A tiny file announcing a 40 000 x 40 000 map must not be believed.
  std::vector<uint8_t> bild = SzenarioBild(TSzenario{});
  ZahlAnStelle(bild, 1820, 40000);
  ZahlAnStelle(bild, 1824, 40000);
  const std::string pfad = Ordner.Datei("gross.vdz");
  DateiSchreiben(pfad, Packen(bild, 1));
  TKV kv = FrischesSpiel();
  TSzenario s;
  std::string grund;
  EXPECT_FALSE(SzenarioLaden(kv, s, pfad, &grund));
  EXPECT_EQ(grund.rfind("sizes beyond 9999 x 9999 cells", 0), 0u) << grund;
  EXPECT_EQ(s.Geladen & sgGeladen, 0);
  EXPECT_EQ(s.Kartenwerte[0], 0);
}

TEST_F(SzenarioDateiTest, SpeichernErsetztInEinemSchritt) {
  TKV kv = GefuellteKarte(4, 4, 1);
  TSzenario s;
  ASSERT_TRUE(SzenarioAusKarte(s, kv));
  const std::string pfad = Ordner.Datei("a.vdz");
  ASSERT_TRUE(SzenarioSpeichern(s, pfad));
  const auto vorher = DateiInhalt(pfad);

  // Writing fails midway: false, the old file stays whole and no temporary file is left.
  std::string grund;
  EXPECT_FALSE(GepacktSchreiben(
      pfad,
      [](const TSchreiber& schreiben) {
        const std::vector<uint8_t> halb(1 << 20, 9);
        return schreiben(halb.data(), halb.size()) && false;
      },
      &grund));
  EXPECT_EQ(DateiInhalt(pfad), vorher);
  // The target's folder does not exist; a name too long for the file system is told as such.
  EXPECT_FALSE(SzenarioSpeichern(s, Ordner.Datei("fehlt/a.vdz"), &grund));
  EXPECT_NE(grund.find("No such file"), std::string::npos) << grund;
  EXPECT_FALSE(SzenarioSpeichern(s, Ordner.Datei(std::string(300, 'n') + ".vdz"), &grund));
  EXPECT_NE(grund.find("too long"), std::string::npos) << grund;
  EXPECT_FALSE(SzenarioSpeichern(s, "", &grund));
  EXPECT_EQ(grund, "the file name is empty");

  // A successful save over it leaves nothing but the two files behind.
  s.Texte[stName] = "neu";
  ASSERT_TRUE(SzenarioSpeichern(s, pfad));
  EXPECT_NE(DateiInhalt(pfad), vorher);
  int dateien = 0;
  for (const auto& e : std::filesystem::directory_iterator(Ordner.Pfad)) {
    (void)e;
    ++dateien;
  }
  EXPECT_EQ(dateien, 1);
}

TEST_F(SzenarioDateiTest, EntpackenHoertBeiDerObergrenzeAuf) {
  std::vector<uint8_t> viel(1 << 20, 7);
  const std::string quelle = Ordner.Datei("q");
  DateiSchreiben(quelle, Packen(viel, 1));
  ASSERT_TRUE(DateiEntpacken(quelle, Ordner.Datei("z"), 5000));
  EXPECT_EQ(std::filesystem::file_size(Ordner.Datei("z")), 5000u);
  ASSERT_TRUE(DateiEntpacken(quelle, Ordner.Datei("z")));
  EXPECT_EQ(DateiInhalt(Ordner.Datei("z")), viel);
}

TEST_F(SzenarioDateiTest, KomprimierenUndEntpackenAuchLeererDateien) {
  for (std::size_t groesse : {std::size_t{0}, std::size_t{1}, std::size_t{300000}}) {
    std::vector<uint8_t> daten(groesse);
    for (std::size_t i = 0; i < groesse; ++i)
      daten[i] = static_cast<uint8_t>(i * 7919 % 251);
    DateiSchreiben(Ordner.Datei("roh"), daten);
    ASSERT_TRUE(DateiKomprimieren(Ordner.Datei("roh"), Ordner.Datei("gepackt")));
    EXPECT_EQ(Entpacken(DateiInhalt(Ordner.Datei("gepackt"))), daten);
    ASSERT_TRUE(DateiEntpacken(Ordner.Datei("gepackt"), Ordner.Datei("zurueck")));
    EXPECT_EQ(DateiInhalt(Ordner.Datei("zurueck")), daten);
  }
  EXPECT_FALSE(DateiKomprimieren(Ordner.Datei("fehlt"), Ordner.Datei("x")));
  EXPECT_FALSE(std::filesystem::exists(Ordner.Datei("x")));
}

TEST(TempDateiname, ImBenutzerordner) {
  EXPECT_EQ(TempDateiname("/prog/", 0), "/prog/Benutzer/temp");
  EXPECT_EQ(TempDateiname("/prog", 3), "/prog/Benutzer/temp3");
  EXPECT_EQ(TempDateiname("/prog/", -1), "/prog/Benutzer/temp");
}

} // namespace
