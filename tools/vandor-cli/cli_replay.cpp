// vandor-cli replay: opens a scenario in a headless editor, feeds it mouse, key and timer events
// as the editor window would, and saves the map it ends with.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli_abspielen.h"
#include "cli_common.h"
#include "editor/editor.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"

int BefehlReplay(const TArgumente& argumente);

namespace {

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
  std::printf("Symmetrie=%d\n", ps.Symmetrie);
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
  std::printf("Verlauf=%zu/%zu\n", SchritteZurueck(programm), SchritteVor(programm));
}

} // namespace

int BefehlReplay(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente, {"--events"}, {"--wrap", "--state"}, 2);
  const std::string& ein = a.Positionen[0];
  const std::string& aus = a.Positionen[1];
  const std::vector<TAbspielereignis> ereignisse = AbspielereignisseLaden(a.Option("--events"));

  // Opening as the set-up dialog does for a scenario: load it, then build the map from it.
  TAbspielsitzung sitzung;
  sitzung.Umgebung.SzenarioSpeichern = [] { std::printf("save requested\n"); };
  sitzung.Umgebung.EditorSchliessen = [] { std::printf("close requested\n"); };
  AbspielenOeffnen(sitzung, ein, a.Schalter("--wrap"));
  ZielPruefen(aus);
  Abspielen(sitzung, ereignisse);
  // A stroke still held at the end of the list is one step, as if the button were let go.
  {
    TEditor e{sitzung.Programm, sitzung.KV, sitzung.Umgebung};
    AktionBeenden(e);
  }
  std::fflush(stdout);

  TSzenario ergebnis;
  if (!SzenarioAusKarte(ergebnis, sitzung.KV)) throw TDateifehler(aus, "out of memory");
  for (int i = 0; i < 7; ++i)
    ergebnis.Texte[i] = std::move(sitzung.Szenario.Texte[i]);
  // The map is not needed any more once its cells are in the result.
  sitzung.KV = TKV();
  std::string grund;
  if (!SzenarioSpeichern(ergebnis, aus, &grund)) throw TDateifehler(aus, grund);
  if (a.Schalter("--state")) ZustandZeigen(sitzung.Programm);
  return 0;
}
