#include "scenario/szenario_vorschau.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/sprachtext.h"
#include "base/ziffern.h"
#include "model/tabellen.h"
#include "scenario/szenario_datei.h"

namespace {

TText Sprach(uint8_t id, int32_t n, uint8_t sprache) {
  TText text;
  SprachText(id, n, 0, text, sprache);
  return text;
}

using TFarbe = std::array<uint8_t, 3>;

TFarbe FarbeVon(const char* farbtext) {
  TFarbe farbe{};
  FarbeZerlegen(FarbeAusText(farbtext), farbe);
  return farbe;
}

// Pixel rectangle [links, rechts) x [oben, unten), cut to the picture.
void RechteckFuellen(TRgbaBild& bild, int64_t links, int64_t oben, int64_t rechts, int64_t unten,
                     const TFarbe& farbe) {
  links = std::max<int64_t>(links, 0);
  oben = std::max<int64_t>(oben, 0);
  rechts = std::min<int64_t>(rechts, bild.Breite);
  unten = std::min<int64_t>(unten, bild.Hoehe);
  for (int64_t y = oben; y < unten; ++y) {
    uint8_t* p = bild.Pixel.data() + (static_cast<std::size_t>(y) * bild.Breite + links) * 4;
    for (int64_t x = links; x < rechts; ++x, p += 4) {
      p[0] = farbe[0];
      p[1] = farbe[1];
      p[2] = farbe[2];
    }
  }
}

// Margin m and marker half-size s of the overview of a W x H map, in 64 bits so that no size
// overflows; a negative size gives an empty picture.
struct TMasse {
  int64_t Breite, Hoehe; // of the map
  int64_t Rand, Halb;    // m and s
  int64_t BildBreite() const { return std::max<int64_t>(Breite + 2 * Rand, 0); }
  int64_t BildHoehe() const { return std::max<int64_t>(Hoehe + 2 * Rand, 0); }
};

bool MasseVon(const TSzenario& s, TMasse& masse) {
  const int64_t breite = s.Kartenwerte[0], hoehe = s.Kartenwerte[1];
  // Only sizes a scenario file can have; anything larger comes from a damaged record.
  if (breite > SzenarioHoechstseite || hoehe > SzenarioHoechstseite) return false;
  masse = {breite, hoehe, (breite + hoehe) / 400 + 1, (breite + hoehe) / 100 + 1};
  return true;
}

// A black picture of the given size, opaque.
void SchwarzAnlegen(TRgbaBild& bild, int64_t breite, int64_t hoehe) {
  bild.Breite = static_cast<int32_t>(breite);
  bild.Hoehe = static_cast<int32_t>(hoehe);
  bild.Pixel.assign(static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe) * 4, 0);
  for (std::size_t i = 3; i < bild.Pixel.size(); i += 4)
    bild.Pixel[i] = 255;
}

std::array<TFarbe, 256> Gelaendefarben() {
  std::array<TFarbe, 256> farben{}; // terrains beyond the table stay black
  for (int t = 0; t < Gelaendeanzahl; ++t)
    farben[t] = FarbeVon(Gelaendetabelle[t].Farbe);
  return farben;
}

// The palette of the overview picture: black, white, the player colours, then the terrains.
constexpr uint8_t IndexSchwarz = 0, IndexWeiss = 1, IndexSpieler = 2,
                  IndexGelaende = IndexSpieler + Spielerfarbenanzahl;
static_assert(IndexGelaende + Gelaendeanzahl <= 256);

std::vector<TFarbe> Uebersichtspalette() {
  std::vector<TFarbe> farben{{0, 0, 0}, {255, 255, 255}};
  for (int i = 0; i < Spielerfarbenanzahl; ++i)
    farben.push_back(FarbeVon(Spielerfarben[i]));
  for (int t = 0; t < Gelaendeanzahl; ++t)
    farben.push_back(FarbeVon(Gelaendetabelle[t].Farbe));
  return farben;
}

// Whether the cell grid holds every cell it claims; a damaged one shows no terrain.
bool ZellenVollstaendig(const TSzenarioFelder& z) {
  return z.Gelaende.size() >= static_cast<std::size_t>(std::max(z.Breite, 0)) *
                                  static_cast<std::size_t>(std::max(z.Hoehe, 0));
}

