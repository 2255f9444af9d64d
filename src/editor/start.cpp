#include "editor/start.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include <unistd.h>

#include "editor/aufbau.h"
#include "editor/sicht.h"
#include "editor/verlauf.h"
#include "model/spiel.h"

namespace {

std::string MitStrich(std::string ordner) {
  if (ordner.empty() || ordner.back() != '/') ordner += '/';
  return ordner;
}

} // namespace

TDatenordner DatenordnerWaehlen(const std::string& programmordner, const std::string& xdgDataHome,
                                const std::string& home) {
  return DatenordnerWaehlen(programmordner, xdgDataHome, home,
                            ::access(MitStrich(programmordner).c_str(), W_OK) == 0);
}

TDatenordner DatenordnerWaehlen(const std::string& programmordner, const std::string& xdgDataHome,
                                const std::string& home, bool beschreibbar) {
  const std::string eigen = MitStrich(programmordner);
  std::error_code f;
  const std::filesystem::path vorrat =
      std::filesystem::path(eigen).parent_path().parent_path() / "share" / "vandor-editor";
  const bool installiert = std::filesystem::is_directory(vorrat, f);
  // Root may write anywhere: an installed program is told by its share folder, not by rights.
  if (!installiert && beschreibbar) return {eigen, {}, {}};
  TDatenordner d;
  if (installiert) {
    d.Grafikvorrat = (vorrat / "Grafik").string();
    if (std::filesystem::is_directory(vorrat / "Szenario", f))
      d.Szenariovorrat = (vorrat / "Szenario").string();
  } else {
    // A copy that cannot be written: what it brings stays readable behind the user's files.
    d.Grafikvorrat = eigen + "Grafik";
    d.Szenariovorrat = eigen + "Szenario";
  }
  std::string basis;
  if (!xdgDataHome.empty() && xdgDataHome.front() == '/')
    basis = MitStrich(xdgDataHome);
  else if (!home.empty() && home.front() == '/')
    basis = MitStrich(home) + ".local/share/";
  else
    return installiert ? TDatenordner{eigen, d.Grafikvorrat, d.Szenariovorrat}
                       : TDatenordner{eigen, {}, {}};
  d.Daten = basis + "vandor-editor/";
  d.Verlegt = !installiert;
  d.Neu = !std::filesystem::exists(d.Daten, f);
  return d;
}

void EditorStart(TProgramm& programm, const std::string& pfad) {
  programm = TProgramm{};
  programm.Pfad = pfad;
  if (programm.Pfad.empty() || programm.Pfad.back() != '/') programm.Pfad += '/';
  for (const char* name : {"Speicher", "Benutzer", "Grafik", "Szenario"}) {
    const std::filesystem::path ordner = programm.Pfad + name;
    std::error_code fehler;
    if (std::filesystem::is_directory(ordner, fehler)) continue;
    std::filesystem::create_directories(ordner, fehler);
    if (fehler || !std::filesystem::is_directory(ordner))
      throw std::runtime_error("cannot create the folder " + ordner.string() +
                               (fehler ? ": " + fehler.message() : ""));
  }
  programm.Sprache = 0;
  programm.Bildzaehler = 0;
  programm.Bildmarke = 0;
  TProgrammSpielSpeicher& sp = programm.ProgrammSpiel.Speicher;
  for (int i = 0; i < Abbildanzahl; ++i) {
    sp.Belegt[i] = false;
    SpielZuruecksetzen(sp.Abbilder[i]);
  }
  programm.ProgrammSpiel.Anzeige = AlleAnzeigeOptionen;
  programm.ProgrammSpiel.Verhalten = 1u << voZurueck;
  // The colours are constant; having them from the start lets the set-up dialog use them too.
  FarbenEinrichten(programm.Farben);
}

void ProgrammVorbereiten(TEditor& e) {
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  ps.Spiel = e.KV.Stand.Spiel;
  ZoomSetzen(e.Programm, 2);
  ps.Anzeige = AlleAnzeigeOptionen;
  // Records of the map's size, looked at whole on the first rebuild.
  ProgrammfelderAnpassen(e);
  ProgrammfelderVergessen(e.Programm);
  e.Programm.UebersichtVeraltet = true;
  // A new map starts an empty history and has no unsaved changes.
  VerlaufLeeren(e.Programm);
  KarteGesichert(e.Programm, e.KV);
  KarteNeuAufbauen(e);
}
