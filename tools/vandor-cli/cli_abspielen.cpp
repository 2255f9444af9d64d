#include "cli_abspielen.h"

#include <charconv>
#include <climits>
#include <iostream>
#include <sstream>
#include <stdlib.h>

#include "base/datei_lesen.h"
#include "cli_common.h"
#include "model/einstellungen.h"
#include "scenario/szenario_umwandlung.h"

namespace {

int32_t Zahl(const std::string& text, int32_t von, int32_t bis, std::size_t zeile,
             const char* was) {
  int32_t wert = 0;
  const char* ende = text.data() + text.size();
  const auto [p, fehler] = std::from_chars(text.data(), ende, wert);
  if (text.empty() || fehler != std::errc() || p != ende || wert < von || wert > bis)
    throw TAufruffehler("events line " + std::to_string(zeile) + ": " + was +
                        " must be a whole number from " + std::to_string(von) + " to " +
                        std::to_string(bis) + ", not \"" + Zitat(text) + "\"");
  return wert;
}

// Reads one line (without its "\n") of at most Abspielzeilenlaenge bytes; false at the end.
// A longer line, or more than Abspiellistengroesse bytes in all, is a file error: an endless
// stream (/dev/zero) must not eat the memory.
bool ZeileLesen(std::istream& ein, std::string& zeile, std::size_t nummer, std::size_t& gesamt) {
  zeile.clear();
  std::streambuf* puffer = ein.rdbuf();
  for (;;) {
    const int c = puffer->sbumpc();
    if (c == std::char_traits<char>::eof()) return !zeile.empty();
    if (++gesamt > Abspiellistengroesse)
      throw TDateifehler("the events are longer than " + std::to_string(Abspiellistengroesse) +
                         " bytes");
    if (c == '\n') return true;
    if (zeile.size() >= Abspielzeilenlaenge)
      throw TDateifehler("events line " + std::to_string(nummer) + " is longer than " +
                         std::to_string(Abspielzeilenlaenge) + " bytes");
    zeile.push_back(static_cast<char>(c));
  }
}

} // namespace

std::vector<TAbspielereignis> AbspielereignisseLesen(std::istream& ein) {
  std::vector<TAbspielereignis> liste;
  std::string zeile;
  std::size_t nummer = 0, gesamt = 0;
  constexpr int32_t Min = INT32_MIN, Max = INT32_MAX;
  while (ZeileLesen(ein, zeile, nummer + 1, gesamt)) {
    ++nummer;
    if (const std::size_t kommentar = zeile.find('#'); kommentar != std::string::npos)
      zeile.resize(kommentar);
    std::istringstream woerter(zeile);
    std::vector<std::string> w;
    for (std::string s; woerter >> s;)
      w.push_back(s);
    if (w.empty()) continue;
    auto anzahl = [&](std::size_t von, std::size_t bis, const char* form) {
      if (w.size() < von || w.size() > bis)
        throw TAufruffehler("events line " + std::to_string(nummer) + ": expected \"" + form +
                            "\"");
    };
    TAbspielereignis e;
    const std::string& name = w[0];
    if (name == "press" || name == "release") {
      anzahl(4, 4, name == "press" ? "press X Y B" : "release X Y B");
      e.Art = name == "press" ? TAbspielart::Druck : TAbspielart::Loslassen;
      e.a = Zahl(w[1], Min, Max, nummer, "X");
      e.b = Zahl(w[2], Min, Max, nummer, "Y");
      e.c = Zahl(w[3], 0, 2, nummer, "B");
    } else if (name == "move") {
      anzahl(3, 3, "move X Y");
      e.Art = TAbspielart::Bewegung;
      e.a = Zahl(w[1], Min, Max, nummer, "X");
      e.b = Zahl(w[2], Min, Max, nummer, "Y");
    } else if (name == "drag") {
      anzahl(3, 4, "drag X Y [B]");
      e.Art = TAbspielart::Ziehen;
      e.a = Zahl(w[1], Min, Max, nummer, "X");
      e.b = Zahl(w[2], Min, Max, nummer, "Y");
      e.c = w.size() > 3 ? Zahl(w[3], 0, 2, nummer, "B") : mtLinks;
    } else if (name == "wheel") {
      anzahl(4, 5, "wheel X Y DELTA [SHIFT]");
      e.Art = TAbspielart::Rad;
      e.a = Zahl(w[1], Min, Max, nummer, "X");
      e.b = Zahl(w[2], Min, Max, nummer, "Y");
      e.c = Zahl(w[3], -Abspielrasten, Abspielrasten, nummer, "DELTA");
      e.d = w.size() > 4 ? Zahl(w[4], 0, 255, nummer, "SHIFT") : 0;
    } else if (name == "key" || name == "keyup") {
      anzahl(2, 3, name == "key" ? "key CODE [SHIFT]" : "keyup CODE [SHIFT]");
      e.Art = name == "key" ? TAbspielart::Taste : TAbspielart::TasteLos;
      e.a = Zahl(w[1], 0, 65535, nummer, "CODE");
      e.b = w.size() > 2 ? Zahl(w[2], 0, 255, nummer, "SHIFT") : 0;
    } else if (name == "tick") {
      anzahl(1, 1, "tick");
    } else {
      throw TAufruffehler("events line " + std::to_string(nummer) + ": unknown event \"" +
                          Zitat(name) + "\" (press, release, move, drag, wheel, key, keyup, tick)");
    }
    liste.push_back(e);
  }
  return liste;
}