// The start markers of the full-size picture. Painting them one after the other costs up to
// ~500 x 500 pixels each, minutes for a million; instead each pixel takes the marker that would
// have been painted last over it: the highest index whose frame covers it (its square when the
// markers have no frame). The rows are swept once: per column, a queue of the markers whose frame
// covers the current row, highest index first; along the row, the highest of the columns whose
// markers reach the pixel.
void MarkenMalen(TPalettenBild& bild, const TSzenario& s, const TMasse& masse) {
  const int64_t m = masse.Rand, s2 = masse.Halb;
  // A marker at x covers [x - vor, x + nach) on either axis.
  const int64_t vor = s2 > 1 ? s2 : s2 - m, nach = s2 > 1 ? s2 + 2 * m : s2 + m;
  const int64_t breite = bild.Breite, hoehe = bild.Hoehe;
  if (vor + nach <= 0) return;
  std::vector<int32_t> marken; // those that show, by row, then by index
  const std::size_t anzahl = std::min<std::size_t>(s.Startpunkte.size(), INT32_MAX);
  for (std::size_t i = 0; i < anzahl; ++i) {
    const int64_t x = s.Startpunkte[i].x, y = s.Startpunkte[i].y;
    if (x + nach > 0 && x - vor < breite && y + nach > 0 && y - vor < hoehe)
      marken.push_back(static_cast<int32_t>(i));
  }
  if (marken.empty()) return;
  std::stable_sort(marken.begin(), marken.end(),
                   [&](int32_t a, int32_t b) { return s.Startpunkte[a].y < s.Startpunkte[b].y; });

  // Column c holds the markers at x = c - nach + 1, so the markers covering pixel X sit in the
  // columns X ... X + vor + nach - 1.
  const int64_t spalten = breite + vor + nach - 1, fenster = vor + nach;
  std::vector<std::deque<int32_t>> warteschlangen(spalten);
  std::vector<int32_t> oben(spalten, -1); // per column: highest index covering the row
  std::deque<int64_t> zeilenmax;          // columns of the window, their markers falling
  std::size_t naechste = 0;
  int64_t belegt = 0; // columns with markers

  for (int64_t zeile = 0; zeile < hoehe; ++zeile) {
    // Markers whose frame begins at this row come in (the queue stays falling: a marker with a
    // lower index than a newer one can never show again); those whose frame ended go.
    for (; naechste < marken.size() && s.Startpunkte[marken[naechste]].y - vor <= zeile;
         ++naechste) {
      const int32_t i = marken[naechste];
      std::deque<int32_t>& q = warteschlangen[s.Startpunkte[i].x + nach - 1];
      if (q.empty()) ++belegt;
      while (!q.empty() && q.back() < i)
        q.pop_back();
      q.push_back(i);
    }
    if (belegt == 0) continue;
    for (int64_t c = 0; c < spalten; ++c) {
      std::deque<int32_t>& q = warteschlangen[c];
      while (!q.empty() && s.Startpunkte[q.front()].y + nach <= zeile) {
        q.pop_front();
        if (q.empty()) --belegt;
      }
      oben[c] = q.empty() ? -1 : q.front();
    }
    if (belegt == 0) continue;

    zeilenmax.clear();
    uint8_t* p = bild.Pixel.data() + static_cast<std::size_t>(zeile) * breite;
    for (int64_t c = 0; c < spalten; ++c) {
      while (!zeilenmax.empty() && oben[zeilenmax.back()] <= oben[c])
        zeilenmax.pop_back();
      zeilenmax.push_back(c);
      const int64_t x = c - fenster + 1; // the pixel whose window ends at column c
      if (x < 0) continue;
      while (zeilenmax.front() < x)
        zeilenmax.pop_front();
      const int32_t i = oben[zeilenmax.front()];
      if (i < 0) continue;
      const int64_t mx = s.Startpunkte[i].x, my = s.Startpunkte[i].y;
      const bool quadrat =
          x >= mx - s2 + m && x < mx + s2 + m && zeile >= my - s2 + m && zeile < my + s2 + m;
      p[x] = quadrat ? static_cast<uint8_t>(IndexSpieler + i % Spielerfarbenanzahl) : IndexWeiss;
    }
  }
}

// One side of the reduced picture: display pixel d shows the full picture's pixel
// Quelle(d) = floor((d + 1/2) * voll / ziel), the one under its centre.
struct TAchse {
  int64_t Voll = 0, Ziel = 0;
  std::vector<int32_t> Erster; // [v]: first display pixel with Quelle >= v, v = 0 ... Voll

