#pragma once
// The editor's own command-line options, answered before anything needs a screen.
#include <optional>
#include <ostream>

// Answers --help and --version (exit code 0) and refuses an unknown option (exit code 2, with a
// hint at --help), in German when the locale is German, else in English. Qt's own options
// ("-platform xcb", "-style=fusion", ...) and file names pass, as does everything after "--".
// Empty when the program is to start.
std::optional<int> BefehlszeileBeantworten(int argc, const char* const* argv, std::ostream& aus,
                                           std::ostream& fehler);
