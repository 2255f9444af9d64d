#pragma once
// Starting the editor state once per run, and preparing it each time the editor opens.
#include <string>

#include "editor/programm.h"
#include "editor/umgebung.h"

// Where the data folders lie. Daten holds "Szenario", "Benutzer", "Speicher" and "Grafik" and
// ends with "/"; Grafikvorrat is a graphics folder read for a picture file that the own "Grafik"
// lacks, Szenariovorrat a scenario folder listed after the own one, read-only (each empty when
// there is none).
struct TDatenordner {
  std::string Daten;
  std::string Grafikvorrat;
  std::string Szenariovorrat;
  // The program's own folder cannot be written, so its data go to Daten; Neu: Daten did not
  // exist yet (the first run there, when the user is told where new files go).
  bool Verlegt = false;
  bool Neu = false;
};

// A copy of the program in a folder of its own (the build folder, a portable copy) keeps its
// data beside it, as always. Installed (a "share/vandor-editor" beside the program's folder) or
// in a folder the user cannot write, the data go to xdgDataHome/vandor-editor, by default
// home/.local/share/vandor-editor. The pictures and scenarios that come with the program stay
// in use from where they are: installed, those of share/vandor-editor; a copy in a folder the
// user cannot write, its own "Grafik" and "Szenario". A relative or empty xdgDataHome is
// ignored, as the XDG rules say. Without a usable home the program's folder stays the data
// folder.
TDatenordner DatenordnerWaehlen(const std::string& programmordner, const std::string& xdgDataHome,
                                const std::string& home);
// The same with the answer to "may the user write the program's folder" given.
TDatenordner DatenordnerWaehlen(const std::string& programmordner, const std::string& xdgDataHome,
                                const std::string& home, bool beschreibbar);

// Sets the program folder (a trailing "/" is added when missing), creates the data folders
// "Speicher", "Benutzer", "Grafik" and "Szenario" below it, and resets the state, the colours
// and the ten memory slots. Throws std::runtime_error when a folder cannot be created.
void EditorStart(TProgramm& programm, const std::string& pfad);

// The editor state's part of opening the editor for the map in e.KV: game definition, zoom
// level 2, all view options on, drawing records sized to the map and rebuilt, an empty history,
// the map counted as saved. The window
// loads the game graphics and starts its timer itself.
void ProgrammVorbereiten(TEditor& e);
