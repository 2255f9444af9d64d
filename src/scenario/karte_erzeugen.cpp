#include "scenario/karte_erzeugen.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "base/zahlen.h"
#include "base/zufall.h"
#include "model/einstellungen.h"
#include "model/tabellen.h"
#include "model/zustaende.h"

namespace {

constexpr int32_t ErzIndex = 1; // the only resource ever placed: "Erz"

// Deposit amounts for the settings of the game record (only game definition 0 places any).
struct TRohstoffVorgabe {
  int32_t Schwelle = 0; // frequency per 10 000 cells
  int32_t Basis = 0;
  int32_t Streuung = 0;
  int32_t Wert2 = 0;
};

TRohstoffVorgabe RohstoffVorgabe(const TSpielEinstellungen& e) {
  const TSpielDefinition& spiel = Spieldefinitionen[0];
  const TRohstoffArt& erz = spiel.Rohstoffe[ErzIndex];
  // A choice outside 0 ... 2 in damaged settings takes the largest.
  const int wahlHaeufigkeit = std::min<int>(Rohstoffmenge(e, 0), 2);
  const int wahlA = std::min<int>(Rohstoffmenge(e, 1), 2);
  const int wahlB = std::min<int>(Rohstoffmenge(e, 2), 2);
  TRohstoffVorgabe v;
  v.Schwelle = erz.Werte[4 + wahlHaeufigkeit];
  v.Basis = (Optionen(e) & opRohstoffTabelleA) ? erz.Werte[7 + wahlA] : erz.Werte[10 + wahlB];
  v.Streuung = erz.Werte[2] * v.Basis / 100;
  v.Wert2 = spiel.Werte[4] * erz.Werte[10 + wahlB] / 100;
  return v;
}

void RohstoffeSetzen(TKarte& karte, int32_t x, int32_t hoehe, const TRohstoffVorgabe& v,
                     TFeldZustand vorlage) {
  for (int32_t y = 0; y < hoehe; ++y) {
    if (Zufall(10000) >= v.Schwelle) continue;
    const TPunkt p{x, y};
    const int32_t index = ZustandHinzufuegen(karte, p, zaRohstoff);
    int32_t menge = v.Basis;
    if (v.Streuung > 0) menge = AufStellenRunden(1, Zufall(2 * v.Streuung) + v.Basis - v.Streuung);
    vorlage.Wert = menge;
    vorlage.Wert2 = v.Wert2;
    FeldZustaendeAendern(karte, x, y)[index] = vorlage;
  }
}

void StartpunkteSetzen(TKarte& karte, int32_t breite, int32_t hoehe, int32_t anzahl) {
  TFeldZustand vorlage;
  vorlage.Art = zaStartpunkt;
  vorlage.Status = zsAktiv | zsErzeugt;
  for (int32_t k = 0; k < anzahl; ++k) {
    TPunkt p;
    do {
      p.x = Zufall(breite);
      p.y = Zufall(hoehe);
    } while (HatZustand(karte, p, zaStartpunkt));
    const int32_t index = ZustandHinzufuegen(karte, p, zaStartpunkt);
    vorlage.Wert = k;
    FeldZustaendeAendern(karte, p.x, p.y)[index] = vorlage;
  }
}

// Random maps do not repeat. The generator's whole state that changes is one number, Saat, so
// once Saat comes back to an earlier value its draws repeat for ever; the specified generator
// falls into cycles of a few thousand steps, and with Faktor 0 into a cycle of one. While a map's
// terrain is drawn, Brent's method watches Saat: after every draw Saat is compared with a saved
// value, which is renewed after 1, 2, 4, 8, ... draws, so a cycle is noticed within about two of
// its lengths after entering it, at the cost of a comparison a draw. On noticing one, the
// generator gets a new state derived from its present one alone (Neuzustand, in the ranges that
// seeding draws from, with Faktor never 0) and the watch starts afresh. A map whose draws never
// come back to an earlier state is therefore the plain draw cell for cell, and the same starting
// state always gives the same map.
TZufallsgenerator Neuzustand(const TZufallsgenerator& g) {
  uint64_t z = (uint64_t{static_cast<uint32_t>(g.Saat)} << 32 | static_cast<uint32_t>(g.Faktor)) ^
               (uint64_t{static_cast<uint32_t>(g.Summand)} << 32 | static_cast<uint32_t>(g.Modul));
  auto naechste = [&z] { // splitmix64
    z += 0x9E3779B97F4A7C15;
    uint64_t v = z;
    v = (v ^ (v >> 30)) * 0xBF58476D1CE4E5B9;
    v = (v ^ (v >> 27)) * 0x94D049BB133111EB;
    return v ^ (v >> 31);
  };
  TZufallsgenerator neu;
  neu.Saat = static_cast<int32_t>(naechste() % 1000000000);
  neu.Faktor = static_cast<int32_t>(1 + naechste() % 31622);
  neu.Summand = static_cast<int32_t>(naechste() % 1000000000);
  neu.Modul = static_cast<int32_t>(500000000 + naechste() % 500000000);
  return neu;
}

struct TWiederholungswache {
  int32_t Gemerkt = 0;
  uint64_t Spanne = 1;
  uint64_t Schritte = 0;

