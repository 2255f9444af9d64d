#include "editor/tasten.h"

#include <algorithm>

#include "base/sprachtext.h"
#include "editor/abbilder.h"
#include "editor/aufbau.h"
#include "editor/meldung.h"
#include "editor/sicht.h"
#include "editor/sichtsteuerung.h"
#include "editor/symmetrie.h"
#include "editor/verlauf.h"
#include "model/einstellungen.h"

namespace {

void Blaettern(TEditor& e, uint16_t taste) {
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  if (ps.Ansicht == 0) {
    const TKarte& karte = e.KV.Karte;
    const bool umbrechend = KarteUmbrechend(e.KV.Einstellungen);
    const int32_t hx = ps.Sichtweite.x / 2, hy = ps.Sichtweite.y / 2;
    switch (taste) {
    case vkLinks:
      SichtAchseVerschieben(ps.Position.x, -1, karte.Breite, hx, umbrechend);
      break;
    case vkRechts:
      SichtAchseVerschieben(ps.Position.x, 1, karte.Breite, hx, umbrechend);
      break;
    case vkOben:
      SichtAchseVerschieben(ps.Position.y, -1, karte.Hoehe, hy, umbrechend);
      break;
    case vkUnten:
      SichtAchseVerschieben(ps.Position.y, 1, karte.Hoehe, hy, umbrechend);
      break;
    }
  }
  UebersichtAktualisieren(e);
}

// "Abbild 3 gespeichert" / "Abbild 3 geladen".
void AbbildMelden(TEditor& e, int32_t d, uint8_t textnummer) {
  const uint8_t sprache = e.Programm.Sprache;
  TText abbild, wort;
  SprachText(35, d, 0, abbild, sprache);
  SprachText(textnummer, 0, 0, wort, sprache);
  MeldungSetzen(e, abbild + " " + Kleinschreibung(wort));
}

// One step back or forward through the history, named in the status line ("Undone: Fill",
// "Redone: Brush"), or that there is nothing more that way. Returns whether the map changed.
bool Verlaufsschritt(TEditor& e, bool zurueck) {
  // Without voZurueck the editor keeps no history: the key does nothing.
  if (!VerhaltenAn(e.Programm, voZurueck)) return false;
  const uint8_t sprache = e.Programm.Sprache < 2 ? e.Programm.Sprache : 0;
  uint8_t art = 0;
  if (zurueck ? Zuruecknehmen(e, &art) : Wiederholen(e, &art)) {
    static const char* const Worte[2][2] = {{"R\xFC"
                                             "ckg\xE4ngig: ",
                                             "Undone: "},
                                            {"Wiederholt: ", "Redone: "}};
    MeldungSetzen(e, TText(Worte[zurueck ? 0 : 1][sprache]) +
                         (art < Schrittartanzahl ? Schrittnamen[art][sprache] : ""));
    return true;
  }
  static const char* const Nichts[2][2] = {{"Nichts mehr r\xFC"
                                            "ckg\xE4ngig zu machen",
                                            "Nothing left to undo"},
                                           {"Nichts mehr zu wiederholen", "Nothing left to redo"}};
  MeldungSetzen(e, Nichts[zurueck ? 0 : 1][sprache]);
  return false;
}

} // namespace

void Tastendruck(TEditor& e, bool gedrueckt, uint16_t taste, uint8_t umschalt) {
  // Space held makes a left drag pan the view.
  if (taste == vkLeertaste) e.Programm.Verschiebung.Leertaste = gedrueckt;
  if (!gedrueckt) return;
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  const bool strg = (umschalt & ssCtrl) != 0;
  const bool umsch = (umschalt & ssShift) != 0;
  // A key ends an action whose release never arrived (the button let go outside the window).
  AktionBeenden(e);
  bool karteGeaendert = false;
  switch (taste) {
  case vkLinks:
  case vkOben:
  case vkRechts:
  case vkUnten:
    Blaettern(e, taste);
    break;
  case vkG:
    Umschalten(e, aoGitter);
    break;
  case vkK:
    Umschalten(e, aoKoordinaten);
    break;
  case vkM:
    Umschalten(e, aoMeldungen);
    break;
  case vkU:
    Umschalten(e, aoUebersicht);
    break;
  case vkS:
    if (strg && e.Umgebung.SzenarioSpeichern) e.Umgebung.SzenarioSpeichern();
    break;
  case vkV:
    ZoomSetzen(e.Programm, ps.Zoomstufe + (strg ? -1 : 1));
    UebersichtAktualisieren(e);
    break;
  case vkY:
    // Ctrl+Y steps forward; Y alone switches the symmetry.
    if (strg)
      Verlaufsschritt(e, false);
    else
      SymmetrieWeiterschalten(e);
    karteGeaendert = strg;
    break;
  case vkZ:
    // Ctrl+Shift+Z steps forward, Z with any other modifier back.
    Verlaufsschritt(e, !(strg && umsch));
    karteGeaendert = true;
    break;
  case vkPlus:
    // A number already past the limit (the player field has none) is left alone, not lowered.
    if (ps.Modus == moGelaende && ps.Groesse < Groessenanzahl - 1) ++ps.Groesse;
    if (ps.Modus == moStartpositionen && ps.SpielerNummer < 31) ++ps.SpielerNummer;
    break;
  case vkMinus:
    if (ps.Modus == moGelaende && ps.Groesse > 0) --ps.Groesse;
    if (ps.Modus == moStartpositionen && ps.SpielerNummer > 0) --ps.SpielerNummer;
    break;
  default:
    if (taste >= vk0 && taste <= vk9) {
      const int32_t d = taste - vk0;
      if (!strg) {
        AbbildSpeichern(e, d);
        AbbildMelden(e, d, 7);
      } else if (AbbildLaden(e, d)) {
        AbbildMelden(e, d, 36);
        karteGeaendert = true;
      }
    }
    break;
  }
  if (karteGeaendert) KarteNeuAufbauen(e);
  BildAnfordern(e);
}
