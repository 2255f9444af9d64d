#include "app/befehlszeile.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Qt's options for every program, with and without a value; Qt takes them with one dash or two.
const char* const QtMitWert[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "display", "geometry",
    "style",           "stylesheet",         "session",       "name",    "title",
    "visual"};
const char* const QtSchalter[] = {"reverse",     "nograb",      "dograb", "sync",
                                  "widgetcount", "testability", "cmap"};

bool Enthaelt(const char* const* von, const char* const* bis, const std::string& name) {
  for (; von != bis; ++von)
    if (name == *von) return true;
  return false;
}

// The language of the messages: the first of LC_ALL, LC_MESSAGES and LANG that is set.
bool Deutsch() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* wert = std::getenv(name);
    if (wert && *wert) return std::strncmp(wert, "de", 2) == 0;
  }
  return false;
}

void Hilfe(std::ostream& aus, bool deutsch) {
  if (deutsch) {
    aus << "Aufruf: vandor-editor [OPTION]... [DATEI.vdz]\n\n"
           "Der Szenario-Editor des Strategiespiels Kestrava. Mit einer DATEI beginnt er mit\n"
           "diesem Szenario im Einstellungsdialog.\n\n"
           "  -h, --help     diese Hilfe zeigen und beenden\n"
           "  -V, --version  die Version zeigen und beenden\n\n"
           "Die Optionen von Qt (-platform, -style, ...) gelten ebenfalls.\n"
           "Daten: neben dem Programm, oder installiert in $XDG_DATA_HOME/vandor-editor\n"
           "(sonst ~/.local/share/vandor-editor). Mehr in der Handbuchseite vandor-editor(1).\n";
    return;
  }
  aus << "usage: vandor-editor [OPTION]... [FILE.vdz]\n\n"
         "The scenario editor of the strategy game Kestrava. With a FILE it starts with that\n"
         "scenario chosen in the set-up dialog.\n\n"
         "  -h, --help     show this help and exit\n"
         "  -V, --version  show the version and exit\n\n"
         "Qt's options (-platform, -style, ...) are taken as well.\n"
         "Data: beside the program, or when installed in $XDG_DATA_HOME/vandor-editor\n"
         "(else ~/.local/share/vandor-editor). More in the manual page vandor-editor(1).\n";
}

// An option as typed, for a message: control characters as "?", so that none reaches the terminal.
std::string Sichtbar(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return text;
}

} // namespace

std::optional<int> BefehlszeileBeantworten(int argc, const char* const* argv, std::ostream& aus,
                                           std::ostream& fehler) {
  const bool deutsch = Deutsch();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") break;
    if (arg.size() < 2 || arg[0] != '-') continue; // a file, or "-"
    if (arg == "--help" || arg == "-h") {
      Hilfe(aus, deutsch);
      return 0;
    }
    if (arg == "--version" || arg == "-V") {
      aus << "vandor-editor " VANDOR_FASSUNG "\n";
      return 0;
    }
    std::string name = arg.substr(arg[1] == '-' ? 2 : 1);
    const std::size_t gleich = name.find('=');
    const bool wertDabei = gleich != std::string::npos;
    if (wertDabei) name.erase(gleich);
    if (Enthaelt(std::begin(QtMitWert), std::end(QtMitWert), name)) {
      if (!wertDabei) ++i;
      continue;
    }
    if (!wertDabei && Enthaelt(std::begin(QtSchalter), std::end(QtSchalter), name)) continue;
    if (deutsch)
      fehler << "vandor-editor: unbekannte Option \"" << Sichtbar(arg)
             << "\"\n\"vandor-editor --help\" zeigt die Optionen.\n";
    else
      fehler << "vandor-editor: unknown option \"" << Sichtbar(arg)
             << "\"\n\"vandor-editor --help\" lists the options.\n";
    return 2;
  }
  return std::nullopt;
}