  TAchse(int64_t voll, int64_t ziel) : Voll(voll), Ziel(ziel), Erster(voll + 1) {
    int64_t d = 0;
    for (int64_t v = 0; v <= voll; ++v) {
      while (d < ziel && Quelle(d) < v)
        ++d;
      Erster[v] = static_cast<int32_t>(d);
    }
  }
  int64_t Quelle(int64_t d) const { return (2 * d + 1) * Voll / (2 * Ziel); }
  // The first display pixel showing a full-picture pixel >= v: pixels [von, bis) of the full
  // picture show in the display pixels [Bei(von), Bei(bis)).
  int32_t Bei(int64_t v) const { return Erster[std::clamp<int64_t>(v, 0, Voll)]; }
};

// The display pixels a marker at one coordinate covers on one axis: its frame [Von, Bis) and
// its square [InnenVon, InnenBis).
struct TSpanne {
  int32_t Von, Bis, InnenVon, InnenBis;
  friend bool operator==(const TSpanne&, const TSpanne&) = default;
};

// Markers are sorted into classes by the display pixels they cover. The spans only grow with
// the coordinate, so equal spans lie next to each other and a side of n display pixels gives at
// most 4n + 1 classes, whatever the number of markers.
struct TKlassen {
  int64_t Kleinste = 0;         // smallest coordinate whose marker can show
  std::vector<int32_t> Klasse;  // per coordinate from Kleinste: class, or -1 when unseen
  std::vector<TSpanne> Spannen; // per class

  TKlassen(const TAchse& achse, const TMasse& masse) {
    const int64_t halb = masse.Halb, rand = masse.Rand;
    const int64_t vor = halb, nach = halb + 2 * rand; // the frame around the coordinate
    Kleinste = -nach;
    for (int64_t k = -nach; k <= achse.Voll + vor; ++k) {
      TSpanne sp{achse.Bei(k - vor), achse.Bei(k + nach), achse.Bei(k - halb + rand),
                 achse.Bei(k + halb + rand)};
      if (sp.Von == sp.Bis) {
        Klasse.push_back(-1);
        continue;
      }
      if (Spannen.empty() || !(Spannen.back() == sp)) Spannen.push_back(sp);
      Klasse.push_back(static_cast<int32_t>(Spannen.size() - 1));
    }
  }
  int32_t Von(int64_t k) const {
    k -= Kleinste;
    return k < 0 || k >= static_cast<int64_t>(Klasse.size()) ? -1 : Klasse[k];
  }
};

// The display size of a breite x hoehe picture shrunk to fit hoechstseite with the proportions
// kept; a picture that fits already keeps its size unless it is to be enlarged.
void Zielgroesse(int64_t breite, int64_t hoehe, int64_t seite, bool vergroessern, int64_t& zb,
                 int64_t& zh) {
  if (!vergroessern && breite <= seite && hoehe <= seite) {
    zb = breite;
    zh = hoehe;
  } else if (seite * breite / hoehe <= seite) {
    zb = std::max<int64_t>(seite * breite / hoehe, 1);
    zh = seite;
  } else {
    zb = seite;
    zh = std::max<int64_t>(seite * hoehe / breite, 1);
  }
}

// The reduced picture drawn piece by piece, in the order a scenario file holds it: the cells
// column by column, then the start positions, then Fertig paints the markers that show.
struct TVorschauMaler {
  TRgbaBild& Bild;
  TMasse Masse;
  TAchse Ax, Ay;
  TKlassen Kx, Ky;
  std::vector<int32_t> Zeile; // per display row: the cell row it shows, or -1
  // Per class of markers: the last marker in it, or -1; made with the first marker (at the
  // largest sizes it is the biggest part of the picture's memory).
  std::vector<int32_t> Letzter;
  std::array<TFarbe, 256> Farben = Gelaendefarben();

  // A picture of at least one pixel has m >= 1 and s >= 1.
  TVorschauMaler(TRgbaBild& bild, const TMasse& masse, int64_t zb, int64_t zh)
      : Bild(bild), Masse(masse), Ax(masse.BildBreite(), zb), Ay(masse.BildHoehe(), zh),
        Kx(Ax, masse), Ky(Ay, masse), Zeile(zh) {
    SchwarzAnlegen(bild, zb, zh);
    for (int64_t dy = 0; dy < zh; ++dy) {
      const int64_t y = Ay.Quelle(dy) - masse.Rand;
      Zeile[dy] = y >= 0 && y < masse.Hoehe ? static_cast<int32_t>(y) : -1;
    }
  }

