#pragma once
// Starting the editor state once per run, and preparing it each time the editor opens.
#include <string>

#include "editor/programm.h"
#include "editor/umgebung.h"

// Sets the program folder (a trailing "/" is added when missing), creates the data folders
// "Speicher", "Benutzer", "Grafik" and "Szenario" below it, and resets the state, the colours
// and the eleven snapshots. Throws std::runtime_error when a folder cannot be created.
void EditorStart(TProgramm& programm, const std::string& pfad);

// The editor state's part of opening the editor for the map in e.KV: game definition, zoom
// level 2, all view options on, drawing records sized to the map and rebuilt. The window
// loads the game graphics and starts its timer itself.
void ProgrammVorbereiten(TEditor& e);