  explicit TWiederholungswache(const TZufallsgenerator& g) : Gemerkt(g.Saat) {}
  // After every draw.
  void Pruefen(TZufallsgenerator& g) {
    ++Schritte;
    if (g.Saat == Gemerkt) {
      g = Neuzustand(g);
      Gemerkt = g.Saat;
      Spanne = 1;
      Schritte = 0;
    } else if (Schritte == Spanne) {
      Gemerkt = g.Saat;
      Spanne *= 2;
      Schritte = 0;
    }
  }
};

} // namespace

uint8_t GelaendeZiehen(TZufallsgenerator& g, const int32_t gewichte[16]) {
  return static_cast<uint8_t>(GewichteteWahl(g, std::span<const int32_t>(gewichte, 16), 15));
}

bool KarteErzeugen(TKV& kv, const TKartenParameter& p) {
  TKarte& karte = kv.Karte;
  KarteLeeren(karte);
  karte.Spieleranzahl = p.Spieleranzahl;
  karte.Breite = p.Breite;
  karte.Hoehe = p.Hoehe;
  if (p.Breite <= 0 || p.Hoehe <= 0) return true;

  const bool mitRohstoffen = p.MitRohstoffen && EinstellungSpiel(kv.Einstellungen) == 0;
  TRohstoffVorgabe rohstoff;
  TFeldZustand rohstoffVorlage;
  if (mitRohstoffen) {
    rohstoff = RohstoffVorgabe(kv.Einstellungen);
    rohstoffVorlage.Art = zaRohstoff;
    rohstoffVorlage.Status = zsAktiv | zsErzeugt;
    rohstoffVorlage.Rohstoff = ErzIndex;
  }

  try {
    FelderAnlegen(karte, p.Breite, p.Hoehe);
    std::vector<uint8_t> spalte(static_cast<std::size_t>(p.Hoehe), 0);

    // The landscape draw through a table: entry r is the terrain that running weight sums pick
    // for the drawn value r, so each cell costs one draw and one lookup.
    std::vector<uint8_t> wahl;
    const int32_t* gewichte = nullptr;
    if (p.Verfahren == kvLandschaft) {
      gewichte = Landschaftstabelle[std::min<int>(p.Landschaft, Landschaftsanzahl - 1)].Gewichte;
      const int32_t summe = Summe(std::span<const int32_t>(gewichte, 16), 15);
      if (summe >= 1 && summe <= 65536) {
        for (int i = 0; i < 16; ++i)
          wahl.insert(wahl.end(), static_cast<std::size_t>(std::max(gewichte[i], 0)),
                      static_cast<uint8_t>(i));
        if (wahl.size() != static_cast<std::size_t>(summe)) wahl.clear();
      }
    }

    TZufallsgenerator& generator = kv.Zufall.Generator;
    TWiederholungswache wache(generator);
    for (int32_t x = 0; x < p.Breite; ++x) {
      if (p.Verfahren == kvFuellen) {
        std::fill(spalte.begin(), spalte.end(), p.Gelaende);
      } else if (p.Verfahren == kvLandschaft) {
        const int32_t summe = static_cast<int32_t>(wahl.size());
        for (int32_t y = 0; y < p.Hoehe; ++y) {
          spalte[y] = wahl.empty() ? GelaendeZiehen(generator, gewichte)
                                   : wahl[Zufallszahl(generator, summe)];
          wache.Pruefen(generator);
        }
      }
      if (p.Verfahren == kvFuellen || p.Verfahren == kvLandschaft)
        SpalteSchreiben(karte, x, spalte.data());
      if (mitRohstoffen) RohstoffeSetzen(karte, x, p.Hoehe, rohstoff, rohstoffVorlage);
    }

    if (p.MitStartpunkten && p.Spieleranzahl > 0) {
      // Every start position needs a cell of its own, else the draw would never end.
      if (static_cast<int64_t>(p.Spieleranzahl) > static_cast<int64_t>(p.Breite) * p.Hoehe)
        return false;
      StartpunkteSetzen(karte, p.Breite, p.Hoehe, p.Spieleranzahl);
    }
  } catch (const std::exception&) {
    KarteLeeren(karte);
    return false;
  }
  return true;
}
