// vandor-cli replay: opens a scenario in a headless editor, feeds it mouse, key and timer events
// as the editor window would, and saves the map it ends with.
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <stdlib.h>

#include "cli_common.h"
#include "editor/editor.h"
#include "model/einstellungen.h"
#include "scenario/komprimierung.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"

int BefehlReplay(const TArgumente& argumente);

namespace {

enum class TEreignisart { Druck, Loslassen, Bewegung, Ziehen, Taste, TasteLos, Takt };

struct TEreignis {
  TEreignisart Art;
  int32_t a = 0, b = 0, c = 0;
};

int32_t Zahl(const std::string& text, int32_t von, int32_t bis, std::size_t zeile,
             const char* was) {
  int32_t wert = 0;
  const char* ende = text.data() + text.size();
  const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
  if (text.empty() || fehler != std::errc() || p != ende || wert < von || wert > bis)
    throw TAufruffehler("events line " + std::to_string(zeile) + ": " + was + " must be a whole " +
                        "number from " + std::to_string(von) + " to " + std::to_string(bis) +
                        ", not \"" + text + "\"");
  return wert;
}

// One event a line; "#" starts a comment. The whole list is read before anything runs, so a
// malformed line changes nothing.
std::vector<TEreignis> EreignisseLesen(std::istream& ein) {
  std::vector<TEreignis> liste;
  std::string zeile;
  std::size_t nummer = 0;
  constexpr int32_t Min = INT32_MIN, Max = INT32_MAX;
  while (std::getline(ein, zeile)) {
    ++nummer;
    if (const std::size_t kommentar = zeile.find('#'); kommentar != std::string::npos)
      zeile.resize(kommentar);
    std::istringstream woerter(zeile);
    std::vector<std::string> w;
    for (std::string s; woerter >> s;)
      w.push_back(s);
    if (w.empty()) continue;
    auto anzahl = [&](std::size_t von, std::size_t bis, const char* form) {
      if (w.size() < von || w.size() > bis)
        throw TAufruffehler("events line " + std::to_string(nummer) + ": expected \"" + form +
                            "\"");
    };
    TEreignis e{TEreignisart::Takt};
    const std::string& name = w[0];
    if (name == "press" || name == "release") {
      anzahl(4, 4, name == "press" ? "press X Y B" : "release X Y B");
      e.Art = name == "press" ? TEreignisart::Druck : TEreignisart::Loslassen;
      e.a = Zahl(w[1], Min, Max, nummer, "X");
      e.b = Zahl(w[2], Min, Max, nummer, "Y");
      e.c = Zahl(w[3], 0, 2, nummer, "B");
    } else if (name == "move" || name == "drag") {
      anzahl(3, 3, name == "move" ? "move X Y" : "drag X Y");
      e.Art = name == "move" ? TEreignisart::Bewegung : TEreignisart::Ziehen;
      e.a = Zahl(w[1], Min, Max, nummer, "X");
      e.b = Zahl(w[2], Min, Max, nummer, "Y");
    } else if (name == "key" || name == "keyup") {
      anzahl(2, 3, name == "key" ? "key CODE [SHIFT]" : "keyup CODE [SHIFT]");
      e.Art = name == "key" ? TEreignisart::Taste : TEreignisart::TasteLos;
      e.a = Zahl(w[1], 0, 65535, nummer, "CODE");
      e.b = w.size() > 2 ? Zahl(w[2], 0, 255, nummer, "SHIFT") : 0;
    } else if (name == "tick") {
      anzahl(1, 1, "tick");
    } else {
      throw TAufruffehler("events line " + std::to_string(nummer) + ": unknown event \"" + name +
                          "\" (press, release, move, drag, key, keyup, tick)");
    }
    liste.push_back(e);
  }
  return liste;
}

// A temporary program folder for the editor's data folders, removed again at the end.
struct TProgrammordner {
  std::filesystem::path Pfad;
  TProgrammordner() {
    std::string vorlage =
        (std::filesystem::temp_directory_path() / "vandor-replay-XXXXXX").string();
    if (::mkdtemp(vorlage.data()) == nullptr)
      throw TDateifehler("cannot make a temporary folder in " +
                         std::filesystem::temp_directory_path().string());
    Pfad = vorlage;
  }
  ~TProgrammordner() {
    std::error_code f;
    std::filesystem::remove_all(Pfad, f);
  }
};

std::string Punkt(TPunkt p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

void ZustandZeigen(const TProgramm& programm) {
  const TProgrammSpiel& ps = programm.ProgrammSpiel;
  std::printf("Position=%s\n", Punkt(ps.Position).c_str());
  std::printf("Zoomstufe=%d\n", ps.Zoomstufe);
  std::printf("Sichtweite=%s\n", Punkt(ps.Sichtweite).c_str());
  std::printf("Ansicht=%d\n", ps.Ansicht);
  std::printf("Modus=%d\n", ps.Modus);
  std::printf("Werkzeug=%d\n", ps.Werkzeug);
  std::printf("Groesse=%d\n", ps.Groesse);
  std::printf("Gelaende=%d\n", ps.Gelaende);
  std::printf("SpielerNummer=%d\n", ps.SpielerNummer);
  std::printf("Spiegelart=%d\n", ps.Spiegelart);
  std::printf("Spiegelrichtung=%d\n", ps.Spiegelrichtung);
  std::printf("Anzeige=%d\n", ps.Anzeige);
  std::printf("Meldung=%s\n", FuerTerminal(ps.Speicher.Meldung).c_str());
  std::string belegt;
  for (int i = 0; i < Abbildanzahl; ++i)
    belegt += std::string(i ? "," : "") + (ps.Speicher.Belegt[i] ? "1" : "0");
  std::printf("Belegt=%s\n", belegt.c_str());
  std::string starts;
  for (const TStartposition& s : ps.Speicher.Startpositionen)
    starts += (starts.empty() ? "" : ";") + Punkt(s.Ort) + "," + std::to_string(s.Spieler);
  std::printf("Startpositionen=%s\n", starts.c_str());
}

} // namespace

int BefehlReplay(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente, {"--events"}, {"--wrap", "--state"}, 2);
  const std::string& ein = a.Positionen[0];
  const std::string& aus = a.Positionen[1];

