#include "scenario/szenario_datei.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <functional>
#include <new>
#include <unistd.h>

#include "base/datei_lesen.h"
#include "scenario/komprimierung.h"

namespace {

constexpr std::size_t Textfeld = 256;
constexpr std::size_t Reservefeld = 7 * 4;
constexpr std::size_t Kartenwertefeld = 10 * 4;
constexpr std::size_t Startpunktgroesse = 8;

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

// The cells column by column and the start positions one by one to the leser; start positions
// missing at the very end arrive as (0, 0), as they would stay in an emptied record. Returns
// false when the image ends within its cells (gelesen counts on).
template <class TLesen>
bool WeiterReichen(TSzenario& s, TLesen& lesen, const TSzenarioLeser& leser, uint64_t& gelesen) {
  const int32_t breite = s.Kartenwerte[0], hoehe = s.Kartenwerte[1], anzahl = s.Kartenwerte[2];
  if (leser.Kopf) leser.Kopf(s);
  if (breite > 0 && hoehe > 0) {
    std::vector<uint8_t> spalte(static_cast<std::size_t>(hoehe));
    for (int32_t x = 0; x < breite; ++x) {
      const std::size_t n = lesen(spalte.data(), spalte.size());
      gelesen += n;
      if (n < spalte.size()) return false;
      if (leser.Spalte) leser.Spalte(x, spalte.data());
    }
  }
  uint8_t punkt[Startpunktgroesse];
  for (int32_t i = 0; i < anzahl; ++i) {
    std::memset(punkt, 0, sizeof punkt);
    gelesen += lesen(punkt, sizeof punkt);
    if (leser.Startpunkt) leser.Startpunkt(i, TPunkt{ZahlLesen(punkt), ZahlLesen(punkt + 4)});
  }
  return true;
}

// A refused image leaves nothing behind but emptied fields.
void Verwerfen(TSzenario& s) {
  SzenarioLeeren(s);
  std::fill(std::begin(s.Kartenwerte), std::end(s.Kartenwerte), 0);
  s.Geladen &= static_cast<uint8_t>(~sgGeladen);
}

enum class TBildFehler { Keiner, Negativ, ZuGross, Kurz };

// Reads the image through lesen(ziel, laenge) -> bytes read (fewer at the end) into s, which
// starts empty (its map values zero too: nothing of an earlier scenario shows through). The head
// and, for a map with cells, every cell must be there: an image cut short before the end of its
// cells is damaged (gelesen says how far it went). Only the start positions at the very end may
// be missing, as they always might: those read as (0, 0). Sizes are checked before anything is
// allocated for them. With a leser the cells and start positions go to it instead of into s.
template <class TLesen>
TBildFehler BildLesen(TSzenario& s, TLesen&& lesen, int32_t hoechstseite,
                      int32_t hoechstStartpunkte, uint64_t& gelesen,
                      const TSzenarioLeser* leser = nullptr) {
  Verwerfen(s);
  gelesen = 0;
  uint8_t feld[Textfeld];
  for (TText& text : s.Texte) {
    std::memset(feld, 0, sizeof feld);
    gelesen += lesen(feld, Textfeld);
    text.assign(reinterpret_cast<const char*>(feld + 1), feld[0]);
  }
  gelesen += lesen(feld, Reservefeld); // ignored
  uint8_t werte[Kartenwertefeld] = {};
  gelesen += lesen(werte, Kartenwertefeld);
  gelesen += lesen(feld, 1); // the status byte
  if (gelesen < static_cast<uint64_t>(SzenarioKopfGroesse)) return TBildFehler::Kurz;
  for (int i = 0; i < 10; ++i)
    s.Kartenwerte[i] = ZahlLesen(werte + 4 * i);

  const int32_t breite = s.Kartenwerte[0], hoehe = s.Kartenwerte[1], anzahl = s.Kartenwerte[2];
  // A damaged or hand-made file must not make us allocate absurd amounts, nor hand on sizes
  // that no map can have.
  if (breite < 0 || hoehe < 0 || anzahl < 0) return TBildFehler::Negativ;
  if (breite > hoechstseite || hoehe > hoechstseite || anzahl > hoechstStartpunkte)
    return TBildFehler::ZuGross;
  if (leser)
    return WeiterReichen(s, lesen, *leser, gelesen) ? TBildFehler::Keiner : TBildFehler::Kurz;
  if (breite > 0 && hoehe > 0) {
    s.Zellen.Breite = breite;
    s.Zellen.Hoehe = hoehe;
    s.Zellen.Gelaende.assign(static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe), 0);
    const std::size_t zellen = lesen(s.Zellen.Gelaende.data(), s.Zellen.Gelaende.size());
    gelesen += zellen;
    if (zellen < s.Zellen.Gelaende.size()) return TBildFehler::Kurz;
  }
  if (anzahl > 0) {
    s.Startpunkte.resize(static_cast<std::size_t>(anzahl));
    uint8_t punkt[Startpunktgroesse];
    for (TPunkt& p : s.Startpunkte) {
      std::memset(punkt, 0, sizeof punkt);
      gelesen += lesen(punkt, sizeof punkt);
      p.x = ZahlLesen(punkt);
      p.y = ZahlLesen(punkt + 4);
    }
  }
  s.Geladen |= sgGeladen;
  return TBildFehler::Keiner;
}

