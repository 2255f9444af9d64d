#pragma once
// Qt's own texts (the buttons of prompts and message boxes, the edit fields' context menus) in
// the program's language, from the translations the system ships beside Qt.
#include <cstdint>

// Installs Qt's translation for the language (0 German; 1 English, Qt's own language, removes
// it). False when the translation file is missing: Qt's texts then stay English.
bool QtTexteLaden(uint8_t sprache);
