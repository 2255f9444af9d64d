#include "cli_common.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "base/dateien.h"
#include "base/text.h"
#include "scenario/komprimierung.h"
#include "scenario/szenario_datei.h"

namespace {

std::string Ordner(const std::string& pfad) {
  const std::size_t schnitt = pfad.find_last_of('/');
  if (schnitt == std::string::npos) return ".";
  return schnitt == 0 ? "/" : pfad.substr(0, schnitt);
}

// Why a file cannot be created in this folder, or empty when it can.
std::string OrdnerProblem(const std::string& ordner) {
  struct stat info {};
  if (::stat(ordner.c_str(), &info) != 0) return "its folder " + ordner + " does not exist";
  if (!S_ISDIR(info.st_mode)) return ordner + " is not a folder";
  if (::access(ordner.c_str(), W_OK | X_OK) != 0)
    return "its folder " + ordner + " is not writable";
  return {};
}

} // namespace

std::optional<std::string> TAufteilung::Option(const std::string& name) const {
  for (const auto& [n, wert] : Optionen)
    if (n == name) return wert;
  return std::nullopt;
}

TAufteilung Aufteilen(const TArgumente& argumente, const std::vector<std::string>& mitWert,
                      const std::vector<std::string>& schalter, std::size_t positionen) {
  TAufteilung a;
  auto enthaelt = [](const std::vector<std::string>& liste, const std::string& s) {
    return std::find(liste.begin(), liste.end(), s) != liste.end();
  };
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& arg = argumente[i];
    if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      if (enthaelt(mitWert, arg)) {
        if (i + 1 >= argumente.size()) throw TAufruffehler(arg + " needs a value");
        if (a.Option(arg)) throw TAufruffehler(arg + " given twice");
        a.Optionen.emplace_back(arg, argumente[++i]);
      } else if (enthaelt(schalter, arg)) {
        a.Optionen.emplace_back(arg, "");
      } else {
        throw TAufruffehler("unknown option " + arg);
      }
    } else {
      a.Positionen.push_back(arg);
    }
  }
  if (a.Positionen.size() != positionen)
    throw TAufruffehler(a.Positionen.size() < positionen ? "missing file name"
                                                         : "too many arguments");
  return a;
}

int32_t ZahlArgument(const std::string& text, int32_t von, int32_t bis, const std::string& name) {
  int32_t wert = 0;
  const char* ende = text.data() + text.size();
  const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
  if (text.empty() || fehler != std::errc() || p != ende || wert < von || wert > bis)
    throw TAufruffehler(name + " must be a whole number from " + std::to_string(von) + " to " +
                        std::to_string(bis) + ", not \"" + text + "\"");
  return wert;
}

void SzenarioEinlesen(const std::string& pfad, TKV& kv, TSzenario& s) {
  struct stat info {};
  if (::stat(pfad.c_str(), &info) != 0) throw TDateifehler(pfad + ": " + std::strerror(errno));
  if (S_ISDIR(info.st_mode)) throw TDateifehler(pfad + ": is a folder, not a scenario file");
  if (::access(pfad.c_str(), R_OK) != 0) throw TDateifehler(pfad + ": " + std::strerror(errno));
  const std::string problem = OrdnerProblem(Ordner(pfad));
  if (!problem.empty())
    throw TDateifehler(pfad + ": cannot be read, no temporary file can be made beside it (" +
                       problem + ")");
  if (!SzenarioLaden(kv, s, pfad, NachbarTempname(pfad)))
    throw TDateifehler(pfad + ": not a readable scenario file (damaged, not a zlib stream, or "
                              "sizes beyond 9999 x 9999 cells or 1000000 start positions)");
}

void ZielPruefen(const std::string& pfad) {
  const std::string problem = OrdnerProblem(Ordner(pfad));
  if (!problem.empty()) throw TDateifehler(pfad + ": cannot be written, " + problem);
  struct stat info {};
  if (::stat(pfad.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    throw TDateifehler(pfad + ": cannot be written, it is a folder");
}

std::string FuerTerminal(const TText& text) {
  std::string aus = Latin1NachUtf8(text);
  std::string ohneCr;
  ohneCr.reserve(aus.size());
  for (std::size_t i = 0; i < aus.size(); ++i)
    if (!(aus[i] == '\r' && i + 1 < aus.size() && aus[i + 1] == '\n')) ohneCr.push_back(aus[i]);
  return ohneCr;
}
