#include "model/zustaende.h"

void ZustandLeeren(TFeldZustand& zustand) {
  zustand = TFeldZustand{};
}

int32_t ZustandHinzufuegen(TKarte& karte, TPunkt p, uint8_t art) {
  TFeldZustand zustand;
  ZustandLeeren(zustand);
  zustand.Art = art;
  return FeldZustandAnfuegen(karte, p.x, p.y, zustand);
}

bool HatZustand(const TKarte& karte, TPunkt p, uint8_t art) {
  for (const TFeldZustand& z : FeldZustaende(karte, p.x, p.y))
    if (z.Art == art) return true;
  return false;
}

int32_t ZustandIndex(TKarte& karte, TPunkt p, uint8_t art) {
  const auto zustaende = FeldZustaende(karte, p.x, p.y);
  for (std::size_t i = 0; i < zustaende.size(); ++i)
    if (zustaende[i].Art == art) return static_cast<int32_t>(i);
  return ZustandHinzufuegen(karte, p, art);
}

bool ZustandGueltig(const TKarte& karte, TPunkt p, int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < FeldZustaende(karte, p.x, p.y).size();
}

bool ZustandAktivAn(const TKarte& karte, TPunkt p, int32_t index) {
  // An index outside the cell's states (also -1 from a point off the map) is not active.
  if (!ZustandGueltig(karte, p, index)) return false;
  return (FeldZustaende(karte, p.x, p.y)[index].Status & zsAktiv) != 0;
}

bool ZustandAktiv(TKarte& karte, TPunkt p, uint8_t art, bool nurVorhandene) {
  if (nurVorhandene && !HatZustand(karte, p, art)) return false;
  return ZustandAktivAn(karte, p, ZustandIndex(karte, p, art));
}

int32_t ZustandDeaktivieren(TKarte& karte, TPunkt p, uint8_t art) {
  const int32_t index = ZustandIndex(karte, p, art);
  if (ZustandGueltig(karte, p, index)) {
    TFeldZustand& z = FeldZustaendeAendern(karte, p.x, p.y)[index];
    z.Status = static_cast<uint8_t>(z.Status & ~zsAktiv);
  }
  return index;
}
