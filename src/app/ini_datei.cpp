#include "app/ini_datei.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "base/datei_ersetzen.h"
#include "base/datei_lesen.h"

namespace {

bool Leerzeichen(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Beschnitten(const std::string& s) {
  std::size_t a = 0, e = s.size();
  while (a < e && Leerzeichen(s[a]))
    ++a;
  while (e > a && Leerzeichen(s[e - 1]))
    --e;
  return s.substr(a, e - a);
}

char Klein(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool GleichOhneFall(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Klein(a[i]) != Klein(b[i])) return false;
  return true;
}

// The name of a section line "[name]", or nothing for any other line.
std::optional<std::string> Abschnittsname(const std::string& zeile) {
  std::string z = Beschnitten(zeile);
  if (z.empty() || z[0] != '[') return std::nullopt;
  std::size_t ende = z.find(']');
  return Beschnitten(z.substr(1, ende == std::string::npos ? std::string::npos : ende - 1));
}

struct TSchluesselzeile {
  std::string Schluessel;
  std::string Wert;
};

std::optional<TSchluesselzeile> Schluesselzeile(const std::string& zeile) {
  std::string z = Beschnitten(zeile);
  if (z.empty() || z[0] == ';' || z[0] == '[') return std::nullopt;
  std::size_t gleich = z.find('=');
  if (gleich == std::string::npos) return std::nullopt;
  return TSchluesselzeile{Beschnitten(z.substr(0, gleich)), Beschnitten(z.substr(gleich + 1))};
}

// Index of the section's header line, or -1.
long AbschnittSuchen(const TIniDatei& d, const TText& abschnitt) {
  for (std::size_t i = 0; i < d.Zeilen.size(); ++i) {
    auto name = Abschnittsname(d.Zeilen[i]);
    if (name && GleichOhneFall(*name, abschnitt)) return static_cast<long>(i);
  }
  return -1;
}

// The line end new lines get: that of the file's first line, "\n" for a new file.
std::string Zeilenende(const TIniDatei& d) {
  for (const auto& z : d.Zeilen) {
    if (z.size() >= 2 && z.compare(z.size() - 2, 2, "\r\n") == 0) return "\r\n";
    if (!z.empty() && z.back() == '\n') return "\n";
  }
  return "\n";
}

bool HatZeilenende(const std::string& z) {
  return !z.empty() && z.back() == '\n';
}

const std::string Bytereihenfolgemarke = "\xEF\xBB\xBF";
// A settings file is a few lines; anything larger is not one.
constexpr uint64_t IniHoechstgroesse = 16 << 20;

} // namespace

TIniDatei IniAusText(const std::string& inhalt) {
  TIniDatei d;
  std::size_t a = 0;
  if (inhalt.compare(0, Bytereihenfolgemarke.size(), Bytereihenfolgemarke) == 0) {
    d.Kennung = Bytereihenfolgemarke;
    a = Bytereihenfolgemarke.size();
  }
  while (a < inhalt.size()) {
    std::size_t e = inhalt.find('\n', a);
    if (e == std::string::npos) e = inhalt.size() - 1;
    d.Zeilen.push_back(inhalt.substr(a, e - a + 1));
    a = e + 1;
  }
  return d;
}

std::string IniAlsText(const TIniDatei& datei) {
  std::string s = datei.Kennung;
  for (const auto& z : datei.Zeilen)
    s += z;
  return s;
}

bool IniLaden(const std::string& pfad, TIniDatei& datei) {
  datei = {};
  struct stat info {};
  if (::stat(pfad.c_str(), &info) != 0) return errno == ENOENT;
  // Without a read bit the file is unreadable for its owner; root must not read and then
  // replace what the owner could not have.
  if (S_ISREG(info.st_mode) && !(info.st_mode & S_IRUSR)) return false;
  // Opened without waiting: a FIFO or a device in the file's place is no settings file.
  std::vector<uint8_t> inhalt;
  if (!EingabeLesen(pfad, inhalt, IniHoechstgroesse)) return false;
  datei = IniAusText(std::string(inhalt.begin(), inhalt.end()));
  return true;
}

bool IniSpeichern(const std::string& pfad, const TIniDatei& datei) {
  // Replaced in one step; links written through, permissions and owner kept, a read-only file
  // (as the profile functions leave it) or anything but a plain file refused.
  const std::string text = IniAlsText(datei);
  return DateiErsetzen(pfad, [&](int fd, std::string& grund) {
    if (AllesSchreiben(fd, reinterpret_cast<const uint8_t*>(text.data()), text.size())) return true;
    grund = std::string("cannot be written: ") + std::strerror(errno);
    return false;
  });
}

TText IniLesen(const TIniDatei& datei, const TText& abschnitt, const TText& schluessel,
               const TText& vorgabe) {
  long start = AbschnittSuchen(datei, abschnitt);
  if (start < 0) return vorgabe;
  for (std::size_t i = static_cast<std::size_t>(start) + 1; i < datei.Zeilen.size(); ++i) {
    if (Abschnittsname(datei.Zeilen[i])) break;
    auto zeile = Schluesselzeile(datei.Zeilen[i]);
    if (zeile && GleichOhneFall(zeile->Schluessel, schluessel))
      return zeile->Wert.substr(0, IniWertHoechstlaenge);
  }
  return vorgabe;
}

void IniSchreiben(TIniDatei& datei, const TText& abschnitt, const TText& schluessel,
                  const TText& wert) {
  TText einzeilig = wert;
  for (char& c : einzeilig)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string ende = Zeilenende(datei);
  const std::string neueZeile = schluessel + "=" + einzeilig;
  auto& z = datei.Zeilen;

  long start = AbschnittSuchen(datei, abschnitt);
  if (start < 0) {
    // A new section goes to the end, after a blank line when the file has content.
    if (!z.empty() && !HatZeilenende(z.back())) z.back() += ende;
    if (!z.empty() && !Beschnitten(z.back()).empty()) z.push_back(ende);
    z.push_back("[" + abschnitt + "]" + ende);
    z.push_back(neueZeile + ende);
    return;
  }
  // The new key goes after the section's last non-blank line.
  std::size_t einfuegen = static_cast<std::size_t>(start) + 1;
  for (std::size_t i = static_cast<std::size_t>(start) + 1; i < z.size(); ++i) {
    if (Abschnittsname(z[i])) break;
    auto zeile = Schluesselzeile(z[i]);
    if (zeile && GleichOhneFall(zeile->Schluessel, schluessel)) {
      std::string alt = z[i];
      std::size_t inhalt = alt.size();
      while (inhalt > 0 && (alt[inhalt - 1] == '\n' || alt[inhalt - 1] == '\r'))
        --inhalt;
      z[i] = neueZeile + alt.substr(inhalt);
      return;
    }
    if (!Beschnitten(z[i]).empty()) einfuegen = i + 1;
  }
  if (einfuegen == z.size() && !z.empty() && !HatZeilenende(z.back())) z.back() += ende;
  z.insert(z.begin() + static_cast<long>(einfuegen), neueZeile + ende);
}
