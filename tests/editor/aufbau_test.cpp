#include <gtest/gtest.h>

#include <random>

#include "editor_hilfe.h"

namespace {

// The start-position list and drawing records as a rebuild over every cell gives them.
void VollstaendigPruefen(TTestEditor& t) {
  std::vector<TStartposition> erwartet;
  const TKarte& karte = t.KV.Karte;
  for (int32_t x = 0; x < karte.Breite; ++x)
    for (int32_t y = 0; y < karte.Hoehe; ++y) {
      bool start = false;
      int32_t spieler = 0;
      for (const TFeldZustand& z : FeldZustaende(karte, x, y))
        if ((z.Status & zsAktiv) && z.Art == zaStartpunkt) {
          start = true;
          spieler = z.Wert;
          erwartet.push_back({{x, y}, z.Wert});
        }
      TKarte kopie = karte;
      const bool farbig = ZustandAktiv(kopie, {x, y}, zaStartpunkt, true);
      const TProgrammFeld f = ProgrammFeld(t.Programm, t.KV, x, y);
      ASSERT_EQ(f.Start, start) << x << "," << y;
      if (start) {
        ASSERT_EQ(f.StartSpieler, spieler);
      }
      const TFarbKollektion& farbe = start && farbig ? Spielerfarbe(t.Programm.Farben, spieler)
                                                     : Gelaendefarbe(t.Programm.Farben, t.G(x, y));
      ASSERT_EQ(&f.Farbe, &farbe) << x << "," << y;
    }
  const auto& liste = t.Programm.ProgrammSpiel.Speicher.Startpositionen;
  ASSERT_EQ(liste.size(), erwartet.size());
  for (std::size_t i = 0; i < liste.size(); ++i) {
    EXPECT_EQ(liste[i].Ort, erwartet[i].Ort) << i;
    EXPECT_EQ(liste[i].Spieler, erwartet[i].Spieler) << i;
  }
}

bool Abgedeckt(const TUebersichtAenderung& a, TPunkt p) {
  if (a.Alles) return true;
  for (const TKartenbereich& b : a.Bereiche)
    if (p.x >= b.Links && p.x <= b.Rechts && p.y >= b.Oben && p.y <= b.Unten) return true;
  return false;
}

} // namespace

TEST(Aufbau, IncrementalRebuildsMatchAFullOne) {
  TTestEditor t(200, 150, 1);
  TProgrammSpiel& ps = t.Programm.ProgrammSpiel;
  ZoomSetzen(t.Programm, 6);
  std::mt19937 zufall(7);
  auto zelle = [&] {
    return TPunkt{static_cast<int32_t>(zufall() % 200), static_cast<int32_t>(zufall() % 150)};
  };
  for (int runde = 0; runde < 300; ++runde) {
    const TPunkt c = zelle();
    t.Zentrieren(c);
    switch (zufall() % 6) {
    case 0:
    case 1:
      ps.Modus = moStartpositionen;
      ps.SpielerNummer = static_cast<int32_t>(zufall() % 14);
      t.Druecken(c);
      break;
    case 2:
      ps.Modus = moStartpositionen;
      t.Druecken(c, mtRechts);
      break;
    case 3: {
      ps.Modus = moGelaende;
      ps.Werkzeug = static_cast<uint8_t>(zufall() % 5);
      ps.Groesse = static_cast<int32_t>(zufall() % 6);
      ps.Gelaende = static_cast<uint8_t>(zufall() % 16);
      t.Uebersichten.clear();
      const TKarte vorher = t.KV.Karte;
      t.Druecken(c);
      // The overview hears of every changed cell.
      ASSERT_EQ(t.Uebersichten.size(), 1u);
      for (int32_t x = std::max(c.x - 5, 0); x <= std::min(c.x + 5, 199); ++x)
        for (int32_t y = std::max(c.y - 5, 0); y <= std::min(c.y + 5, 149); ++y)
          if (Gelaende(vorher, x, y) != t.G(x, y)) {
            ASSERT_TRUE(Abgedeckt(t.Uebersichten[0], {x, y})) << x << "," << y;
          }
      break;
    }
    case 4:
      t.Taste(static_cast<uint16_t>(vk0 + zufall() % 3), zufall() % 2 ? ssCtrl : 0);
      break;
    case 5:
      t.Taste(vkZ);
      break;
    }
    VollstaendigPruefen(t);
    if (HasFatalFailure()) return;
  }
  EXPECT_FALSE(ps.Speicher.Startpositionen.empty());
}

