#include "editor/verlauf.h"

#include <algorithm>
#include <utility>

#include "editor/aufbau.h"
#include "model/karte.h"
#include "model/spiel.h"

const char* const Schrittnamen[Schrittartanzahl][2] = {
    {"Pinsel", "Brush"},
    {"F\xFCllen", "Fill"},
    {"Spiegelung", "Mirroring"},
    {"Startposition", "Start position"},
    {"Abbild", "Memory slot"},
    {"Stempel", "Stamp"},
    {"Ausschneiden", "Cut"},
    {"L\xF6schen", "Delete"},
    {"Kartengr\xF6\xDF"
     "e",
     "Map size"},
};

namespace {

TVerlauf& Verlauf(TProgramm& p) {
  return p.ProgrammSpiel.Speicher.Verlauf;
}
const TVerlauf& Verlauf(const TProgramm& p) {
  return p.ProgrammSpiel.Speicher.Verlauf;
}

bool WerteGleich(const TKarte& a, const TKarte& b) {
  int32_t wa[10], wb[10];
  KartenwerteLesen(a, wa);
  KartenwerteLesen(b, wb);
  return std::equal(wa, wa + 10, wb);
}

// Everything of the game record but the map's cells.
bool UebrigesGleich(const TKV& a, const TKV& b) {
  const auto standGleich = [](const TSpielStand& x, const TSpielStand& y) {
    return x.Spiel == y.Spiel && x.Merker == y.Merker &&
           std::equal(std::begin(x.Werte), std::end(x.Werte), std::begin(y.Werte));
  };
  const auto zufallGleich = [](const TSpielZufall& x, const TSpielZufall& y) {
    return x.Vorne == y.Vorne && x.Hinten == y.Hinten && x.Generator.Saat == y.Generator.Saat &&
           x.Generator.Faktor == y.Generator.Faktor && x.Generator.Summand == y.Generator.Summand &&
           x.Generator.Modul == y.Generator.Modul;
  };
  return standGleich(a.Stand, b.Stand) && zufallGleich(a.Zufall, b.Zufall) &&
         a.Einstellungen.Bytes == b.Einstellungen.Bytes && a.Spieler == b.Spieler &&
         a.Einheiten == b.Einheiten && WerteGleich(a.Karte, b.Karte) &&
         FelderBreite(a.Karte) == FelderBreite(b.Karte) &&
         FelderHoehe(a.Karte) == FelderHoehe(b.Karte);
}

// The bytes of the blocks of a that b does not hold at the same place, and of a's table.
std::size_t Eigenes(const TKarte& a, const TKarte& b) {
  if (FelderGeteilt(a, b)) return 0;
  std::size_t summe = KartentabelleGroesse(a);
  const bool gleichGross = FelderBreite(a) == FelderBreite(b) && FelderHoehe(a) == FelderHoehe(b);
  const int32_t bloecke = BloeckeBreite(a) * BloeckeHoehe(a);
  if (gleichGross) {
    for (int32_t n : GeaenderteBloecke(a, b))
      summe += KartenblockGroesse(Kartenblock(a, n));
  } else {
    for (int32_t n = 0; n < bloecke; ++n)
      summe += KartenblockGroesse(Kartenblock(a, n));
  }
  return summe;
}

// The records of a step itself, beside the blocks.
std::size_t Grundkosten(const TVerlaufsschritt& s) {
  return sizeof(TVerlaufsschritt) + s.Bloecke.capacity() * sizeof(TBlocktausch) +
         (s.Vorher.Spieler.size() + s.Nachher.Spieler.size()) * sizeof(TSpieler) +
         (s.Vorher.Einheiten.size() + s.Nachher.Einheiten.size()) * sizeof(TEinheit);
}

void GanzBilden(TVerlaufsschritt& s, TKV&& anfang, const TKV& jetzt) {
  s.Bloecke = {};
  s.Ganz = true;
  s.Vorher = std::move(anfang);
  s.Nachher = jetzt;
  s.KostenZurueck = Grundkosten(s) + Eigenes(s.Vorher.Karte, s.Nachher.Karte);
  s.KostenVor = Grundkosten(s) + Eigenes(s.Nachher.Karte, s.Vorher.Karte);
}

// The step from anfang to jetzt; false when nothing changed.
bool SchrittBilden(TVerlaufsschritt& s, TKV&& anfang, const TKV& jetzt) {
  if (!UebrigesGleich(anfang, jetzt)) {
    GanzBilden(s, std::move(anfang), jetzt);
    return true;
  }
  // Blocks written without a change of their cells (a state rewritten with its own values) are
  // no change.
  for (int32_t n : GeaenderteBloecke(anfang.Karte, jetzt.Karte)) {
    TKartenblock vorher = Kartenblock(anfang.Karte, n);
    TKartenblock nachher = Kartenblock(jetzt.Karte, n);
    if (!KartenblockeGleich(vorher, nachher))
      s.Bloecke.push_back({n, std::move(vorher), std::move(nachher)});
  }
  if (s.Bloecke.empty()) return false;
  // An action over a large part of the map (a fill, a mirroring) keeps both tables of blocks
  // whole: that costs one table more, and undoing it swaps a table instead of putting back
  // every block one by one.
  if (s.Bloecke.size() * 4 > static_cast<std::size_t>(BloeckeBreite(jetzt.Karte)) *
                                 static_cast<std::size_t>(BloeckeHoehe(jetzt.Karte))) {
    GanzBilden(s, std::move(anfang), jetzt);
    return true;
  }
  s.Bloecke.shrink_to_fit();
  s.Breite = FelderBreite(jetzt.Karte);
  s.Hoehe = FelderHoehe(jetzt.Karte);
  s.KostenZurueck = s.KostenVor = Grundkosten(s);
  for (const TBlocktausch& t : s.Bloecke) {
    s.KostenZurueck += KartenblockGroesse(t.Vorher);
    s.KostenVor += KartenblockGroesse(t.Nachher);
  }
  return true;
}

// Drops the oldest steps while the steps hold more than the budget; the newest stays.
void Kuerzen(TVerlauf& v) {
  while (v.Belegt > v.Budget && v.Schritte.size() > 1 && v.Stand > 0) {
    v.Belegt -= v.Schritte.front().KostenZurueck;
    v.Schritte.pop_front();
    --v.Stand;
  }
}

// Brings the game record to one side of step s. A block step fits only the grid it was made on:
// a map changed behind the history's back (voZurueck switched off meanwhile) ends the history.
bool Anwenden(TEditor& e, const TVerlaufsschritt& s, bool zurueck) {
  if (s.Ganz) {
    e.KV = zurueck ? s.Vorher : s.Nachher;
  } else {
    TKarte& karte = e.KV.Karte;
    if (FelderBreite(karte) != s.Breite || FelderHoehe(karte) != s.Hoehe) return false;
    for (const TBlocktausch& t : s.Bloecke)
      KartenblockSetzen(karte, t.Nummer, zurueck ? t.Vorher : t.Nachher);
  }
  ProgrammfelderAnpassen(e);
  return true;
}

} // namespace

