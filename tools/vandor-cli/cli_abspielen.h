#pragma once
// Replaying editor input without windows: the event list of "replay" and "snapshot" (one event a
// line: press X Y B, release X Y B, move X Y, drag X Y [B], wheel X Y DELTA [SHIFT], key CODE
// [SHIFT], keyup CODE [SHIFT], tick; "#" starts a comment), and a headless editor session on a
// scenario file.
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "model/spiel.h"
#include "model/szenario.h"

enum class TAbspielart { Druck, Loslassen, Bewegung, Ziehen, Rad, Taste, TasteLos, Takt };

struct TAbspielereignis {
  TAbspielart Art = TAbspielart::Takt;
  int32_t a = 0, b = 0, c = 0, d = 0;
};

// The largest number of notches one wheel event may turn.
constexpr int32_t Abspielrasten = 10000;

// An event line longer than this, or a list longer than that, is a file error.
constexpr std::size_t Abspielzeilenlaenge = 4096;
constexpr std::size_t Abspiellistengroesse = std::size_t{64} << 20;

// The whole list is read before anything runs, so a malformed line changes nothing; it is a
// call error naming the line.
std::vector<TAbspielereignis> AbspielereignisseLesen(std::istream& ein);
// From a file, from standard input ("-"), or none without --events.
std::vector<TAbspielereignis> AbspielereignisseLaden(const std::optional<std::string>& datei);

// A temporary program folder for the editor's data folders, removed again at the end.
struct TAbspielordner {
  std::filesystem::path Pfad;
  TAbspielordner();
  ~TAbspielordner();
  TAbspielordner(const TAbspielordner&) = delete;
  TAbspielordner& operator=(const TAbspielordner&) = delete;
};

// An editor opened on a scenario as the set-up dialog opens it, with a clock that the timer
// events advance by 200 ms each.
struct TAbspielsitzung {
  TAbspielordner Ordner;
  TProgramm Programm;
  TKV KV;
  TSzenario Szenario;
  TEditorUmgebung Umgebung;
  uint32_t Uhr = 0;
  bool Links = false;
  bool Mitte = false;
};

// Loads the scenario into the session's game record and starts the editor state (the caller may
// fill Umgebung first); --wrap makes the map's edges join. TDateifehler when the file is bad.
void AbspielenOeffnen(TAbspielsitzung& s, const std::string& datei, bool umbrechen);
// Feeds the events to the editor as the editor window would.
void Abspielen(TAbspielsitzung& s, const std::vector<TAbspielereignis>& ereignisse);
