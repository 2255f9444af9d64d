#include "cli_common.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "base/datei_ersetzen.h"
#include "base/datei_lesen.h"
#include "base/dateien.h"
#include "base/text.h"
#include "scenario/komprimierung.h"
#include "scenario/szenario_datei.h"

namespace {

// Why a file cannot be created in this folder, or empty when it can.
std::string OrdnerProblem(const std::string& ordner) {
  struct stat info {};
  if (::stat(ordner.c_str(), &info) != 0)
    return "its folder " + Dateiname(ordner) + " does not exist";
  if (!S_ISDIR(info.st_mode)) return Dateiname(ordner) + " is not a folder";
  if (::access(ordner.c_str(), W_OK | X_OK) != 0)
    return "its folder " + Dateiname(ordner) + " is not writable";
  return {};
}

// The length of the UTF-8 sequence at text[i] and its character, or 0 when it is none.
std::size_t Utf8Zeichen(const std::string& text, std::size_t i, uint32_t& zeichen) {
  const auto c = static_cast<unsigned char>(text[i]);
  std::size_t laenge = c < 0x80             ? 1
                       : (c & 0xE0) == 0xC0 ? 2
                       : (c & 0xF0) == 0xE0 ? 3
                       : (c & 0xF8) == 0xF0 ? 4
                                            : 0;
  if (laenge == 0 || i + laenge > text.size()) return 0;
  zeichen = laenge == 1 ? c : c & (0x7F >> laenge);
  for (std::size_t k = 1; k < laenge; ++k) {
    const auto f = static_cast<unsigned char>(text[i + k]);
    if ((f & 0xC0) != 0x80) return 0;
    zeichen = zeichen << 6 | (f & 0x3F);
  }
  // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
  static const uint32_t kleinste[] = {0, 0, 0x80, 0x800, 0x10000};
  if (zeichen < kleinste[laenge] || zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen < 0xE000))
    return 0;
  return laenge;
}

// Cuts a safe text (whole characters) to its first vorne bytes, "...", its last hinten bytes.
std::string Kuerzen(const std::string& text, std::size_t vorne, std::size_t hinten) {
  if (text.size() <= vorne + hinten + 3) return text;
  auto folgebyte = [&](std::size_t i) {
    return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
  };
  std::size_t a = vorne;
  while (a > 0 && folgebyte(a))
    --a;
  std::size_t e = text.size() - hinten;
  while (e < text.size() && folgebyte(e))
    ++e;
  return text.substr(0, a) + "..." + text.substr(e);
}

} // namespace

TDateifehler::TDateifehler(const std::string& pfad, const std::string& was)
    : std::runtime_error(Dateiname(pfad) + ": " + was) {}

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
  if (!SzenarioLaden(kv, s, pfad, &grund)) throw TDateifehler(pfad, grund);
}

void ZielPruefen(const std::string& pfad) {
  if (pfad.empty()) throw TDateifehler("cannot write a file without a name: the name is empty");
  const std::size_t schnitt = pfad.find_last_of('/');
  const std::size_t name = schnitt == std::string::npos ? pfad.size() : pfad.size() - schnitt - 1;
  if (name == 0) throw TDateifehler(pfad, "cannot be written, the file name is empty");
  if (name > NAME_MAX)
    throw TDateifehler(pfad, "cannot be written, the file name is too long (" +
                                 std::to_string(name) + " bytes, at most " +
                                 std::to_string(NAME_MAX) + ")");
  // Nothing is replaced that is not a plain file its owner may write: what stands there is told
  // first. A link leads to the file that is written, which may lie in another folder.
  TSchreibziel ziel;
  std::string grund;
  const bool zulaessig = SchreibzielPruefen(pfad, ziel, &grund);
  if (!zulaessig && grund.rfind("it is ", 0) == 0)
    throw TDateifehler(pfad, "cannot be written, " + grund);
  const std::string problem = OrdnerProblem(OrdnerVon(zulaessig ? ziel.Pfad : pfad));
  if (!problem.empty()) throw TDateifehler(pfad, "cannot be written, " + problem);
  if (!zulaessig) throw TDateifehler(pfad, "cannot be written, " + grund);
}

std::FILE* EingabedateiOeffnen(const std::string& pfad, const char* was) {
  std::string grund;
  const int fd = EingabeOeffnen(pfad, &grund, was);
  if (fd < 0) throw TDateifehler(pfad, grund);
  std::FILE* f = ::fdopen(fd, "rb");
  if (f == nullptr) {
    grund = std::strerror(errno);
    ::close(fd);
    throw TDateifehler(pfad, grund);
  }
  return f;
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

std::string Terminalzeile(const std::string& text) {
  std::string aus;
  aus.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    uint32_t zeichen = 0;
    const std::size_t laenge = Utf8Zeichen(text, i, zeichen);
    const bool steuerzeichen = zeichen < 0x20 || (zeichen >= 0x7F && zeichen < 0xA0);
    if (laenge == 0 || steuerzeichen) {
      aus.push_back('?');
      i += laenge == 0 ? 1 : laenge;
    } else {
      aus.append(text, i, laenge);
      i += laenge;
    }
  }
  return aus;
}

std::string Zitat(const std::string& wort) {
  constexpr std::size_t Hoechstens = 80;
  const std::string sicher = Terminalzeile(wort);
  return sicher.size() <= Hoechstens + 3 ? sicher : Kuerzen(sicher, Hoechstens, 0);
}

std::string Dateiname(const std::string& pfad) {
  return Kuerzen(Terminalzeile(pfad), 38, 38);
}
