#pragma once
// The user settings file "Benutzer/Benutzer.ini": the author, e-mail address and home page that
// the set-up dialog carries into every scenario it saves, kept between runs.
#include <cstdint>
#include <string>

#include "base/text.h"

struct TBenutzerDaten {
  TText Autor;
  TText Epost;
  TText Homepage;
};

// programmordner (ending with "/") + "Benutzer/Benutzer.ini"
std::string BenutzerIniPfad(const std::string& programmordner);
// Section "Editor", keys "Autor", "Epost", "Homepage"; whatever is missing reads as empty.
TBenutzerDaten BenutzerDatenLesen(const std::string& pfad);
// Writes the three keys, empty values included, leaving every other line of the file alone.
// Returns false when the file could not be written, or could not be read first (it is then
// left untouched).
bool BenutzerDatenSchreiben(const std::string& pfad, const TBenutzerDaten& daten);

// The memory the editing history may hold, in MiB: key "Verlaufsspeicher" of section "Editor";
// 512 when it is missing or not a whole number from 1 up.
int64_t VerlaufsspeicherLesen(const std::string& pfad);