std::vector<TAbspielereignis> AbspielereignisseLaden(const std::optional<std::string>& datei) {
  if (!datei) return {};
  if (*datei == "-") {
    try {
      return AbspielereignisseLesen(std::cin);
    } catch (const TDateifehler& e) {
      throw TDateifehler(std::string("standard input: ") + e.what());
    }
  }
  // Only a plain file: a folder must not pass for an empty list, and a FIFO or a device must
  // not make the command wait (a pipe comes as standard input, "-").
  std::vector<uint8_t> inhalt;
  std::string grund;
  if (!EingabeLesen(*datei, inhalt, Abspiellistengroesse, &grund, "a list of events"))
    throw TDateifehler(*datei, grund);
  std::istringstream strom(std::string(inhalt.begin(), inhalt.end()));
  inhalt = {};
  try {
    return AbspielereignisseLesen(strom);
  } catch (const TDateifehler& e) {
    throw TDateifehler(*datei, e.what());
  }
}

TAbspielordner::TAbspielordner() {
  std::string vorlage = (std::filesystem::temp_directory_path() / "vandor-cli-XXXXXX").string();
  if (::mkdtemp(vorlage.data()) == nullptr)
    throw TDateifehler("cannot make a temporary folder in " +
                       std::filesystem::temp_directory_path().string());
  Pfad = vorlage;
}

TAbspielordner::~TAbspielordner() {
  std::error_code f;
  std::filesystem::remove_all(Pfad, f);
}

void AbspielenOeffnen(TAbspielsitzung& s, const std::string& datei, bool umbrechen) {
  SzenarioEinlesen(datei, s.KV, s.Szenario);
  SpielZuruecksetzen(s.KV);
  if (!KarteAusSzenario(s.KV, s.Szenario))
    throw TDateifehler(datei, "the map is too large for memory");
  // The map holds the cells now; the record keeps only what the commands read (its texts).
  s.Szenario.Zellen = TSzenarioFelder();
  if (umbrechen) KarteUmbrechendSetzen(s.KV.Einstellungen, true);
  EditorStart(s.Programm, s.Ordner.Pfad.string());
  s.Umgebung.Tickzahl = [&s] { return s.Uhr; };
  s.Umgebung.LinkeTasteGedrueckt = [&s] { return s.Links; };
  s.Umgebung.MittlereTasteGedrueckt = [&s] { return s.Mitte; };
  TEditor e{s.Programm, s.KV, s.Umgebung};
  ProgrammVorbereiten(e);
}

void Abspielen(TAbspielsitzung& s, const std::vector<TAbspielereignis>& ereignisse) {
  TEditor e{s.Programm, s.KV, s.Umgebung};
  for (const TAbspielereignis& ereignis : ereignisse) {
    switch (ereignis.Art) {
    case TAbspielart::Druck:
    case TAbspielart::Loslassen: {
      const bool gedrueckt = ereignis.Art == TAbspielart::Druck;
      if (ereignis.c == mtLinks) s.Links = gedrueckt;
      if (ereignis.c == mtMitte) s.Mitte = gedrueckt;
      Mausklick(e, {ereignis.a, ereignis.b}, ereignis.c, gedrueckt);
      break;
    }
    case TAbspielart::Bewegung:
    case TAbspielart::Ziehen: {
      // A move names the button held during it; the others are up.
      const bool ziehen = ereignis.Art == TAbspielart::Ziehen;
      s.Links = ziehen && ereignis.c == mtLinks;
      s.Mitte = ziehen && ereignis.c == mtMitte;
      Mausbewegung(e, {ereignis.a, ereignis.b});
      break;
    }
    case TAbspielart::Rad:
      Mausrad(e, {ereignis.a, ereignis.b}, ereignis.c, static_cast<uint8_t>(ereignis.d));
      break;
    case TAbspielart::Taste:
    case TAbspielart::TasteLos:
      Tastendruck(e, ereignis.Art == TAbspielart::Taste, static_cast<uint16_t>(ereignis.a),
                  static_cast<uint8_t>(ereignis.b));
      break;
    case TAbspielart::Takt:
      s.Uhr += Zeitgeberintervall;
      Zeittakt(e);
      break;
    }
  }
}
