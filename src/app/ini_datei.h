#pragma once
// Key-value settings files in the INI form of the Windows profile functions: "[Abschnitt]"
// lines and "Schluessel=Wert" lines below them. Section and key names are compared without
// regard to case; values are plain Latin-1 texts without quoting. Writing a key changes only
// that key's line, so everything else in the file stays exactly as it was.
#include <cstddef>
#include <string>
#include <vector>

#include "base/text.h"

struct TIniDatei {
  // A UTF-8 byte-order mark the file began with; it is not part of the first line and is
  // written back in front of it.
  std::string Kennung;
  // Every line with its own line end ("\n", "\r\n" or none on the last line).
  std::vector<std::string> Zeilen;
};

// Values longer than this are cut when read.
constexpr std::size_t IniWertHoechstlaenge = 2047;

// Splits the bytes of a file into lines.
TIniDatei IniAusText(const std::string& inhalt);
std::string IniAlsText(const TIniDatei& datei);

// Reads the file at pfad (UTF-8 path) into datei. A missing file gives an empty one and true;
// a file that exists but cannot be read (a read error, not a plain file, larger than 16 MiB, or
// no read permission for its owner, which counts even where the process could read it anyway)
// gives false. Opening never waits (a FIFO in the file's place).
bool IniLaden(const std::string& pfad, TIniDatei& datei);
// Writes the file beside pfad and renames it into place (DateiErsetzen), so that a failed write
// leaves the old file whole. A symbolic link is written through: the new file goes beside its
// target and replaces the target, keeping its permissions. A file without write permission for
// its owner is read-only and is not replaced, nor is anything but a plain file. Returns false
// when the file was not written.
bool IniSpeichern(const std::string& pfad, const TIniDatei& datei);

// The value of the first such key in the first such section, cut to 2 047 characters and
// without the blanks around it; vorgabe when the section or key is missing.
TText IniLesen(const TIniDatei& datei, const TText& abschnitt, const TText& schluessel,
               const TText& vorgabe = {});
// Sets the key, adding it (and its section) when missing. Line breaks in the value become
// blanks: a value is one line and can never add keys of its own.
void IniSchreiben(TIniDatei& datei, const TText& abschnitt, const TText& schluessel,
                  const TText& wert);
