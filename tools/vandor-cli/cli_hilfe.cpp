#include "cli_hilfe.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <sstream>

namespace {

const TBefehl* Finden(std::span<const TBefehl> befehle, const std::string& name) {
  for (const TBefehl& b : befehle)
    if (name == b.Name) return &b;
  return nullptr;
}

// The description, or a note that the row lacks one (the tests look for rows without).
const char* Beschreibung(const TBefehl& b) {
  return b.Beschreibung ? b.Beschreibung : "(no description)";
}

} // namespace

std::vector<TOptionsangabe> OptionenVon(const char* aufruf) {
  std::vector<std::string> woerter;
  std::istringstream ein(aufruf);
  for (std::string wort; ein >> wort;)
    woerter.push_back(wort);
  std::vector<TOptionsangabe> optionen;
  for (std::size_t i = 0; i < woerter.size(); ++i) {
    std::string name = woerter[i];
    name.erase(0, name.find_first_not_of('['));
    if (name.size() < 3 || name.compare(0, 2, "--") != 0) continue;
    const bool schliesst = name.back() == ']';
    name.erase(name.find_last_not_of(']') + 1);
    TOptionsangabe o{name, {}};
    if (!schliesst && i + 1 < woerter.size() && woerter[i + 1] != "|" &&
        woerter[i + 1].compare(0, 1, "[") != 0) {
      o.Wert = woerter[i + 1];
      o.Wert.erase(o.Wert.find_last_not_of(']') + 1);
    }
    const bool schonDa = std::any_of(optionen.begin(), optionen.end(),
                                     [&](const TOptionsangabe& a) { return a.Name == o.Name; });
    if (!schonDa) optionen.push_back(o);
  }
  return optionen;
}

void UebersichtAusgeben(std::ostream& aus, std::span<const TBefehl> befehle) {
  aus << "usage: vandor-cli COMMAND ARGUMENTS...\n"
         "       vandor-cli help [COMMAND]\n"
         "       vandor-cli --help | --version\n\n"
         "Builds, describes, pictures and edits scenario files (.vdz) of Vandor Editor with the\n"
         "editor's own code, without a window.\n\n"
         "Commands:\n";
  std::size_t breite = 0;
  for (const TBefehl& b : befehle)
    breite = std::max(breite, std::strlen(b.Name));
  const auto zeile = [&](const char* name, const char* text) {
    aus << "  " << name << std::string(breite + 2 - std::strlen(name), ' ') << text << '\n';
  };
  for (const TBefehl& b : befehle)
    zeile(b.Name, Beschreibung(b));
  aus << "\n\"vandor-cli help COMMAND\" or \"vandor-cli COMMAND --help\" shows a command's usage.\n"
         "Exit codes: 0 done, 1 a file could not be read or written, 2 a wrong call.\n"
         "The manual page vandor-cli(1) describes every command and option.\n";
}

void BefehlshilfeAusgeben(std::ostream& aus, const TBefehl& befehl) {
  aus << "usage: vandor-cli " << befehl.Aufruf << "\n\n" << Beschreibung(befehl) << ".\n";
  const std::vector<TOptionsangabe> optionen = OptionenVon(befehl.Aufruf);
  if (!optionen.empty()) {
    aus << "\nOptions:";
    for (const TOptionsangabe& o : optionen)
      aus << ' ' << o.Name;
    aus << '\n';
  }
  aus << "\nExit codes: 0 done, 1 a file could not be read or written, 2 a wrong call.\n"
         "More in the manual page vandor-cli(1).\n";
}

bool HilfeVerlangt(const TBefehl& befehl, const TArgumente& argumente) {
  const std::vector<TOptionsangabe> optionen = OptionenVon(befehl.Aufruf);
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& arg = argumente[i];
    if (arg == "--help" || arg == "-h") return true;
    const bool mitWert =
        std::any_of(optionen.begin(), optionen.end(),
                    [&](const TOptionsangabe& o) { return o.Name == arg && !o.Wert.empty(); });
    if (mitWert) ++i; // its value, whatever it looks like
  }
  return false;
}

int BefehlHelp(std::span<const TBefehl> befehle, const TArgumente& argumente) {
  if (argumente.empty()) {
    UebersichtAusgeben(std::cout, befehle);
  } else if (argumente.size() == 1 && argumente[0] == "--commands") {
    for (const TBefehl& b : befehle)
      std::cout << b.Name << '\n';
  } else if (argumente.size() == 2 && argumente[0] == "--options") {
    const TBefehl* b = Finden(befehle, argumente[1]);
    if (b == nullptr) throw TAufruffehler("unknown command \"" + Zitat(argumente[1]) + "\"");
    for (const TOptionsangabe& o : OptionenVon(b->Aufruf))
      std::cout << o.Name << (o.Wert.empty() ? "" : " " + o.Wert) << '\n';
    std::cout << "--help\n";
  } else if (argumente.size() == 1 && argumente[0].compare(0, 1, "-") != 0) {
    const TBefehl* b = Finden(befehle, argumente[0]);
    if (b == nullptr) throw TAufruffehler("unknown command \"" + Zitat(argumente[0]) + "\"");
    BefehlshilfeAusgeben(std::cout, *b);
  } else {
    throw TAufruffehler(argumente.size() == 1 ? "unknown option " + Zitat(argumente[0])
                                              : "too many arguments");
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}
