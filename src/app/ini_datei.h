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
  // Every line with its own line end ("\n", "\r\n" or none on the last line).
  std::vector<std::string> Zeilen;
};

// Values longer than this are cut when read.
constexpr std::size_t IniWertHoechstlaenge = 2047;

// Splits the bytes of a file into lines.
TIniDatei IniAusText(const std::string& inhalt);
std::string IniAlsText(const TIniDatei& datei);

// Reads the file at pfad (UTF-8 path). A missing or unreadable file gives an empty one.
TIniDatei IniLaden(const std::string& pfad);
// Writes the file beside pfad and renames it into place, so that a failed write leaves the old
// file whole. Returns false when the file could not be written.
bool IniSpeichern(const std::string& pfad, const TIniDatei& datei);

// The value of the first such key in the first such section, cut to 2 047 characters and
// without the blanks around it; vorgabe when the section or key is missing.
TText IniLesen(const TIniDatei& datei, const TText& abschnitt, const TText& schluessel,
               const TText& vorgabe = {});
// Sets the key, adding it (and its section) when missing. Line breaks in the value become
// blanks: a value is one line and can never add keys of its own.
void IniSchreiben(TIniDatei& datei, const TText& abschnitt, const TText& schluessel,
                  const TText& wert);
