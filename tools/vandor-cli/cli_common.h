#pragma once
// What the commands of vandor-cli share: argument handling, the two kinds of failure with their
// exit codes, loading a scenario with a clear reason on failure, and writing PNG pictures.
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/spiel.h"
#include "model/szenario.h"
#include "scenario/szenario_vorschau.h"

// The arguments after the command's name.
using TArgumente = std::vector<std::string>;

// A wrong call: exit code 2 with the command's usage line.
struct TAufruffehler : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// A file that cannot be read or written: exit code 1 with this one line.
struct TDateifehler : std::runtime_error {
  using std::runtime_error::runtime_error;
  // "<the file name, as Dateiname shows it>: <was>"
  TDateifehler(const std::string& pfad, const std::string& was);
};

// One command of the table in main.cpp.
struct TBefehl {
  const char* Name;
  const char* Aufruf; // the usage line after "vandor-cli "; its "--" words are the options
  int (*Ausfuehren)(const TArgumente& argumente);
  const char* Beschreibung = nullptr; // what it does, one line without a full stop
};

// Splits the arguments into positional ones and options. Options named in mitWert take the next
// argument as their value; the others are flags. Unknown options, a missing value or a wrong
// number of positional arguments are call errors.
struct TAufteilung {
  std::vector<std::string> Positionen;
  std::vector<std::pair<std::string, std::string>> Optionen;
  std::optional<std::string> Option(const std::string& name) const;
  bool Schalter(const std::string& name) const { return Option(name).has_value(); }
};
TAufteilung Aufteilen(const TArgumente& argumente, const std::vector<std::string>& mitWert,
                      const std::vector<std::string>& schalter, std::size_t positionen);

// A whole decimal number in von ... bis, else a call error naming the option.
int32_t ZahlArgument(const std::string& text, int32_t von, int32_t bis, const std::string& name);

// Loads a scenario file (nothing is written); a TDateifehler names the true reason of a failure.
void SzenarioEinlesen(const std::string& pfad, TKV& kv, TSzenario& s);
// Checks that a file can be written at pfad before any work is done: a name that is not empty
// or too long, nothing there or a plain file its owner may write (a symbolic link is followed),
// in a folder that exists and is writable. A FIFO, a device or a folder is never replaced.
void ZielPruefen(const std::string& pfad);
// Opens a picture or list given as input for reading (a plain file, opened without waiting);
// a TDateifehler says why not ("No such file or directory", "is a FIFO, not <was>").
std::FILE* EingabedateiOeffnen(const std::string& pfad, const char* was);
// Writes an RGBA picture as PNG.
void PngSchreiben(const std::string& pfad, const TRgbaBild& bild);
// Writes a picture with a palette as PNG, row by row from its indices.
void PngSchreiben(const std::string& pfad, const TPalettenBild& bild);
// The same with the rows made as they are written: zeile(y) gives row y's palette indices and is
// asked for the rows in order from the top.
void PngSchreiben(const std::string& pfad, int32_t breite, int32_t hoehe,
                  const std::vector<std::array<uint8_t, 3>>& farben,
                  const std::function<const uint8_t*(int32_t y)>& zeile);

// Gives s the texts of the options --name, --author, --email, --homepage and --description and
// today's date, and saves it at ziel; a TDateifehler says why it failed.
void SzenarioMitTextenSpeichern(TSzenario& s, const TAufteilung& a, const std::string& ziel);

// A Latin-1 text for the terminal (UTF-8, line breaks as "\n", other control characters as "?").
std::string FuerTerminal(const TText& text);
// An offending word for an error message: at most about 80 characters (cut with "..."),
// control characters as "?".
std::string Zitat(const std::string& wort);
// A file name for a message: control characters as "?", and a name longer than about 80
// characters cut in its middle, so that the file's own name stays readable.
std::string Dateiname(const std::string& pfad);
// A message as one safe line for the terminal: control characters (line breaks too, and those
// of UTF-8 from 0x80 to 0x9F) and bytes that are no UTF-8 as "?".
std::string Terminalzeile(const std::string& text);