void AktionBeginnen(TEditor& e, uint8_t art) {
  TVerlauf& v = Verlauf(e.Programm);
  if (v.Offen || !VerhaltenAn(e.Programm, voZurueck)) return;
  v.Offen = true;
  v.OffeneArt = art;
  v.Anfang = e.KV;
}

bool AktionBeenden(TEditor& e) {
  TVerlauf& v = Verlauf(e.Programm);
  if (!v.Offen) return false;
  v.Offen = false;
  TKV anfang = std::exchange(v.Anfang, TKV{});
  TVerlaufsschritt schritt;
  schritt.Art = v.OffeneArt;
  if (!SchrittBilden(schritt, std::move(anfang), e.KV)) return false;
  // A new change drops the steps ahead.
  while (v.Schritte.size() > v.Stand) {
    v.Belegt -= v.Schritte.back().KostenVor;
    v.Schritte.pop_back();
  }
  v.Belegt += schritt.KostenZurueck;
  v.Schritte.push_back(std::move(schritt));
  v.Stand = v.Schritte.size();
  Kuerzen(v);
  return true;
}

bool AktionOffen(const TProgramm& programm) {
  return Verlauf(programm).Offen;
}

bool Zuruecknehmen(TEditor& e, uint8_t* art) {
  AktionBeenden(e);
  TVerlauf& v = Verlauf(e.Programm);
  if (v.Stand == 0) return false;
  const TVerlaufsschritt& s = v.Schritte[v.Stand - 1];
  if (!Anwenden(e, s, true)) {
    VerlaufLeeren(e.Programm);
    return false;
  }
  if (art) *art = s.Art;
  v.Belegt += s.KostenVor;
  v.Belegt -= s.KostenZurueck;
  --v.Stand;
  return true;
}

bool Wiederholen(TEditor& e, uint8_t* art) {
  AktionBeenden(e);
  TVerlauf& v = Verlauf(e.Programm);
  if (v.Stand >= v.Schritte.size()) return false;
  const TVerlaufsschritt& s = v.Schritte[v.Stand];
  if (!Anwenden(e, s, false)) {
    VerlaufLeeren(e.Programm);
    return false;
  }
  if (art) *art = s.Art;
  v.Belegt += s.KostenZurueck;
  v.Belegt -= s.KostenVor;
  ++v.Stand;
  return true;
}

void VerlaufLeeren(TProgramm& programm) {
  TVerlauf& v = Verlauf(programm);
  const std::size_t budget = v.Budget;
  v = TVerlauf{};
  v.Budget = budget;
}

std::size_t SchritteZurueck(const TProgramm& programm) {
  return Verlauf(programm).Stand;
}

std::size_t SchritteVor(const TProgramm& programm) {
  const TVerlauf& v = Verlauf(programm);
  return v.Schritte.size() - v.Stand;
}

void VerlaufsbudgetSetzen(TProgramm& programm, std::size_t bytes) {
  TVerlauf& v = Verlauf(programm);
  v.Budget = bytes;
  Kuerzen(v);
}

std::size_t VerlaufBelegt(const TProgramm& programm) {
  return Verlauf(programm).Belegt;
}

void KarteGesichert(TProgramm& programm, const TKV& kv) {
  TProgrammSpielSpeicher& sp = programm.ProgrammSpiel.Speicher;
  sp.Gesichert = kv.Karte;
  sp.GesichertBekannt = true;
}

void GesichertVergessen(TProgramm& programm) {
  TProgrammSpielSpeicher& sp = programm.ProgrammSpiel.Speicher;
  sp.Gesichert = TKarte{};
  sp.GesichertBekannt = false;
}

bool UngesicherteAenderungen(const TProgramm& programm, const TKV& kv) {
  const TProgrammSpielSpeicher& sp = programm.ProgrammSpiel.Speicher;
  if (!sp.GesichertBekannt) return kv.Karte.Breite > 0 && kv.Karte.Hoehe > 0;
  return !WerteGleich(sp.Gesichert, kv.Karte) || !FelderGleich(sp.Gesichert, kv.Karte);
}