  // Cell column x, hoehe cells of it (a damaged record may hold fewer than the map's height).
  void Spalte(int64_t x, const uint8_t* gelaende, int64_t hoehe) {
    const int64_t bis = Ax.Bei(x + Masse.Rand + 1);
    for (int64_t dx = Ax.Bei(x + Masse.Rand); dx < bis; ++dx) {
      uint8_t* p = Bild.Pixel.data() + static_cast<std::size_t>(dx) * 4;
      for (std::size_t dy = 0; dy < Zeile.size();
           ++dy, p += static_cast<std::size_t>(Bild.Breite) * 4) {
        if (Zeile[dy] < 0 || Zeile[dy] >= hoehe) continue;
        const TFarbe& f = Farben[gelaende[Zeile[dy]]];
        p[0] = f[0];
        p[1] = f[1];
        p[2] = f[2];
      }
    }
  }

  // One pass over the markers keeps the last of each class; only those are painted.
  void Startpunkt(int32_t i, const TPunkt& ort) {
    const int32_t cx = Kx.Von(ort.x), cy = Ky.Von(ort.y);
    if (cx < 0 || cy < 0) return;
    if (Letzter.empty()) Letzter.assign(Kx.Spannen.size() * Ky.Spannen.size(), -1);
    Letzter[cx * Ky.Spannen.size() + cy] = i;
  }

  void Fertig() {
    const std::size_t ny = Ky.Spannen.size();
    std::vector<std::pair<int32_t, std::size_t>> malen; // marker, class
    for (std::size_t k = 0; k < Letzter.size(); ++k)
      if (Letzter[k] >= 0) malen.push_back({Letzter[k], k});
    std::sort(malen.begin(), malen.end());

    const TFarbe weiss{255, 255, 255};
    for (const auto& [i, k] : malen) {
      const TSpanne& sx = Kx.Spannen[k / ny];
      const TSpanne& sy = Ky.Spannen[k % ny];
      if (Masse.Halb > 1) RechteckFuellen(Bild, sx.Von, sy.Von, sx.Bis, sy.Bis, weiss);
      RechteckFuellen(Bild, sx.InnenVon, sy.InnenVon, sx.InnenBis, sy.InnenBis,
                      FarbeVon(Spielerfarben[i % Spielerfarbenanzahl]));
    }
  }
};

} // namespace

std::vector<TText> SzenarioDetails(const TSzenario& s, uint8_t sprache) {
  const TText* t = s.Texte;
  std::vector<TText> zeilen;
  zeilen.push_back("Szenario: " + t[stName]);
  zeilen.push_back(Sprach(32, 0, sprache) + ": " + t[stAutor] + " (" + t[stEpost] + ", " +
                   t[stHomepage] + ")");
  if (!t[stDatum].empty()) zeilen.push_back(Sprach(37, 0, sprache) + ": " + t[stDatum]);
  zeilen.push_back(Sprach(24, 0, sprache) + ": " + Sprach(34, s.Kartenwerte[2], sprache) + ", " +
                   std::to_string(s.Kartenwerte[0]) + "x" + std::to_string(s.Kartenwerte[1]));
  zeilen.push_back(Sprach(33, 0, sprache) + ": " + t[stBeschreibung]);
  return zeilen;
}

bool ErzeugeUebersicht(TPalettenBild& bild, const TSzenario& s, bool nurStartpunkte) {
  bild = TPalettenBild{};
  TMasse masse;
  if (!MasseVon(s, masse)) return false;
  const int64_t m = masse.Rand;
  try {
    bild.Breite = static_cast<int32_t>(masse.BildBreite());
    bild.Hoehe = static_cast<int32_t>(masse.BildHoehe());
    bild.Farben = Uebersichtspalette();
    bild.Pixel.assign(static_cast<std::size_t>(bild.Breite) * static_cast<std::size_t>(bild.Hoehe),
                      IndexSchwarz);

    const TSzenarioFelder& z = s.Zellen;
    if (!nurStartpunkte && ZellenVollstaendig(z)) {
      std::array<uint8_t, 256> index; // terrains beyond the table stay black
      index.fill(IndexSchwarz);
      for (int t = 0; t < Gelaendeanzahl; ++t)
        index[t] = static_cast<uint8_t>(IndexGelaende + t);
      const int64_t zb = std::min<int64_t>(masse.Breite, z.Breite);
      const int64_t zh = std::min<int64_t>(masse.Hoehe, z.Hoehe);
      // In bands of 64 columns: the cells are read column by column, the pixels row by row.
      for (int64_t x0 = 0; x0 < zb; x0 += 64) {
        const int64_t x1 = std::min<int64_t>(zb, x0 + 64);
        for (int64_t y = 0; y < zh; ++y) {
          uint8_t* p = bild.Pixel.data() + static_cast<std::size_t>(y + m) * bild.Breite + x0 + m;
          for (int64_t x = x0; x < x1; ++x, ++p)
            *p = index[z.Gelaende[static_cast<std::size_t>(x) * z.Hoehe + y]];
        }
      }
    }

    MarkenMalen(bild, s, masse);
  } catch (const std::exception&) {
    bild = TPalettenBild{};
    return false;
  }
  return true;
}

