#include "editor/abbilder.h"

#include "editor/aufbau.h"
#include "editor/verlauf.h"
#include "model/spiel.h"

void AbbildSpeichern(TEditor& e, int32_t d) {
  if (d < 0 || d >= Abbildanzahl) return;
  TProgrammSpielSpeicher& sp = e.Programm.ProgrammSpiel.Speicher;
  sp.Belegt[d] = true;
  SpielKopieren(sp.Abbilder[d], e.KV);
}

bool AbbildLaden(TEditor& e, int32_t d) {
  if (d < 0 || d >= Abbildanzahl || !e.Programm.ProgrammSpiel.Speicher.Belegt[d]) return false;
  // Bringing a slot back is one step of the history.
  AktionBeginnen(e, saAbbild);
  SpielKopieren(e.KV, e.Programm.ProgrammSpiel.Speicher.Abbilder[d]);
  // The snapshot may hold a map of another size than the records.
  ProgrammfelderAnpassen(e);
  AktionBeenden(e);
  return true;
}
