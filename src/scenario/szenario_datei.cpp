#include "scenario/szenario_datei.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include "base/dateien.h"
#include "scenario/komprimierung.h"

namespace {

constexpr std::size_t Textfeld = 256;
constexpr std::size_t Reservefeld = 7 * 4;
constexpr std::size_t Kartenwertefeld = 10 * 4;
constexpr std::size_t Startpunktgroesse = 8;
// The largest image the loader accepts; a longer stream only carries bytes no reader looks at.
constexpr uint64_t HoechsteBildgroesse = SzenarioKopfGroesse +
                                         uint64_t{SzenarioHoechstseite} * SzenarioHoechstseite +
                                         Startpunktgroesse * SzenarioHoechstStartpunkte;

void ZahlAblegen(uint8_t* ziel, int32_t wert) {
  const auto u = static_cast<uint32_t>(wert);
  for (int i = 0; i < 4; ++i)
    ziel[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t ZahlLesen(const uint8_t* quelle) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i)
    u |= static_cast<uint32_t>(quelle[i]) << (8 * i);
  return static_cast<int32_t>(u);
}

// Texts, reserved values, map values and the status byte.
std::vector<uint8_t> Kopf(const TSzenario& s) {
  std::vector<uint8_t> kopf(SzenarioKopfGroesse, 0);
  uint8_t* p = kopf.data();
  for (const TText& text : s.Texte) {
    const std::size_t laenge = std::min(text.size(), TextHoechstlaenge);
    p[0] = static_cast<uint8_t>(laenge);
    std::memcpy(p + 1, text.data(), laenge);
    p += Textfeld;
  }
  p += Reservefeld; // always written as 0
  for (int32_t wert : s.Kartenwerte) {
    ZahlAblegen(p, wert);
    p += 4;
  }
  // The status byte stays 0.
  return kopf;
}

// Writes the image piece by piece through schreiben(daten, laenge) -> bool.
template <class TSchreiben> bool BildSchreiben(const TSzenario& s, TSchreiben&& schreiben) {
  const std::vector<uint8_t> kopf = Kopf(s);
  if (!schreiben(kopf.data(), kopf.size())) return false;

  const int32_t breite = s.Kartenwerte[0], hoehe = s.Kartenwerte[1], anzahl = s.Kartenwerte[2];
  if (breite > 0 && hoehe > 0) {
    const TSzenarioFelder& z = s.Zellen;
    const std::size_t zellen = static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe);
    if (z.Breite == breite && z.Hoehe == hoehe && z.Gelaende.size() == zellen) {
      if (!schreiben(z.Gelaende.data(), zellen)) return false;
    } else {
      // A record whose cells do not match its size: what is there, zeros for the rest.
      std::vector<uint8_t> spalte(static_cast<std::size_t>(hoehe));
      for (int32_t x = 0; x < breite; ++x) {
        for (int32_t y = 0; y < hoehe; ++y) {
          const std::size_t i = static_cast<std::size_t>(x) * z.Hoehe + y;
          const bool da = x < z.Breite && y < z.Hoehe && i < z.Gelaende.size();
          spalte[y] = da ? z.Gelaende[i] : 0;
        }
        if (!schreiben(spalte.data(), spalte.size())) return false;
      }
    }
  }
  if (anzahl > 0) {
    std::vector<uint8_t> punkte(Startpunktgroesse * static_cast<std::size_t>(anzahl), 0);
    const std::size_t vorhanden = std::min(s.Startpunkte.size(), static_cast<std::size_t>(anzahl));
    for (std::size_t i = 0; i < vorhanden; ++i) {
      ZahlAblegen(&punkte[i * Startpunktgroesse], s.Startpunkte[i].x);
      ZahlAblegen(&punkte[i * Startpunktgroesse + 4], s.Startpunkte[i].y);
    }
    if (!schreiben(punkte.data(), punkte.size())) return false;
  }
  return true;
}