bool ErzeugeUebersicht(TRgbaBild& bild, const TSzenario& s, bool nurStartpunkte) {
  bild = TRgbaBild{};
  TPalettenBild palette;
  if (!ErzeugeUebersicht(palette, s, nurStartpunkte)) return false;
  try {
    bild.Breite = palette.Breite;
    bild.Hoehe = palette.Hoehe;
    bild.Pixel.resize(palette.Pixel.size() * 4);
    uint8_t* p = bild.Pixel.data();
    for (const uint8_t i : palette.Pixel) {
      const TFarbe& f = palette.Farben[i];
      *p++ = f[0];
      *p++ = f[1];
      *p++ = f[2];
      *p++ = 255;
    }
  } catch (const std::exception&) {
    bild = TRgbaBild{};
    return false;
  }
  return true;
}

bool ErzeugeVorschau(TRgbaBild& bild, const TSzenario& s, bool nurStartpunkte,
                     int32_t hoechstseite) {
  bild = TRgbaBild{};
  TMasse masse;
  if (!MasseVon(s, masse) || hoechstseite < 1) return false;
  try {
    if (masse.BildBreite() == 0 || masse.BildHoehe() == 0) {
      SchwarzAnlegen(bild, masse.BildBreite(), masse.BildHoehe());
      return true;
    }
    int64_t zb = 0, zh = 0;
    Zielgroesse(masse.BildBreite(), masse.BildHoehe(), hoechstseite, false, zb, zh);
    TVorschauMaler maler(bild, masse, zb, zh);
    const TSzenarioFelder& z = s.Zellen;
    if (!nurStartpunkte && ZellenVollstaendig(z)) {
      const int64_t breite = std::min<int64_t>(masse.Breite, z.Breite);
      const int64_t hoehe = std::min<int64_t>(masse.Hoehe, z.Hoehe);
      for (int64_t x = 0; x < breite; ++x)
        maler.Spalte(x, z.Gelaende.data() + static_cast<std::size_t>(x) * z.Hoehe, hoehe);
    }
    // Start positions are counted in 32 bits in every file and record.
    const std::size_t anzahl = std::min<std::size_t>(s.Startpunkte.size(), INT32_MAX);
    for (std::size_t i = 0; i < anzahl; ++i)
      maler.Startpunkt(static_cast<int32_t>(i), s.Startpunkte[i]);
    maler.Fertig();
  } catch (const std::exception&) {
    bild = TRgbaBild{};
    return false;
  }
  return true;
}

bool DateiVorschau(TRgbaBild& bild, const std::string& pfad, int32_t hoechstseite,
                   bool vergroessern, std::string* grund) {
  bild = TRgbaBild{};
  if (hoechstseite < 1) {
    if (grund) *grund = "the picture must have at least one pixel";
    return false;
  }
  std::optional<TVorschauMaler> maler;
  TSzenarioLeser leser;
  leser.Kopf = [&](const TSzenario& kopf) {
    TMasse masse{};
    if (!MasseVon(kopf, masse)) throw std::length_error("a map larger than any scenario file's");
    int64_t zb = 0, zh = 0;
    Zielgroesse(masse.BildBreite(), masse.BildHoehe(), hoechstseite, vergroessern, zb, zh);
    maler.emplace(bild, masse, zb, zh);
  };
  leser.Spalte = [&](int32_t x, const uint8_t* gelaende) {
    maler->Spalte(x, gelaende, maler->Masse.Hoehe);
  };
  leser.Startpunkt = [&](int32_t i, const TPunkt& ort) { maler->Startpunkt(i, ort); };
  bool gut = SzenarioDurchlesen(pfad, leser, grund) && maler;
  if (gut) {
    try {
      maler->Fertig();
    } catch (const std::exception&) {
      if (grund) *grund = "not enough memory";
      gut = false;
    }
  }
  if (!gut) bild = TRgbaBild{};
  return gut;
}