// Why an image was refused, for the user.
std::string BildFehlerText(TBildFehler f, const TSzenario& s, int32_t hoechstseite,
                           int32_t hoechstStartpunkte, uint64_t gelesen) {
  const std::string werte = "width " + std::to_string(s.Kartenwerte[0]) + ", height " +
                            std::to_string(s.Kartenwerte[1]) + ", " +
                            std::to_string(s.Kartenwerte[2]) + " start positions";
  if (f == TBildFehler::Kurz) {
    if (gelesen < static_cast<uint64_t>(SzenarioKopfGroesse))
      return "damaged: it ends after " + std::to_string(gelesen) + " bytes, before its map (" +
             std::to_string(SzenarioKopfGroesse) + " bytes come before the cells)";
    return "damaged: it ends after " + std::to_string(gelesen) +
           " bytes, within the cells of its " + std::to_string(s.Kartenwerte[0]) + " x " +
           std::to_string(s.Kartenwerte[1]) + " map";
  }
  if (f == TBildFehler::Negativ) return "not a scenario file: negative sizes (" + werte + ")";
  return "sizes beyond " + std::to_string(hoechstseite) + " x " + std::to_string(hoechstseite) +
         " cells or " + std::to_string(hoechstStartpunkte) + " start positions (" + werte + ")";
}

// Reads the image from the stream q into s. Empty on success, else why not.
std::string StromLesen(TSzenario& s, TEntpackstrom& q, int32_t hoechstseite,
                       int32_t hoechstStartpunkte, const TSzenarioLeser* leser = nullptr) {
  Verwerfen(s);
  if (!q.Bereit) return "not enough memory";
  uint64_t gelesen = 0;
  const TBildFehler f = BildLesen(
      s, [&](uint8_t* ziel, std::size_t laenge) { return q.Lesen(ziel, laenge); }, hoechstseite,
      hoechstStartpunkte, gelesen, leser);
  std::string grund;
  if (f != TBildFehler::Keiner)
    grund = BildFehlerText(f, s, hoechstseite, hoechstStartpunkte, gelesen);
  if (grund.empty()) {
    const uint64_t seite = static_cast<uint64_t>(std::max(hoechstseite, 0));
    q.Ausschoepfen(SzenarioKopfGroesse + seite * seite +
                   Startpunktgroesse * static_cast<uint64_t>(std::max(hoechstStartpunkte, 0)));
  }
  // A broken stream is the true reason of an image that ends too soon.
  if (q.Lesefehler != 0)
    grund = std::string("cannot be read: ") + std::strerror(q.Lesefehler);
  else if ((grund.empty() || f == TBildFehler::Kurz) && q.Kaputt)
    grund = "not a scenario file (not a zlib stream, or damaged)";
  else if (grund.empty() && q.Anhang)
    grund = "damaged: other bytes follow the end of its compressed data";
  if (!grund.empty()) Verwerfen(s);
  return grund;
}

// Runs vorher, opens the file at pfad and hands its stream to lesen, which returns why it failed
// (empty when it did not). A missing file, anything but a plain file and a failed read are told
// in grund as well. Never waits for a FIFO or a device: those are refused unread.
bool DateiLesen(const std::string& pfad, std::string* grund, const std::function<void()>& vorher,
                const std::function<std::string(TEntpackstrom&)>& lesen) {
  std::string warum;
  int fd = -1;
  try {
    vorher();
    fd = EingabeOeffnen(pfad, &warum, "a scenario file");
    if (fd >= 0) {
      TEntpackstrom q;
      q.Fd = fd;
      warum = lesen(q);
    }
  } catch (const std::bad_alloc&) {
    warum = "not enough memory";
  } catch (const std::exception& e) {
    warum = e.what();
  }
  if (fd >= 0) ::close(fd);
  if (warum.empty()) return true;
  if (grund) *grund = warum;
  return false;
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
  uint64_t gelesen = 0;
  try {
    const TBildFehler f = BildLesen(
        s,
        [&](uint8_t* ziel, std::size_t n) {
          const std::size_t k = std::min(n, laenge - stelle);
          if (k > 0) std::memcpy(ziel, daten + stelle, k);
          stelle += k;
          return k;
        },
        SzenarioHoechstseite, SzenarioHoechstStartpunkte, gelesen);
    if (f == TBildFehler::Keiner) return true;
  } catch (const std::exception&) {
  }
  Verwerfen(s);
  return false;
}

bool SzenarioEntpacken(TSzenario& s, const uint8_t* daten, std::size_t laenge, int32_t hoechstseite,
                       int32_t hoechstStartpunkte) {
  try {
    TEntpackstrom q;
    q.Rest = daten;
    q.RestLaenge = daten ? laenge : 0;
    return StromLesen(s, q, hoechstseite, hoechstStartpunkte).empty();
  } catch (const std::exception&) {
    Verwerfen(s);
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

bool SzenarioSpeichern(const TSzenario& s, const std::string& pfad, std::string* grund) {
  try {
    return GepacktSchreiben(
        pfad, [&](const TSchreiber& schreiben) { return BildSchreiben(s, schreiben); }, grund);
  } catch (const std::exception&) {
    if (grund) *grund = "not enough memory";
    return false;
  }
}

bool SzenarioLaden(TKV& kv, TSzenario& s, const std::string& pfad, std::string* grund) {
  const bool gut = DateiLesen(
      pfad, grund,
      [&] {
        SpielZuruecksetzen(kv);
        SzenarioLeeren(s);
      },
      [&](TEntpackstrom& q) {
        return StromLesen(s, q, SzenarioHoechstseite, SzenarioHoechstStartpunkte);
      });
  if (!gut) Verwerfen(s);
  return gut;
}

bool SzenarioDurchlesen(const std::string& pfad, const TSzenarioLeser& leser, std::string* grund) {
  TSzenario s;
  return DateiLesen(
      pfad, grund, [] {},
      [&](TEntpackstrom& q) {
        return StromLesen(s, q, SzenarioHoechstseite, SzenarioHoechstStartpunkte, &leser);
      });
}
