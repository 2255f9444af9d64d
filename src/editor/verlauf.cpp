#include "editor/verlauf.h"

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

TVerlauf& Verlauf(TEditor& e) {
  return e.Programm.ProgrammSpiel.Speicher.Verlauf;
}

// Whether the editor can have changed the record: the map's cells and values. Copies share
// their unchanged blocks, so this compares block identities only.
bool Gleich(const TKV& a, const TKV& b) {
  const TKarte &ka = a.Karte, &kb = b.Karte;
  int32_t wa[10], wb[10];
  KartenwerteLesen(ka, wa);
  KartenwerteLesen(kb, wb);
  for (int i = 0; i < 10; ++i)
    if (wa[i] != wb[i]) return false;
  return FelderBreite(ka) == FelderBreite(kb) && FelderHoehe(ka) == FelderHoehe(kb) &&
         GeaenderteBereiche(ka, kb).empty();
}

void Setzen(TEditor& e, const TKV& stand) {
  SpielKopieren(e.KV, stand);
  ProgrammfelderAnpassen(e);
}

} // namespace

void AktionBeginnen(TEditor& e, uint8_t art) {
  TVerlauf& v = Verlauf(e);
  if (v.Offen) return;
  v.Offen = true;
  v.OffeneArt = art;
  SpielKopieren(v.Anfang, e.KV);
}

bool AktionBeenden(TEditor& e) {
  TVerlauf& v = Verlauf(e);
  if (!v.Offen) return false;
  v.Offen = false;
  TKV anfang;
  std::swap(anfang, v.Anfang);
  if (Gleich(anfang, e.KV)) return false;
  v.Schritte.resize(v.Stand);
  TVerlaufsschritt schritt;
  schritt.Art = v.OffeneArt;
  schritt.Vorher = std::move(anfang);
  SpielKopieren(schritt.Nachher, e.KV);
  v.Schritte.push_back(std::move(schritt));
  v.Stand = v.Schritte.size();
  return true;
}

bool Zuruecknehmen(TEditor& e) {
  AktionBeenden(e);
  TVerlauf& v = Verlauf(e);
  if (v.Stand == 0) return false;
  --v.Stand;
  Setzen(e, v.Schritte[v.Stand].Vorher);
  return true;
}

bool Wiederholen(TEditor& e) {
  AktionBeenden(e);
  TVerlauf& v = Verlauf(e);
  if (v.Stand >= v.Schritte.size()) return false;
  Setzen(e, v.Schritte[v.Stand].Nachher);
  ++v.Stand;
  return true;
}

void VerlaufLeeren(TProgramm& programm) {
  programm.ProgrammSpiel.Speicher.Verlauf = TVerlauf{};
}

std::size_t SchritteZurueck(const TProgramm& programm) {
  return programm.ProgrammSpiel.Speicher.Verlauf.Stand;
}

std::size_t SchritteVor(const TProgramm& programm) {
  const TVerlauf& v = programm.ProgrammSpiel.Speicher.Verlauf;
  return v.Schritte.size() - v.Stand;
}
