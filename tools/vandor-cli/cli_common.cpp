#include "cli_common.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "base/dateien.h"
#include "base/text.h"
#include "scenario/komprimierung.h"
#include "scenario/szenario_datei.h"

namespace {

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
        throw TAufruffehler("unknown option " + Zitat(arg));
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
                        std::to_string(bis) + ", not \"" + Zitat(text) + "\"");
  return wert;
}

void SzenarioEinlesen(const std::string& pfad, TKV& kv, TSzenario& s) {
  std::string grund;
  if (!SzenarioLaden(kv, s, pfad, &grund)) throw TDateifehler(pfad + ": " + grund);
}

void ZielPruefen(const std::string& pfad) {
  if (pfad.empty()) throw TDateifehler("cannot write a file without a name: the name is empty");
  const std::size_t schnitt = pfad.find_last_of('/');
  const std::size_t name = schnitt == std::string::npos ? pfad.size() : pfad.size() - schnitt - 1;
  if (name == 0) throw TDateifehler(pfad + ": cannot be written, the file name is empty");
  if (name > NAME_MAX)
    throw TDateifehler(Zitat(pfad) + ": cannot be written, the file name is too long (" +
                       std::to_string(name) + " bytes, at most " + std::to_string(NAME_MAX) + ")");
  const std::string problem = OrdnerProblem(OrdnerVon(pfad));
  if (!problem.empty()) throw TDateifehler(pfad + ": cannot be written, " + problem);
  struct stat info {};
  if (::stat(pfad.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    throw TDateifehler(pfad + ": cannot be written, it is a folder");
}

std::string FuerTerminal(const TText& text) {
  // Control characters from a file must not reach the terminal (an ESC would start a sequence);
  // only the line break stays. Of 0x80-0x9F only the five unused codes would become controls.
  TText sicher;
  sicher.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    const bool steuerzeichen = (c < 0x20 && c != '\n') || c == 0x7F || Unicodezeichen(c) == 0;
    sicher.push_back(steuerzeichen ? '?' : text[i]);
  }
  return Latin1NachUtf8(sicher);
}

std::string Zitat(const std::string& wort) {
  constexpr std::size_t Hoechstens = 80;
  std::string aus;
  for (std::size_t i = 0; i < wort.size(); ++i) {
    const auto c = static_cast<unsigned char>(wort[i]);
    // Cut before a character, never inside one (UTF-8 continuation bytes are 10xxxxxx).
    if (aus.size() >= Hoechstens && (c & 0xC0) != 0x80) return aus + "...";
    aus.push_back(c < 0x20 || c == 0x7F ? '?' : wort[i]);
  }
  return aus;
}
