#include "base/sprachtext.h"

#include <string>

#include "base/zahlen.h"

namespace {

const TText Q = "\"";

TText Zahl(int32_t n) {
  return std::to_string(n);
}

// The file name without its folders.
TText NurDateiname(const TText& pfad) {
  const std::size_t trenner = pfad.find_last_of("/\\");
  return trenner == TText::npos ? pfad : pfad.substr(trenner + 1);
}

// The texts without numbers or names, German and English side by side; empty where the id is
// composed or undefined.
struct TFesterText {
  const char* Deutsch;
  const char* Englisch;
};

const TFesterText FesteTexte[39] = {
    {nullptr, nullptr},
    {"Spielmen\xFC", "Game menue"},
    {"Szenario speichern", "Save szenario"},
    {"Spiel beenden", "Quit game"},
    {"Zug beenden", "End turn"},
    {"Abbrechen", "Abort"},
    {"Einheiten, Forschungen, Aufwertungen", "Units, research, upgrades"},
    {"Gespeichert", "Saved"},
    {"Zur\xFC"
     "ck zur Karte",
     "Back"},
    {nullptr, nullptr},
    {"Spieler anzeigen", "Show players"},
    {nullptr, nullptr},
    {"Aus dem Spiel", "Out of game"},
    {"versteckt", "hidden"},
    {"Diplomatie festgelegt", "Teams fixed"},
    {"Aufgeben und aussteigen", "Resign"},
    {"Besiegt", "Defeated"},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {"Klicke auf dich selbst um deine Epostadresse zu \xE4"
     "ndern",
     "Click onto your name to change your email"},
    {"Klicke auf einen Spieler um die Diplomatie zu ihm zu \xE4"
     "ndern",
     "Click onto other players to change diplomacy"},
    {"Benutze die Pfeiltasten um die n\xE4"
     "chste Spielerseite anzuzeigen",
     "Use arrow keys to show more players"},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {"Daten", "Data"},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {"Salve:  ", "Salve:  "},
    {"Intensit\xE4t:  ", "Intensity:  "},
    {"Autor", "Author"},
    {"Beschreibung", "Description"},
    {nullptr, nullptr},
    {nullptr, nullptr},
    {"geladen", "loaded"},
    {"Erstellt", "Created"},
    {"Beenden", "Exit"},
};

TText Zusammengesetzt(uint8_t id, int32_t n, int32_t m, const TText& bisher, bool deutsch,
                      const TText& spieler, const TText& datei) {
  switch (id) {
  case 0:
    return deutsch ? Anzahltext(n, "Runde", "n") : Anzahltext(n, "round", "s");
  case 9:
    return (deutsch ? "Sende die Datei " : "Send the file ") + Q + NurDateiname(datei) + Q +
           (deutsch ? " nun an " : " to ") + Q + spieler + Q + " - " + Q + bisher + Q + ".";
  case 11:
    return deutsch ? Anzahltext(n, "Punkt", "e") : Anzahltext(n, "point", "s");
  case 17:
    return (deutsch ? "Gr\xF6\xDF"
                      "e: "
                    : "Size: ") +
           Zahl(n);
  case 18:
    return deutsch ? "Diplomatie zu " + spieler +
                         " ge\xE4"
                         "ndert"
                   : "Changed diplomacy with " + spieler;
  case 22:
    return (deutsch ? "Runde " : "Round ") + Zahl(n);
  case 23:
    return deutsch ? "Dr\xFC"
                     "cke " +
                         Q + "M" + Q +
                         " um die Meldungen zu schlie\xDF"
                         "en"
                   : "Press " + Q + "M" + Q + " to hide messages";
  case 25:
    return (deutsch ? "Seite " : "Page ") + Zahl(n) + (deutsch ? " von " : " of ") + Zahl(m);
  case 26:
    if (deutsch) return n > 0 ? "aktiviert" : "deaktiviert";
    return n > 0 ? "activated" : "deactivated";
  case 27: {
    if (!deutsch) return "Armor:  " + Zahl(n / 100);
    TText text = "Panzerung:  " + Zahl(n / 100);
    const int32_t bonus = m / 100; // |m / 100| < 2^31 / 100: negating it cannot overflow
    if (bonus > 0) text += " + " + Zahl(bonus);
    if (bonus < 0) text += " - " + Zahl(-bonus);
    return text;
  }
  case 28:
    return (deutsch ? "Reichweite:  " : "Range:  ") + Zahl(n / 100);
  case 29:
    return (deutsch ? "Sicht:  " : "Sight:  ") + Zahl(n / 100);
  case 34:
    return Zahl(n) + (deutsch ? " Spieler" : " players");
  case 35:
    return (deutsch ? "Abbild " : "Copy ") + Zahl(n);
  default:
    return {};
  }
}

} // namespace

void SprachText(uint8_t id, int32_t n, int32_t m, TText& ergebnis, uint8_t sprache,
                const TText& spielername, const TText& dateiname) {
  if (id >= std::size(FesteTexte) || sprache > 1) return;
  const bool deutsch = sprache == 0;
  const TFesterText& fest = FesteTexte[id];
  if (fest.Deutsch != nullptr)
    ergebnis = deutsch ? fest.Deutsch : fest.Englisch;
  else
    ergebnis = Zusammengesetzt(id, n, m, ergebnis, deutsch, spielername, dateiname);
}
