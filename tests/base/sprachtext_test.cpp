#include "base/sprachtext.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TText Text(uint8_t id, int32_t n = 0, int32_t m = 0, uint8_t sprache = 0) {
  TText t;
  SprachText(id, n, m, t, sprache);
  return t;
}

} // namespace

TEST(SprachText, Anzahltexte) {
  EXPECT_EQ(Text(0, 1), "1 Runde");
  EXPECT_EQ(Text(0, 2), "2 Runden");
  EXPECT_EQ(Text(0, 0), "0 Runden");
  EXPECT_EQ(Text(0, 1, 0, 1), "1 round");
  EXPECT_EQ(Text(0, -1, 0, 1), "-1 rounds");
  EXPECT_EQ(Text(11, 1), "1 Punkt");
  EXPECT_EQ(Text(11, 3), "3 Punkte");
  EXPECT_EQ(Text(11, 1, 0, 1), "1 point");
  EXPECT_EQ(Text(11, 0, 0, 1), "0 points");
}

TEST(SprachText, FesteTexteInLatin1) {
  EXPECT_EQ(Text(1), "Spielmen\xFC");
  EXPECT_EQ(Text(1, 0, 0, 1), "Game menue");
  EXPECT_EQ(Text(8), "Zur\xFC"
                     "ck zur Karte");
  EXPECT_EQ(Text(24), "Daten");
  EXPECT_EQ(Text(30), "Salve:  ");
  EXPECT_EQ(Text(30, 0, 0, 1), "Salve:  ");
  EXPECT_EQ(Text(31), "Intensit\xE4t:  ");
  EXPECT_EQ(Text(38, 0, 0, 1), "Exit");
  EXPECT_EQ(Text(23), "Dr\xFC"
                      "cke \"M\" um die Meldungen zu schlie\xDF"
                      "en");
  EXPECT_EQ(Text(23, 0, 0, 1), "Press \"M\" to hide messages");
  // Every defined id gives a text in both languages.
  for (uint8_t id = 0; id <= 38; ++id) {
    EXPECT_FALSE(Text(id).empty()) << int(id);
    EXPECT_FALSE(Text(id, 0, 0, 1).empty()) << int(id);
  }
}

TEST(SprachText, ZahlenImText) {
  EXPECT_EQ(Text(17, 40), "Gr\xF6\xDF"
                          "e: 40");
  EXPECT_EQ(Text(22, 12, 0, 1), "Round 12");
  EXPECT_EQ(Text(25, 2, 5), "Seite 2 von 5");
  EXPECT_EQ(Text(25, 2, 5, 1), "Page 2 of 5");
  EXPECT_EQ(Text(34, 0), "0 Spieler");
  EXPECT_EQ(Text(34, 8, 0, 1), "8 players");
  EXPECT_EQ(Text(35, 3), "Abbild 3");
  EXPECT_EQ(Text(35, 10, 0, 1), "Copy 10");
}

TEST(SprachText, AktiviertNurBeiPositivemN) {
  EXPECT_EQ(Text(26, 1), "aktiviert");
  EXPECT_EQ(Text(26, 0), "deaktiviert");
  EXPECT_EQ(Text(26, -3), "deaktiviert");
  EXPECT_EQ(Text(26, 5, 0, 1), "activated");
  EXPECT_EQ(Text(26, 0, 0, 1), "deactivated");
}

TEST(SprachText, HundertstelUndBonus) {
  EXPECT_EQ(Text(27, 250, -150), "Panzerung:  2 - 1");
  EXPECT_EQ(Text(27, 250, 99), "Panzerung:  2");
  EXPECT_EQ(Text(27, 250, 300), "Panzerung:  2 + 3");
  EXPECT_EQ(Text(27, 250, -99), "Panzerung:  2");
  EXPECT_EQ(Text(27, 250, -150, 1), "Armor:  2");
  EXPECT_EQ(Text(27, 250, 500, 1), "Armor:  2");
  EXPECT_EQ(Text(27, 0, std::numeric_limits<int32_t>::min()), "Panzerung:  0 - 21474836");
  EXPECT_EQ(Text(28, -150), "Reichweite:  -1");
  EXPECT_EQ(Text(28, -99), "Reichweite:  0");
  EXPECT_EQ(Text(28, 150, 0, 1), "Range:  1");
  EXPECT_EQ(Text(29, 1000), "Sicht:  10");
  EXPECT_EQ(Text(29, 1000, 0, 1), "Sight:  10");
}

TEST(SprachText, SpielerUndDatei) {
  TText t = "alt";
  SprachText(9, 2, 0, t, 0, "Anna", "Speicher/spiel.vdz");
  EXPECT_EQ(t, "Sende die Datei \"spiel.vdz\" nun an \"Anna\" - \"alt\".");
  t = "old";
  SprachText(9, 2, 0, t, 1, "Anna");
  EXPECT_EQ(t, "Send the file \"\" to \"Anna\" - \"old\".");
  SprachText(18, 1, 0, t, 0, "Bernd");
  EXPECT_EQ(t, "Diplomatie zu Bernd ge\xE4"
               "ndert");
  SprachText(18, 1, 0, t, 1, "Bernd");
  EXPECT_EQ(t, "Changed diplomacy with Bernd");
}

TEST(SprachText, UnbekanntBleibtUnberuehrt) {
  for (uint8_t id : {39, 40, 127, 255}) {
    TText t = "unberuehrt";
    SprachText(id, 1, 1, t, 0);
    EXPECT_EQ(t, "unberuehrt") << int(id);
  }
  TText t = "unberuehrt";
  SprachText(1, 0, 0, t, 2);
  EXPECT_EQ(t, "unberuehrt");
  SprachText(0, 5, 0, t, 255);
  EXPECT_EQ(t, "unberuehrt");
  SprachText(1, 0, 0, t, 0);
  EXPECT_EQ(t, "Spielmen\xFC");
}
