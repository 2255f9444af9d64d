#include "scenario/szenario_umwandlung.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "model/zustaende.h"

namespace {

struct TStartEintrag {
  TPunkt Ort;
  int32_t Spieler = 0;
};

// The grid and the map values agree (they always do, unless a map was built by hand).
bool GitterPasst(const TKarte& karte) {
  return FelderBreite(karte) == karte.Breite && FelderHoehe(karte) == karte.Hoehe;
}

} // namespace

bool SzenarioAusKarte(TSzenario& s, const TKV& kv) {
  const TKarte& karte = kv.Karte;
  SzenarioLeeren(s);
  KartenwerteLesen(karte, s.Kartenwerte);
  s.Kartenwerte[2] = 0;
  const int32_t breite = karte.Breite, hoehe = karte.Hoehe;
  try {
    if (breite > 0 && hoehe > 0) {
      s.Zellen.Breite = breite;
      s.Zellen.Hoehe = hoehe;
      s.Zellen.Gelaende.assign(static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe),
                               0);
      const bool passt = GitterPasst(karte);
      for (int32_t x = 0; x < breite; ++x) {
        uint8_t* spalte = s.Zellen.Gelaende.data() + static_cast<std::size_t>(x) * hoehe;
        if (passt) {
          SpalteLesen(karte, x, spalte);
        } else {
          for (int32_t y = 0; y < hoehe; ++y)
            spalte[y] = Gelaende(karte, x, y);
        }
      }
    }

    // A cell counts when its first start-position state is active; later ones are not looked at.
    std::vector<TStartEintrag> liste;
    ZustandsfelderDurchlaufen(karte,
                              [&](int32_t x, int32_t y, std::span<const TFeldZustand> zustaende) {
                                if (x < 0 || x >= breite || y < 0 || y >= hoehe) return;
                                for (const TFeldZustand& z : zustaende) {
                                  if (z.Art != zaStartpunkt) continue;
                                  if (z.Status & zsAktiv) liste.push_back({TPunkt{x, y}, z.Wert});
                                  return;
                                }
                              });
    // By player number; equal numbers keep the order in which the cells were visited.
    std::stable_sort(
        liste.begin(), liste.end(),
        [](const TStartEintrag& a, const TStartEintrag& b) { return a.Spieler < b.Spieler; });
    s.Startpunkte.reserve(liste.size());
    for (const TStartEintrag& e : liste)
      s.Startpunkte.push_back(e.Ort);
    s.Kartenwerte[2] = static_cast<int32_t>(liste.size());
  } catch (const std::exception&) {
    SzenarioLeeren(s);
    s.Kartenwerte[2] = 0;
    return false;
  }
  return true;
}

bool KarteAusSzenario(TKV& kv, const TSzenario& s) {
  TKarte& karte = kv.Karte;
  try {
    KartenwerteSchreiben(karte, s.Kartenwerte);
    const int32_t breite = karte.Breite, hoehe = karte.Hoehe;
    FelderAnlegen(karte, breite, hoehe);
    if (breite > 0 && hoehe > 0) {
      const TSzenarioFelder& z = s.Zellen;
      const bool vollstaendig =
          z.Breite == breite && z.Hoehe == hoehe &&
          z.Gelaende.size() == static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe);
      if (vollstaendig) {
        for (int32_t x = 0; x < breite; ++x)
          SpalteSchreiben(karte, x, z.Gelaende.data() + static_cast<std::size_t>(x) * hoehe);
      }
    }

    TFeldZustand vorlage;
    vorlage.Art = zaStartpunkt;
    vorlage.Status = zsAktiv | zsErzeugt;
    const int64_t anzahl =
        std::min<int64_t>(karte.Spieleranzahl, static_cast<int64_t>(s.Startpunkte.size()));
    for (int64_t i = 0; i < anzahl; ++i) {
      const TPunkt p = s.Startpunkte[static_cast<std::size_t>(i)];
      // Only a hand-made file can put a start position off its own map.
      if (p.x < 0 || p.x >= breite || p.y < 0 || p.y >= hoehe) continue;
      if (HatZustand(karte, p, zaStartpunkt)) continue;
      const int32_t index = ZustandHinzufuegen(karte, p, zaStartpunkt);
      vorlage.Wert = static_cast<int32_t>(i);
      FeldZustaendeAendern(karte, p.x, p.y)[index] = vorlage;
    }
  } catch (const std::exception&) {
    KarteLeeren(karte);
    return false;
  }
  return true;
}
