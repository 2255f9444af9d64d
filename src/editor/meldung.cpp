#include "editor/meldung.h"

#include "base/sprachtext.h"

const char* const Optionsnamen[6][2] = {
    {"Gitter", "Grid"},
    {"Meldungen", "Messages"},
    {"\xDC"
     "bersicht",
     "Overview"},
    {"Koordiation", "Coordinates"},
    {"Automatische Aktionsauswahl", ""},
    {"Zur\xFC"
     "ck m\xF6glich",
     "Back possible"},
};

void MeldungSetzen(TEditor& e, const TText& text) {
  TProgrammSpielSpeicher& sp = e.Programm.ProgrammSpiel.Speicher;
  sp.Meldung = text;
  sp.MeldungZeit = e.Umgebung.Tickzahl ? e.Umgebung.Tickzahl() : 0;
}

void TextMelden(TEditor& e, uint8_t nummer, int32_t a, int32_t b) {
  TText spielername;
  if (a >= 0 && static_cast<std::size_t>(a) < e.KV.Spieler.size())
    spielername = e.KV.Spieler[a].Name;
  TText text;
  SprachText(nummer, a, b, text, e.Programm.Sprache, spielername, e.Programm.Spieldatei);
  MeldungSetzen(e, text);
}

bool MeldungSichtbar(const TProgramm& programm, uint32_t jetzt) {
  // Unsigned difference: stays right when the tick count wraps after 49 days.
  return jetzt - programm.ProgrammSpiel.Speicher.MeldungZeit <= Meldedauer;
}

namespace {
const char* const Wartetext[2] = {"Bitte warten", "Please wait"};
}

TLangeArbeit::TLangeArbeit(TEditor& e)
    : Editor(e), AlteMeldung(e.Programm.ProgrammSpiel.Speicher.Meldung),
      AlteZeit(e.Programm.ProgrammSpiel.Speicher.MeldungZeit) {
  const uint8_t sprache = e.Programm.Sprache;
  MeldungSetzen(e, sprache < 2 ? Wartetext[sprache] : "");
  BildAnfordern(e);
  if (e.Umgebung.ArbeitBeginnt) e.Umgebung.ArbeitBeginnt();
}

TLangeArbeit::~TLangeArbeit() {
  TProgrammSpielSpeicher& sp = Editor.Programm.ProgrammSpiel.Speicher;
  const uint8_t sprache = Editor.Programm.Sprache;
  if (sp.Meldung == (sprache < 2 ? Wartetext[sprache] : "")) {
    sp.Meldung = AlteMeldung;
    sp.MeldungZeit = AlteZeit;
  }
  if (Editor.Umgebung.ArbeitEndet) Editor.Umgebung.ArbeitEndet();
}

bool GanzeKarteLang(const TEditor& e) {
  return int64_t{e.KV.Karte.Breite} * e.KV.Karte.Hoehe >= LangeArbeitZellen;
}

void Umschalten(TEditor& e, TAnzeigeOption o) {
  uint8_t& anzeige = e.Programm.ProgrammSpiel.Anzeige;
  anzeige = static_cast<uint8_t>(anzeige ^ (1u << o));
  const bool an = (anzeige >> o) & 1;
  const uint8_t sprache = e.Programm.Sprache;
  TText zustand;
  SprachText(26, an ? 1 : 0, 0, zustand, sprache);
  TText name = sprache < 2 ? Optionsnamen[o][sprache] : "";
  MeldungSetzen(e, name + " " + zustand);
}

TText Kleinschreibung(const TText& text) {
  TText klein = text;
  for (char& c : klein) {
    const auto b = static_cast<unsigned char>(c);
    // A-Z and the Latin-1 capitals 0xC0-0xDE except the multiplication sign 0xD7.
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
      c = static_cast<char>(b + 32);
  }
  return klein;
}
