#include "editor/aufbau.h"

#include <algorithm>

#include "model/karte.h"

namespace {

// Above this many changed cells a rebuild walks the cells with states of the whole map, which
// costs about as much as looking at every cell of 64 blocks.
constexpr int64_t Teilaufbaugrenze = int64_t{64} * 64 * 64;

bool VorDem(TPunkt a, TPunkt b) {
  return a.x < b.x || (a.x == b.x && a.y < b.y);
}

bool ImBereich(TPunkt p, const TKartenbereich& b) {
  return p.x >= b.Links && p.x <= b.Rechts && p.y >= b.Oben && p.y <= b.Unten;
}

// The drawing record and list entries of one cell from its states.
void ZelleAufnehmen(int32_t x, int32_t y, std::span<const TFeldZustand> zustaende,
                    std::vector<TStartposition>& positionen, std::vector<TStartzelle>& zellen) {
  bool start = false;
  int32_t spieler = 0;
  for (const TFeldZustand& z : zustaende)
    if ((z.Status & zsAktiv) && z.Art == zaStartpunkt) {
      start = true;
      spieler = z.Wert;
      positionen.push_back({{x, y}, z.Wert});
    }
  if (!start) return;
  // The player's colour shows only when the cell's first start-position state is the active one.
  bool farbig = false;
  for (const TFeldZustand& z : zustaende)
    if (z.Art == zaStartpunkt) {
      farbig = (z.Status & zsAktiv) != 0;
      break;
    }
  zellen.push_back({{x, y}, spieler, farbig});
}

void VollAufbau(TProgrammFelder& pf, const TKarte& karte, std::vector<TStartposition>& positionen) {
  positionen.clear();
  pf.Startzellen.clear();
  const int32_t breite = pf.Breite, hoehe = pf.Hoehe;
  ZustandsfelderDurchlaufen(karte, [&](int32_t x, int32_t y, std::span<const TFeldZustand> z) {
    if (x < breite && y < hoehe) ZelleAufnehmen(x, y, z, positionen, pf.Startzellen);
  });
}

// Looks again only at the cells of the changed rectangles and merges the result into the lists,
// which stay ordered column by column.
void TeilAufbau(TProgrammFelder& pf, const TKarte& karte,
                const std::vector<TKartenbereich>& bereiche,
                std::vector<TStartposition>& positionen) {
  auto betroffen = [&](TPunkt p) {
    for (const TKartenbereich& b : bereiche)
      if (ImBereich(p, b)) return true;
    return false;
  };
  std::vector<TStartposition> neuePositionen;
  std::vector<TStartzelle> neueZellen;
  for (const TKartenbereich& b : bereiche)
    for (int32_t x = b.Links; x <= b.Rechts; ++x)
      for (int32_t y = b.Oben; y <= b.Unten; ++y) {
        const auto z = FeldZustaende(karte, x, y);
        if (!z.empty()) ZelleAufnehmen(x, y, z, neuePositionen, neueZellen);
      }
  std::stable_sort(
      neuePositionen.begin(), neuePositionen.end(),
      [](const TStartposition& a, const TStartposition& b) { return VorDem(a.Ort, b.Ort); });
  std::stable_sort(neueZellen.begin(), neueZellen.end(),
                   [](const TStartzelle& a, const TStartzelle& b) { return VorDem(a.Ort, b.Ort); });

  std::erase_if(positionen, [&](const TStartposition& s) { return betroffen(s.Ort); });
  std::erase_if(pf.Startzellen, [&](const TStartzelle& s) { return betroffen(s.Ort); });

  std::vector<TStartposition> positionenNeu;
  positionenNeu.reserve(positionen.size() + neuePositionen.size());
  std::merge(positionen.begin(), positionen.end(), neuePositionen.begin(), neuePositionen.end(),
             std::back_inserter(positionenNeu),
             [](const TStartposition& a, const TStartposition& b) { return VorDem(a.Ort, b.Ort); });
  positionen = std::move(positionenNeu);

  std::vector<TStartzelle> zellenNeu;
  zellenNeu.reserve(pf.Startzellen.size() + neueZellen.size());
  std::merge(pf.Startzellen.begin(), pf.Startzellen.end(), neueZellen.begin(), neueZellen.end(),
             std::back_inserter(zellenNeu),
             [](const TStartzelle& a, const TStartzelle& b) { return VorDem(a.Ort, b.Ort); });
  pf.Startzellen = std::move(zellenNeu);
}

} // namespace

