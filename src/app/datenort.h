#pragma once
// Telling the user where new files go when the program's own folder cannot be written.
#include <QString>
#include <string>

#include "editor/start.h"

// The notice for the first run of a copy whose folder the user cannot write (its data moved to
// ordner.Daten), in the language sprache (0 German, 1 English); empty when there is nothing to
// tell: the data lie beside the program, the program is installed, or the user was told before.
QString DatenortHinweis(const TDatenordner& ordner, const std::string& programmordner,
                        uint8_t sprache);