TEST(Aufbau, SeveralActiveStatesOnOneCell) {
  TTestEditor t(70, 70, 2);
  // A loaded map may hold two start-position states on one cell; the first one inactive.
  TFeldZustand z;
  z.Art = zaStartpunkt;
  z.Wert = 3;
  z.Status = 0;
  FeldZustandAnfuegen(t.KV.Karte, 66, 1, z);
  z.Wert = 5;
  z.Status = zsAktiv;
  FeldZustandAnfuegen(t.KV.Karte, 66, 1, z);
  z.Wert = 7;
  FeldZustandAnfuegen(t.KV.Karte, 66, 1, z);
  z.Wert = -13; // a negative player number must not index outside the colours
  FeldZustandAnfuegen(t.KV.Karte, 0, 0, z);
  KarteNeuAufbauen(t.E);
  const auto& liste = t.Programm.ProgrammSpiel.Speicher.Startpositionen;
  ASSERT_EQ(liste.size(), 3u);
  EXPECT_EQ(liste[0].Spieler, -13);
  EXPECT_EQ(liste[1].Spieler, 5);
  EXPECT_EQ(liste[2].Spieler, 7);
  const TProgrammFeld f = ProgrammFeld(t.Programm, t.KV, 66, 1);
  EXPECT_TRUE(f.Start);
  EXPECT_EQ(f.StartSpieler, 7);
  EXPECT_EQ(&f.Farbe, &Gelaendefarbe(t.Programm.Farben, 2)); // the first state is inactive
  EXPECT_EQ(&ProgrammFeld(t.Programm, t.KV, 0, 0).Farbe, &Spielerfarbe(t.Programm.Farben, 11));
  VollstaendigPruefen(t);
  // Outside the records: terrain 0, no start.
  EXPECT_FALSE(ProgrammFeld(t.Programm, t.KV, 70, 0).Start);
  EXPECT_FALSE(ProgrammFeld(t.Programm, t.KV, -1, 5).Start);
}

TEST(Aufbau, OverviewUpdates) {
  TTestEditor t(100, 100, 0);
  ASSERT_FALSE(t.Uebersichten.empty());
  EXPECT_TRUE(t.Uebersichten.back().Alles); // opening builds the whole image
  t.Zentrieren({70, 10});
  t.Uebersichten.clear();
  t.Programm.ProgrammSpiel.Gelaende = 4;
  t.Druecken({70, 10});
  ASSERT_EQ(t.Uebersichten.size(), 1u);
  EXPECT_FALSE(t.Uebersichten[0].Alles);
  EXPECT_TRUE(Abgedeckt(t.Uebersichten[0], {70, 10}));
  EXPECT_FALSE(Abgedeckt(t.Uebersichten[0], {10, 70}));
  // A press that changes nothing reports no cells.
  t.Druecken({70, 10});
  ASSERT_EQ(t.Uebersichten.size(), 2u);
  EXPECT_FALSE(t.Uebersichten[1].Alles);
  EXPECT_TRUE(t.Uebersichten[1].Bereiche.empty());
  // Switched off, the overview hears nothing; switched on again, the next update is whole.
  t.Taste(vkU);
  t.Uebersichten.clear();
  t.Druecken({71, 11});
  t.Taste(vkLinks);
  EXPECT_TRUE(t.Uebersichten.empty());
  t.Taste(vkU);
  t.Taste(vkLinks);
  ASSERT_EQ(t.Uebersichten.size(), 1u);
  EXPECT_TRUE(t.Uebersichten[0].Alles);
  t.Taste(vkLinks);
  EXPECT_FALSE(t.Uebersichten.back().Alles);
}
