// vandor-cli new: builds a map as the set-up dialog does and saves it as a scenario file.
#include <clocale>
#include <ctime>
#include <string>

#include "base/text.h"
#include "cli_common.h"
#include "scenario/karte_erzeugen.h"
#include "scenario/szenario_datei.h"
#include "scenario/szenario_umwandlung.h"

// Today's date in the system's short date format: the locale's "%x" (LC_TIME from the
// environment). The C locale (also as C.UTF-8) has no date format of its own worth the name
// (mm/dd/yy), so without a real locale the date reads dd.mm.yyyy.
TText HeutigesDatum() {
  const std::time_t jetzt = std::time(nullptr);
  std::tm zeit{};
  localtime_r(&jetzt, &zeit);
  const char* ort = std::setlocale(LC_TIME, "");
  const std::string name = ort ? ort : "C";
  const bool cOrt = name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
  char puffer[128];
  if (!cOrt && std::strftime(puffer, sizeof puffer, "%x", &zeit) > 0)
    return TextKuerzen(Utf8NachLatin1(puffer));
  std::strftime(puffer, sizeof puffer, "%d.%m.%Y", &zeit);
  return puffer;
}

void SzenarioMitTextenSpeichern(TSzenario& s, const TAufteilung& a, const std::string& ziel) {
  auto text = [&](const char* option) {
    const auto wert = a.Option(option);
    return wert ? TextKuerzen(Utf8NachLatin1(*wert)) : TText();
  };
  s.Texte[stName] = text("--name");
  s.Texte[stAutor] = text("--author");
  s.Texte[stEpost] = text("--email");
  s.Texte[stHomepage] = text("--homepage");
  s.Texte[stBeschreibung] = text("--description");
  s.Texte[stDatum] = HeutigesDatum();
  std::string grund;
  if (!SzenarioSpeichern(s, ziel, &grund)) throw TDateifehler(ziel, grund);
}

namespace {

TZufallsgenerator GeneratorArgument(const std::string& text) {
  std::string teile[4];
  std::size_t anfang = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t ende = i < 3 ? text.find(':', anfang) : text.size();
    if (ende == std::string::npos)
      throw TAufruffehler("--generator needs four numbers S:F:A:M, not \"" + Zitat(text) + "\"");
    teile[i] = text.substr(anfang, ende - anfang);
    anfang = ende + 1;
  }
  TZufallsgenerator g;
  g.Saat = ZahlArgument(teile[0], INT32_MIN, INT32_MAX, "the generator's seed");
  g.Faktor = ZahlArgument(teile[1], INT32_MIN, INT32_MAX, "the generator's factor");
  g.Summand = ZahlArgument(teile[2], INT32_MIN, INT32_MAX, "the generator's increment");
  g.Modul = ZahlArgument(teile[3], INT32_MIN, INT32_MAX, "the generator's modulus");
  if (g.Modul == 0) throw TAufruffehler("the generator's modulus must not be 0");
  return g;
}

} // namespace

int BefehlNew(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente,
                                  {"--size", "--terrain", "--landscape", "--generator", "--name",
                                   "--author", "--email", "--homepage", "--description"},
                                  {}, 1);
  const std::string ziel = a.Positionen[0];

  TKartenParameter p; // zeroed, as the dialog leaves it: no deposits, no start positions
  p.Breite = 30;
  p.Hoehe = 30;
  p.Gelaende = 3;
  p.Landschaft = 1;
  p.Verfahren = kvFuellen;
  if (const auto groesse = a.Option("--size")) {
    const std::size_t x = groesse->find_first_of("xX");
    if (x == std::string::npos) throw TAufruffehler("--size must look like 40x30");
    p.Breite = ZahlArgument(groesse->substr(0, x), 1, 9999, "the width");
    p.Hoehe = ZahlArgument(groesse->substr(x + 1), 1, 9999, "the height");
  }
  const auto gelaende = a.Option("--terrain");
  const auto landschaft = a.Option("--landscape");
  if (gelaende && landschaft) throw TAufruffehler("give either --terrain or --landscape");
  if (gelaende) p.Gelaende = static_cast<uint8_t>(ZahlArgument(*gelaende, 0, 15, "--terrain"));
  if (landschaft) {
    p.Landschaft = static_cast<uint8_t>(ZahlArgument(*landschaft, 0, 16, "--landscape"));
    p.Verfahren = kvLandschaft;
  }
  std::optional<TZufallsgenerator> generator;
  if (const auto g = a.Option("--generator")) generator = GeneratorArgument(*g);
  ZielPruefen(ziel);

  // The reset seeds the game generator from the clock; a given generator state replaces it.
  TKV kv;
  SpielZuruecksetzen(kv);
  if (generator) kv.Zufall.Generator = *generator;
  if (!KarteErzeugen(kv, p))
    throw TDateifehler(ziel, "not enough memory for a map of " + std::to_string(p.Breite) + "x" +
                                 std::to_string(p.Hoehe) + " cells");

  TSzenario s;
  if (!SzenarioAusKarte(s, kv)) throw TDateifehler(ziel, "not enough memory");
  SzenarioMitTextenSpeichern(s, a, ziel);
  return 0;
}
