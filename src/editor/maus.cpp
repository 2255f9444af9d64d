#include "editor/maus.h"

#include "editor/aufbau.h"
#include "editor/bildbereiche.h"
#include "editor/meldung.h"
#include "editor/sicht.h"
#include "editor/sichtsteuerung.h"
#include "editor/spiegelung.h"
#include "editor/verlauf.h"
#include "editor/werkzeuge.h"
#include "editor/zellanzeige.h"

namespace {

TPunkt Relativ(TPunkt p, uint8_t bereich) {
  return {p.x - Bildbereiche[bereich].x, p.y - Bildbereiche[bereich].y};
}

// A click on the overview image centres the view on the cell under it (not clamped).
void UebersichtKlick(TEditor& e, TPunkt q) {
  const TKarte& karte = e.KV.Karte;
  const int32_t seite = Bildbereiche[bbUebersicht].Breite;
  TPunkt& position = e.Programm.ProgrammSpiel.Position;
  position.x = karte.Breite > 0 ? static_cast<int32_t>(int64_t{karte.Breite} * q.x / seite) : 0;
  position.y = karte.Hoehe > 0 ? static_cast<int32_t>(int64_t{karte.Hoehe} * q.y / seite) : 0;
  e.Programm.ProgrammSpiel.Ansicht = 0;
  UebersichtAktualisieren(e);
}

} // namespace

void Mausklick(TEditor& e, TPunkt p, int32_t taste, bool gedrueckt) {
  if (taste < 0 || taste > 2) return;
  // A press begins anew: a stroke whose release never arrived ends here. The left button's
  // release ends the stroke.
  if (gedrueckt || taste == mtLinks) AktionBeenden(e);
  TMausPunkt& klick = e.Programm.Klicks[taste][gedrueckt ? 1 : 0];
  klick.Ort = p;
  klick.Bereich = Bereichsuche(e.Programm, p);
  // A press or release that pans the view does nothing else.
  if (gedrueckt ? VerschiebenBeginnen(e, p, taste, klick.Bereich) : VerschiebenBeenden(e, taste))
    return;
  Mauswirkung(e, Relativ(p, klick.Bereich), taste, gedrueckt, klick.Bereich);
}

void Mausbewegung(TEditor& e, TPunkt p) {
  TProgramm& programm = e.Programm;
  programm.MausAlt = programm.Maus;
  programm.Maus = {p, Bereichsuche(programm, p)};
  // While the view pans nothing is painted.
  if (Verschieben(e, p)) return;
  const uint8_t r = programm.Maus.Bereich;
  const TPunkt q = Relativ(p, r);
  bool bild = false;
  const bool links = e.Umgebung.LinkeTasteGedrueckt && e.Umgebung.LinkeTasteGedrueckt();
  // The button was let go where the window did not hear it: the stroke is over.
  if (!links) AktionBeenden(e);
  if (r == bbKarte && links) {
    // Paint once per view cell entered, and only when the pointer came from the map view.
    const TPunkt g = Zellgroesse(programm, bbKarte);
    const TPunkt jetzt{programm.Maus.Ort.x / g.x, programm.Maus.Ort.y / g.y};
    const TPunkt vorher{programm.MausAlt.Ort.x / g.x, programm.MausAlt.Ort.y / g.y};
    if (!(jetzt == vorher) && programm.MausAlt.Bereich == r) {
      Mauswirkung(e, q, mtLinks, true, r);
      return;
    }
  }
  if (r == bbMenueSchalter) {
    TextMelden(e, 1);
    bild = true;
  }
  // The status field follows the pointer from cell to cell.
  TPunkt jetzt, vorher;
  const bool ueberZelle = Zeigerzelle(programm, e.KV, programm.Maus, jetzt);
  const bool warUeberZelle = Zeigerzelle(programm, e.KV, programm.MausAlt, vorher);
  if (ueberZelle != warUeberZelle || (ueberZelle && !(jetzt == vorher))) bild = true;
  if (bild) BildAnfordern(e);
}

void Mauswirkung(TEditor& e, TPunkt q, int32_t taste, bool gedrueckt, int32_t bereich) {
  // A press acts only in the map view, a release only elsewhere.
  if (gedrueckt != (bereich == bbKarte)) return;
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  bool bild = false;
  switch (bereich) {
  case bbKarte:
    KartenKlick(e, q, taste);
    return;
  case bbUebersicht:
    if (taste == mtLinks) UebersichtKlick(e, q);
    bild = true;
    break;
  case bbGelaende:
    bild = GelaendeFeld(e, q);
    break;
  case bbGroessen:
    bild = GroessenFeld(e, q);
    break;
  case bbWerkzeuge:
    bild = WerkzeugFeld(e, q);
    break;
  case bbModi:
    bild = ModusFeld(e, q);
    break;
  case bbSpiegelart:
    bild = SpiegelartFeld(e, q);
    break;
  case bbSpiegelrichtung:
    bild = SpiegelrichtungFeld(e, q);
    break;
  case bbSpiegeln:
    SpiegelungAnwenden(e);
    bild = true;
    break;
  case bbVorherigerSpieler:
  case bbNaechsterSpieler:
  case bbZumStartpunkt:
    bild = SpielerFeld(e, bereich);
    break;
  case bbSpeichern:
    if (e.Umgebung.SzenarioSpeichern) e.Umgebung.SzenarioSpeichern();
    bild = true;
    break;
  case bbZurueck:
    ps.Ansicht = 0;
    bild = true;
    break;
  case bbBeenden:
    ps.Ansicht = 0;
    if (e.Umgebung.EditorSchliessen) e.Umgebung.EditorSchliessen();
    break;
  case bbMenueSchalter:
    ps.Ansicht = static_cast<uint8_t>(1 - ps.Ansicht);
    bild = true;
    break;
  default:
    break;
  }
  if (bild) BildAnfordern(e);
}
