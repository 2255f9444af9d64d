#include "editor/abbilder.h"

#include "editor/aufbau.h"
#include "model/spiel.h"

void AbbildSpeichern(TEditor& e, int32_t d) {
  if (d < 0 || d >= Rueckgaengig) return;
  TProgrammSpielSpeicher& sp = e.Programm.ProgrammSpiel.Speicher;
  sp.Belegt[d] = true;
  SpielKopieren(sp.Abbilder[d], e.KV);
}

namespace {

void Wiederherstellen(TEditor& e, int32_t platz) {
  SpielKopieren(e.KV, e.Programm.ProgrammSpiel.Speicher.Abbilder[platz]);
  // The snapshot may hold a map of another size than the records.
  ProgrammfelderAnpassen(e);
}

} // namespace

bool AbbildLaden(TEditor& e, int32_t d) {
  if (d < 0 || d >= Rueckgaengig || !e.Programm.ProgrammSpiel.Speicher.Belegt[d]) return false;
  Wiederherstellen(e, d);
  return true;
}

void RueckgaengigAufnehmen(TEditor& e) {
  if (!VerhaltenAn(e.Programm, voZurueck)) return;
  TProgrammSpielSpeicher& sp = e.Programm.ProgrammSpiel.Speicher;
  sp.Belegt[Rueckgaengig] = true;
  SpielKopieren(sp.Abbilder[Rueckgaengig], e.KV);
}

void RueckgaengigMachen(TEditor& e) {
  if (VerhaltenAn(e.Programm, voZurueck) && e.Programm.ProgrammSpiel.Speicher.Belegt[Rueckgaengig])
    Wiederherstellen(e, Rueckgaengig);
}