// Reads the image through lesen(ziel, laenge) -> bytes read (fewer at the end). Whatever the
// image lacks at its end stays as emptied; the map values keep what they held.
template <class TLesen> bool BildLesen(TSzenario& s, TLesen&& lesen) {
  SzenarioLeeren(s);
  uint8_t feld[Textfeld];
  for (TText& text : s.Texte) {
    std::memset(feld, 0, sizeof feld);
    lesen(feld, Textfeld);
    text.assign(reinterpret_cast<const char*>(feld + 1), feld[0]);
  }
  lesen(feld, Reservefeld); // ignored
  uint8_t werte[Kartenwertefeld];
  for (int i = 0; i < 10; ++i)
    ZahlAblegen(werte + 4 * i, s.Kartenwerte[i]);
  lesen(werte, Kartenwertefeld);
  for (int i = 0; i < 10; ++i)
    s.Kartenwerte[i] = ZahlLesen(werte + 4 * i);
  lesen(feld, 1); // the status byte

  const int32_t breite = s.Kartenwerte[0], hoehe = s.Kartenwerte[1], anzahl = s.Kartenwerte[2];
  // A damaged or hand-made file must not make us allocate absurd amounts.
  if (breite > SzenarioHoechstseite || hoehe > SzenarioHoechstseite ||
      anzahl > SzenarioHoechstStartpunkte) {
    std::fill(std::begin(s.Kartenwerte), std::end(s.Kartenwerte), 0);
    return false;
  }
  if (breite > 0 && hoehe > 0) {
    s.Zellen.Breite = breite;
    s.Zellen.Hoehe = hoehe;
    s.Zellen.Gelaende.assign(static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe), 0);
    lesen(s.Zellen.Gelaende.data(), s.Zellen.Gelaende.size());
  }
  if (anzahl > 0) {
    std::vector<uint8_t> punkte(Startpunktgroesse * static_cast<std::size_t>(anzahl), 0);
    lesen(punkte.data(), punkte.size());
    s.Startpunkte.resize(static_cast<std::size_t>(anzahl));
    for (std::size_t i = 0; i < s.Startpunkte.size(); ++i) {
      s.Startpunkte[i].x = ZahlLesen(&punkte[i * Startpunktgroesse]);
      s.Startpunkte[i].y = ZahlLesen(&punkte[i * Startpunktgroesse + 4]);
    }
  }
  s.Geladen |= sgGeladen;
  return true;
}

struct TDateiSchliessen {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using TDatei = std::unique_ptr<std::FILE, TDateiSchliessen>;

bool BildInDatei(const TSzenario& s, const std::string& pfad) {
  TDatei datei(std::fopen(pfad.c_str(), "wb"));
  if (!datei) return false;
  std::setvbuf(datei.get(), nullptr, _IOFBF, 1 << 20);
  const bool gut = BildSchreiben(s, [&](const uint8_t* daten, std::size_t laenge) {
    return std::fwrite(daten, 1, laenge, datei.get()) == laenge;
  });
  return std::fclose(datei.release()) == 0 && gut;
}

bool BildAusDatei(TSzenario& s, const std::string& pfad) {
  TDatei datei(std::fopen(pfad.c_str(), "rb"));
  if (!datei) return false;
  bool lesefehler = false;
  const bool gut = BildLesen(s, [&](uint8_t* ziel, std::size_t laenge) {
    const std::size_t n = std::fread(ziel, 1, laenge, datei.get());
    if (n < laenge && std::ferror(datei.get())) lesefehler = true;
    return n;
  });
  return gut && !lesefehler;
}

} // namespace

std::vector<uint8_t> SzenarioBild(const TSzenario& s) {
  std::vector<uint8_t> bild;
  BildSchreiben(s, [&](const uint8_t* daten, std::size_t laenge) {
    bild.insert(bild.end(), daten, daten + laenge);
    return true;
  });
  return bild;
}

bool SzenarioAusBild(TSzenario& s, const uint8_t* daten, std::size_t laenge) {
  std::size_t stelle = 0;
  try {
    return BildLesen(s, [&](uint8_t* ziel, std::size_t n) {
      const std::size_t k = std::min(n, laenge - stelle);
      if (k > 0) std::memcpy(ziel, daten + stelle, k);
      stelle += k;
      return k;
    });
  } catch (const std::exception&) {
    SzenarioLeeren(s);
    return false;
  }
}

std::string TempDateiname(const std::string& programmordner, int32_t nummer) {
  std::string pfad = programmordner;
  if (!pfad.empty() && pfad.back() != '/') pfad += '/';
  pfad += "Benutzer/temp";
  if (nummer > 0) pfad += std::to_string(nummer);
  return pfad;
}

bool SzenarioSpeichern(TSzenario s, const std::string& pfad, const std::string& tempPfad) {
  try {
    if (!BildInDatei(s, tempPfad) || !DateiKomprimieren(tempPfad, pfad) || !DateiVorhanden(pfad)) {
      std::remove(tempPfad.c_str());
      return false;
    }
  } catch (...) {
    std::remove(tempPfad.c_str());
    return false;
  }
  std::remove(tempPfad.c_str());
  return true;
}

bool SzenarioLaden(TKV& kv, TSzenario& s, const std::string& pfad, const std::string& tempPfad) {
  try {
    SpielZuruecksetzen(kv);
    SzenarioLeeren(s);
    if (!DateiVorhanden(pfad)) return false;
    bool gut = DateiEntpacken(pfad, tempPfad, HoechsteBildgroesse);
    if (gut) gut = BildAusDatei(s, tempPfad);
    std::remove(tempPfad.c_str());
    if (!gut) {
      s.Geladen &= static_cast<uint8_t>(~sgGeladen);
      return false;
    }
    return true;
  } catch (...) {
    std::remove(tempPfad.c_str());
    SzenarioLeeren(s);
    return false;
  }
}
