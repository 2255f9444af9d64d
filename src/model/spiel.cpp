#include "model/spiel.h"

void SpielZuruecksetzen(TKV& kv) {
  kv.Stand = TSpielStand{};
  kv.Stand.Merker = 1;
  kv.Zufall.Vorne = 0;
  ZufallInitialisieren(kv.Zufall.Generator);
  kv.Zufall.Hinten = 0;
  EinstellungenZuruecksetzen(kv.Einstellungen);
  kv.Spieler = TSpielers{};
  kv.Einheiten = TEinheiten{};
  KarteLeeren(kv.Karte);
}

void SpielKopieren(TKV& ziel, const TKV& quelle) {
  if (&ziel == &quelle) return;
  ziel.Stand = quelle.Stand;
  ziel.Zufall = quelle.Zufall;
  ziel.Einstellungen = quelle.Einstellungen;
  ziel.Spieler.resize(quelle.Spieler.size());
  for (std::size_t i = 0; i < quelle.Spieler.size(); ++i)
    SpielerKopieren(ziel.Spieler[i], quelle.Spieler[i]);
  KarteKopieren(ziel.Karte, quelle.Karte);
  ziel.Einheiten.resize(quelle.Einheiten.size());
  for (std::size_t i = 0; i < quelle.Einheiten.size(); ++i)
    EinheitKopieren(ziel.Einheiten[i], quelle.Einheiten[i]);
}

// The records hold only values and standard containers, so assignment already gives the
// target its own copy of every embedded array.
void SpielerKopieren(TSpieler& ziel, const TSpieler& quelle) {
  ziel = quelle;
}

void EinheitKopieren(TEinheit& ziel, const TEinheit& quelle) {
  ziel = quelle;
}
