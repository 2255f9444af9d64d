// Settings-file text: parse it, read the three keys, change one, write, parse again. The changed
// key reads back as written, and every other line of the file survives byte for byte.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ini_datei.h"

namespace {

void Pruefen(bool gut) {
  if (!gut) std::abort();
}

// Equal, or the old file's last line that only gained a line end because lines follow it now.
bool Gleich(const std::string& alt, const std::string& neu, bool altLetzte) {
  if (alt == neu) return true;
  if (!altLetzte || (!alt.empty() && alt.back() == '\n')) return false;
  return neu.compare(0, alt.size(), alt) == 0 &&
         (neu.substr(alt.size()) == "\n" || neu.substr(alt.size()) == "\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t laenge) {
  // The input is the file's text; after a zero byte comes the value to write.
  const std::string eingabe(reinterpret_cast<const char*>(daten), laenge);
  const std::size_t null = eingabe.find('\0');
  const std::string text = eingabe.substr(0, null);
  const TText wert = null == std::string::npos ? TText("Jana M\xFCller") : eingabe.substr(null + 1);
  static const char* const Schluessel[] = {"Autor", "Epost", "Homepage"};
  const char* schluessel = Schluessel[laenge % 3];

  const TIniDatei alt = IniAusText(text);
  Pruefen(IniAlsText(alt) == text);
  for (const char* s : Schluessel)
    Pruefen(IniLesen(alt, "Editor", s).size() <= IniWertHoechstlaenge);

  TIniDatei neu = alt;
  IniSchreiben(neu, "Editor", schluessel, wert);
  const TIniDatei wieder = IniAusText(IniAlsText(neu));
  Pruefen(wieder.Zeilen == neu.Zeilen);

  // The value reads back as one line without the blanks around it.
  TText erwartet = wert;
  for (char& c : erwartet)
    if (c == '\r' || c == '\n') c = ' ';
  const std::size_t a = erwartet.find_first_not_of(" \t");
  const std::size_t e = erwartet.find_last_not_of(" \t");
  erwartet = a == std::string::npos ? "" : erwartet.substr(a, e - a + 1);
  Pruefen(IniLesen(wieder, "Editor", schluessel) == erwartet.substr(0, IniWertHoechstlaenge));

  // The old lines are all there: at most one of them changed, at most three new ones added.
  const auto& o = alt.Zeilen;
  const auto& n = wieder.Zeilen;
  std::size_t vorne = 0;
  while (vorne < o.size() && vorne < n.size() && Gleich(o[vorne], n[vorne], vorne + 1 == o.size()))
    ++vorne;
  std::size_t hinten = 0;
  while (hinten < o.size() - vorne && hinten < n.size() - vorne &&
         o[o.size() - 1 - hinten] == n[n.size() - 1 - hinten])
    ++hinten;
  Pruefen(o.size() - vorne - hinten <= 1);
  Pruefen(n.size() - vorne - hinten <= 3);
  return 0;
}