void ProgrammfelderVergessen(TProgramm& programm) {
  TProgrammFelder& pf = programm.ProgrammSpiel.Programmfelder;
  pf.Stand = TKarte{};
  pf.StandGueltig = false;
}

void ProgrammfelderAnpassen(TEditor& e) {
  TProgrammFelder& pf = e.Programm.ProgrammSpiel.Programmfelder;
  const TKarte& karte = e.KV.Karte;
  const int32_t breite = std::max(karte.Breite, 0), hoehe = std::max(karte.Hoehe, 0);
  if (pf.Breite == breite && pf.Hoehe == hoehe) return;
  pf.Breite = breite;
  pf.Hoehe = hoehe;
  pf.Startzellen.clear();
  e.Programm.ProgrammSpiel.Speicher.Startpositionen.clear();
  ProgrammfelderVergessen(e.Programm);
}

void KarteNeuAufbauen(TEditor& e) {
  // A map of another size (a restored snapshot) must never be read through records of the
  // old size.
  ProgrammfelderAnpassen(e);
  TProgrammFelder& pf = e.Programm.ProgrammSpiel.Programmfelder;
  std::vector<TStartposition>& positionen = e.Programm.ProgrammSpiel.Speicher.Startpositionen;
  const TKarte& karte = e.KV.Karte;

  TUebersichtAenderung aenderung;
  if (!pf.StandGueltig) {
    VollAufbau(pf, karte, positionen);
    aenderung.Alles = true;
  } else {
    std::vector<TKartenbereich> bereiche = GeaenderteBereiche(pf.Stand, karte);
    int64_t flaeche = 0;
    std::vector<TKartenbereich> aufKarte;
    for (TKartenbereich b : bereiche) {
      b.Rechts = std::min(b.Rechts, pf.Breite - 1);
      b.Unten = std::min(b.Unten, pf.Hoehe - 1);
      if (b.Links > b.Rechts || b.Oben > b.Unten) continue;
      flaeche += int64_t{b.Rechts - b.Links + 1} * (b.Unten - b.Oben + 1);
      aufKarte.push_back(b);
    }
    if (flaeche > Teilaufbaugrenze)
      VollAufbau(pf, karte, positionen);
    else if (!aufKarte.empty())
      TeilAufbau(pf, karte, aufKarte, positionen);
    aenderung.Bereiche = std::move(aufKarte);
  }
  pf.Stand = karte;
  pf.StandGueltig = true;
  UebersichtMelden(e, std::move(aenderung));
}

void UebersichtMelden(TEditor& e, TUebersichtAenderung aenderung) {
  TProgramm& p = e.Programm;
  if (!AnzeigeAn(p, aoUebersicht)) {
    // A moved view frame needs nothing remembered; changed cells do.
    if (aenderung.Alles || !aenderung.Bereiche.empty()) p.UebersichtVeraltet = true;
    return;
  }
  if (p.UebersichtVeraltet) {
    aenderung.Alles = true;
    aenderung.Bereiche.clear();
    p.UebersichtVeraltet = false;
  }
  if (aenderung.Alles) aenderung.Bereiche.clear();
  if (e.Umgebung.UebersichtAktualisieren) e.Umgebung.UebersichtAktualisieren(aenderung);
}

void UebersichtAktualisieren(TEditor& e) {
  UebersichtMelden(e, {});
}

TProgrammFeld ProgrammFeld(const TProgramm& programm, const TKV& kv, int32_t x, int32_t y) {
  const TProgrammFelder& pf = programm.ProgrammSpiel.Programmfelder;
  const TFarbtabellen& farben = programm.Farben;
  if (x < 0 || y < 0 || x >= pf.Breite || y >= pf.Hoehe)
    return {false, 0, Gelaendefarbe(farben, 0)};
  const TPunkt p{x, y};
  auto it = std::lower_bound(pf.Startzellen.begin(), pf.Startzellen.end(), p,
                             [](const TStartzelle& z, TPunkt q) { return VorDem(z.Ort, q); });
  const TFarbKollektion& gelaende = Gelaendefarbe(farben, Gelaende(kv.Karte, x, y));
  if (it == pf.Startzellen.end() || !(it->Ort == p)) return {false, 0, gelaende};
  return {true, it->StartSpieler,
          it->Spielerfarbe ? Spielerfarbe(farben, it->StartSpieler) : gelaende};
}