  std::vector<TEreignis> ereignisse;
  if (const auto datei = a.Option("--events")) {
    if (*datei == "-") {
      ereignisse = EreignisseLesen(std::cin);
    } else {
      std::ifstream strom(*datei);
      if (!strom) throw TDateifehler(*datei + ": cannot be read");
      ereignisse = EreignisseLesen(strom);
    }
  }

  // Opening as the set-up dialog does for a scenario: load it, then build the map from it.
  TKV kv;
  TSzenario szenario;
  SzenarioEinlesen(ein, kv, szenario);
  SpielZuruecksetzen(kv);
  if (!KarteAusSzenario(kv, szenario))
    throw TDateifehler(ein + ": the map is too large for memory");
  if (a.Schalter("--wrap")) KarteUmbrechendSetzen(kv.Einstellungen, true);
  ZielPruefen(aus);

  TProgrammordner ordner;
  TProgramm programm;
  EditorStart(programm, ordner.Pfad.string());
  uint32_t uhr = 0;
  bool links = false;
  TEditorUmgebung umgebung;
  umgebung.SzenarioSpeichern = [] { std::printf("save requested\n"); };
  umgebung.EditorSchliessen = [] { std::printf("close requested\n"); };
  umgebung.Tickzahl = [&] { return uhr; };
  umgebung.LinkeTasteGedrueckt = [&] { return links; };
  TEditor e{programm, kv, umgebung};
  ProgrammVorbereiten(e);

  for (const TEreignis& ereignis : ereignisse) {
    switch (ereignis.Art) {
    case TEreignisart::Druck:
    case TEreignisart::Loslassen: {
      const bool gedrueckt = ereignis.Art == TEreignisart::Druck;
      if (ereignis.c == mtLinks) links = gedrueckt;
      Mausklick(e, {ereignis.a, ereignis.b}, ereignis.c, gedrueckt);
      break;
    }
    case TEreignisart::Bewegung:
    case TEreignisart::Ziehen:
      links = ereignis.Art == TEreignisart::Ziehen;
      Mausbewegung(e, {ereignis.a, ereignis.b});
      break;
    case TEreignisart::Taste:
    case TEreignisart::TasteLos:
      Tastendruck(e, ereignis.Art == TEreignisart::Taste, static_cast<uint16_t>(ereignis.a),
                  static_cast<uint8_t>(ereignis.b));
      break;
    case TEreignisart::Takt:
      uhr += Zeitgeberintervall;
      Zeittakt(e);
      break;
    }
  }
  std::fflush(stdout);

  TSzenario ergebnis;
  if (!SzenarioAusKarte(ergebnis, kv)) throw TDateifehler(aus + ": out of memory");
  for (int i = 0; i < 7; ++i)
    ergebnis.Texte[i] = szenario.Texte[i];
  if (!SzenarioSpeichern(ergebnis, aus, NachbarTempname(aus)))
    throw TDateifehler(aus + ": cannot be written (disk full?)");
  if (a.Schalter("--state")) ZustandZeigen(programm);
  return 0;
}
