#pragma once
// The help of vandor-cli, made from the command table alone: a command added to the table has
// its help, its page in the overview and its completion without anything written here.
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "cli_common.h"

// An option as the usage line names it: "--size" with its value "WxH", or a flag (Wert empty).
struct TOptionsangabe {
  std::string Name;
  std::string Wert;
};
// The options of a usage line in their order, each once: every word beginning with "--"; the
// word after it is its value unless the option's bracket closes on it or the next word is "|".
std::vector<TOptionsangabe> OptionenVon(const char* aufruf);

// The overview: the call, every command with its description, the general options, exit codes.
void UebersichtAusgeben(std::ostream& aus, std::span<const TBefehl> befehle);
// The help of one command: its usage line, its description and its options.
void BefehlshilfeAusgeben(std::ostream& aus, const TBefehl& befehl);
// Whether the arguments of a command ask for its help: "--help" or "-h" where no option of the
// command takes it as its value.
bool HilfeVerlangt(const TBefehl& befehl, const TArgumente& argumente);

// vandor-cli help [COMMAND]: the overview or one command's help. For the shell's completion,
// "help --commands" lists the commands' names and "help --options COMMAND" the command's options,
// one a line, an option with a value followed by a space and the value's name.
int BefehlHelp(std::span<const TBefehl> befehle, const TArgumente& argumente);
