#include "scenario/zielflaeche.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <new>

#include "model/einstellungen.h"

namespace {

// A bit per cell (which cells have been looked at, which are found but not yet spread from), each
// 64-bit word holding a square of 8 x 8 cells, so that the neighbours of a cell mostly share its
// word and its cache line. The memory comes zeroed from the system and untouched pages cost
// nothing, so a small area on a huge map stays cheap.
class TGesehen {
public:
  TGesehen(int32_t breite, int32_t hoehe)
      : WorteY((static_cast<std::size_t>(hoehe) + 7) / 8),
        Bits(static_cast<uint64_t*>(
            std::calloc((static_cast<std::size_t>(breite) + 7) / 8 * WorteY, sizeof(uint64_t)))) {
    if (!Bits) throw std::bad_alloc();
  }
  ~TGesehen() { std::free(Bits); }
  TGesehen(const TGesehen&) = delete;
  TGesehen& operator=(const TGesehen&) = delete;

  // Marks the cell and tells whether it was marked before.
  bool Markieren(int32_t x, int32_t y) {
    uint64_t& wort =
        Bits[static_cast<std::size_t>(x >> 3) * WorteY + static_cast<std::size_t>(y >> 3)];
    const uint64_t bit = uint64_t{1} << (((x & 7) << 3) | (y & 7));
    const bool vorher = (wort & bit) != 0;
    wort |= bit;
    return vorher;
  }

  // The word of the 8 x 8 cells from (8 wx, 8 wy); bit (lx << 3 | ly) is cell (lx, ly) of it.
  uint64_t& Wort(int32_t wx, int32_t wy) {
    return Bits[static_cast<std::size_t>(wx) * WorteY + static_cast<std::size_t>(wy)];
  }

private:
  std::size_t WorteY;
  uint64_t* Bits;
};

struct TVersatz {
  int32_t dx, dy;
};

// The offsets at which a cell connects to another: at most schritt hundredths of a cell away,
// measured as the distance is measured everywhere else. Offsets that cannot lead anywhere else
// on the map are left out (beyond the map's sides; on a wrapping map beyond half of them, where
// the shorter way round is listed already).
std::vector<TVersatz> Nachbarschaft(int32_t schritt, int32_t breite, int32_t hoehe,
                                    bool umbrechend) {
  std::vector<TVersatz> liste;
  if (schritt < 100) return liste;
  const int32_t k = schritt / 100;
  const int32_t kx = std::min(k, umbrechend ? breite / 2 : breite - 1);
  const int32_t ky = std::min(k, umbrechend ? hoehe / 2 : hoehe - 1);
  for (int32_t dx = -kx; dx <= kx; ++dx) {
    for (int32_t dy = -ky; dy <= ky; ++dy) {
      if (dx == 0 && dy == 0) continue;
      const double fx = dx, fy = dy;
      if (std::sqrt(fx * fx + fy * fy) * 100 <= schritt) liste.push_back({dx, dy});
    }
  }
  return liste;
}

// The neighbourhood as columns of offsets: (dx, -h ... h) for each dx. Empty when it does not
// have that shape or reaches beyond the next 8 x 8 word; the search then goes cell by cell.
struct TSpaltenversatz {
  int32_t dx, h;
};

std::vector<TSpaltenversatz> Spaltenversaetze(const std::vector<TVersatz>& versaetze) {
  std::vector<TSpaltenversatz> spalten;
  for (int32_t dx = -8; dx <= 8; ++dx) {
    int32_t h = -1, anzahl = 0;
    for (const TVersatz& v : versaetze) {
      if (std::abs(v.dx) > 8 || std::abs(v.dy) > 8) return {};
      if (v.dx != dx) continue;
      h = std::max(h, std::abs(v.dy));
      ++anzahl;
    }
    if (h < 0) continue;
    // Every dy from -h to h (the cell itself not listed).
    if (anzahl != 2 * h + (dx == 0 ? 0 : 1)) return {};
    spalten.push_back({dx, h});
  }
  return spalten;
}

// Spreads the cells of an 8 x 8 word (x in its bytes, y in their bits) by up to h rows up and
// down: teile[1] within the word, teile[0] into the word above, teile[2] into the one below.
void Ausdehnen(uint64_t wort, int32_t h, uint64_t teile[3]) {
  constexpr uint64_t JedeSpalte = 0x0101010101010101;
  teile[0] = 0;
  teile[1] = wort;
  teile[2] = 0;
  for (int32_t dy = 1; dy <= h; ++dy) {
    const uint64_t bleibtAbwaerts = (0xFFu >> dy) * JedeSpalte;
    teile[1] |= (wort & bleibtAbwaerts) << dy;
    teile[2] |= (wort & ~bleibtAbwaerts) >> (8 - dy);
    const uint64_t bleibtAufwaerts = ((0xFFu << dy) & 0xFFu) * JedeSpalte;
    teile[1] |= (wort & bleibtAufwaerts) >> dy;
    teile[0] |= (wort & ~bleibtAufwaerts) << (8 - dy);
  }
}

// Moves the cells of a word dx columns across (|dx| at most 8) into the words of row j of ziel.
void Verschieben(uint64_t v, int32_t dx, int32_t j, uint64_t ziel[3][3]) {
  if (v == 0) return;
  if (dx == 0) {
    ziel[1][j] |= v;
  } else if (dx > 0) {
    if (dx < 8) ziel[1][j] |= v << (8 * dx);
    ziel[2][j] |= v >> (8 * (8 - dx));
  } else {
    if (dx > -8) ziel[1][j] |= v >> (8 * -dx);
    ziel[0][j] |= v << (8 * (8 + dx));
  }
}

constexpr int32_t BlockBits = std::countr_zero(static_cast<uint32_t>(KartenBlockKante));
constexpr int32_t BlockMaske = KartenBlockKante - 1;

int32_t ImBlock(int32_t x, int32_t y) {
  return ((x & BlockMaske) << BlockBits) | (y & BlockMaske);
}

// The terrain of the map's blocks, fetched once: a cell then costs two loads. A block that is
// made writable during the search must have its new address entered here.
struct TBlockzeiger {
  int32_t BloeckeX = 0, BloeckeY = 0;
  std::vector<const uint8_t*> Lesen;

  explicit TBlockzeiger(const TKarte& karte)
      : BloeckeX(BloeckeBreite(karte)), BloeckeY(BloeckeHoehe(karte)),
        Lesen(static_cast<std::size_t>(BloeckeX) * BloeckeY) {
    for (int32_t bx = 0; bx < BloeckeX; ++bx)
      for (int32_t by = 0; by < BloeckeY; ++by)
        Lesen[Nummer(bx, by)] = GelaendeBlock(karte, bx, by);
  }
  std::size_t Nummer(int32_t bx, int32_t by) const {
    return static_cast<std::size_t>(bx) * BloeckeY + by;
  }
  // Cells beyond the grid (a grid smaller than the map values) and fresh blocks read 0.
  uint8_t Gelaende(int32_t x, int32_t y) const {
    const int32_t bx = x >> BlockBits, by = y >> BlockBits;
    if (bx >= BloeckeX || by >= BloeckeY) return 0;
    const uint8_t* block = Lesen[Nummer(bx, by)];
    return block ? block[ImBlock(x, y)] : 0;
  }
  // The cells of the 8 x 8 word from (x0, y0) (whole and on the grid) that have terrain g.
  uint64_t Gleiche(int32_t x0, int32_t y0, uint8_t g) const {
    const uint8_t* block = Lesen[Nummer(x0 >> BlockBits, y0 >> BlockBits)];
    if (block == nullptr) return g == 0 ? ~uint64_t{0} : 0;
    uint64_t maske = 0;
    for (int32_t lx = 0; lx < 8; ++lx) {
      const uint8_t* spalte = block + ImBlock(x0 + lx, y0);
      for (int32_t ly = 0; ly < 8; ++ly)
        maske |= uint64_t{spalte[ly] == g} << ((lx << 3) | ly);
    }
    return maske;
  }
};

// The breadth-first search behind both the list and the fill, over 8 x 8 words of cells: a word
// of cells found since it was last taken from the queue is spread to its neighbour words all at
// once with bit operations, so a cell costs a few operations, whatever the step. Words at the
// map's edges, and steps beyond the next word, go cell by cell with wrapping and bounds.
//
// fund(x, y, gelaende) is called once for every cell of the area as soon as it is found, the
// centre first, or fundWort(x0, y0, bits, gelaende) for the cells of an 8 x 8 word found at once
// (all of that terrain); a cell's terrain is read before it is handed on, and only cells already
// found are ever handed on, so these may change the terrain of the cells they are given. Keeps two
// bits per cell of the map and the words of the search's frontier, never the area itself.
template <class TFund, class TFundWort>
int64_t Durchsuchen(const TKV& kv, const TZielbereich& b, const TRechteck& r,
                    const TBlockzeiger& zeiger, TFund&& fund, TFundWort&& fundWort) {
  if (b.Art != zbZusammenhaengend) return 0;
  const TKarte& karte = kv.Karte;
  const int32_t breite = karte.Breite, hoehe = karte.Hoehe;
  const bool umbrechend = KarteUmbrechend(kv.Einstellungen);
  TPunkt mitte{r.Links, r.Oben};
  if (!AufKarte(kv, mitte)) return 0;
  const uint8_t mitteGelaende = zeiger.Gelaende(mitte.x, mitte.y);
  if ((b.Bedingungen & zbMitteGeprueft) && !b.Gelaendemenge.test(mitteGelaende)) return 0;

  // Every cell of the map is in range when the range exceeds any distance on it.
  const bool alleInReichweite =
      static_cast<int64_t>(b.Reichweite) >= 100 * (static_cast<int64_t>(breite) + hoehe);
  const auto versaetze = Nachbarschaft(b.Schritt, breite, hoehe, umbrechend);
  const auto spalten = Spaltenversaetze(versaetze);
  const bool inWorten = !spalten.empty();
  // Words whose neighbour words are whole and on the map, so nothing wraps or falls off.
  const int32_t ganzeX = breite / 8, ganzeY = hoehe / 8;
  // With one terrain and no range to check, a word's cells are tested all at once.
  const bool einGelaende = alleInReichweite && b.Gelaendemenge.count() == 1;
  uint8_t gesucht = 0;
  while (einGelaende && !b.Gelaendemenge.test(gesucht))
    ++gesucht;

  TGesehen gesehen(breite, hoehe); // looked at: found, or of the wrong terrain or out of range
  TGesehen offen(breite, hoehe);   // found, its neighbours not yet looked at
  struct TWort {
    int32_t wx, wy;
  };
  // The queue of words with open cells; its used front part is dropped now and then.
  std::vector<TWort> schlange;
  schlange.reserve(4096);
  std::size_t kopf = 0;
  int64_t anzahl = 0;

  auto gefunden = [&](int32_t x, int32_t y, uint8_t g) {
    ++anzahl;
    fund(x, y, g);
    uint64_t& wort = offen.Wort(x >> 3, y >> 3);
    if (wort == 0) schlange.push_back({x >> 3, y >> 3});
    wort |= uint64_t{1} << (((x & 7) << 3) | (y & 7));
  };
  auto pruefen = [&](int32_t x, int32_t y) {
    const uint8_t g = zeiger.Gelaende(x, y);
    if (!b.Gelaendemenge.test(g)) return;
    if (!alleInReichweite && Entfernung(kv, mitte, TPunkt{x, y}) * 100 > b.Reichweite) return;
    gefunden(x, y, g);
  };

  // The cells of a whole word on the map that belong to the area when reached.
  auto passende = [&](int32_t x0, int32_t y0) {
    if (einGelaende) return zeiger.Gleiche(x0, y0, gesucht);
    uint64_t maske = 0;
    for (int32_t bit = 0; bit < 64; ++bit) {
      const TPunkt p{x0 + (bit >> 3), y0 + (bit & 7)};
      if (b.Gelaendemenge.test(zeiger.Gelaende(p.x, p.y)) &&
          (alleInReichweite || Entfernung(kv, mitte, p) * 100 <= b.Reichweite))
        maske |= uint64_t{1} << bit;
    }
    return maske;
  };
  // Hands on cells of a word found at once (not entered as open: the caller does that).
  auto wortGefunden = [&](int32_t x0, int32_t y0, uint64_t bits) {
    if (bits == 0) return;
    anzahl += std::popcount(bits);
    if (einGelaende) {
      fundWort(x0, y0, bits, gesucht);
      return;
    }
    for (; bits != 0; bits &= bits - 1) {
      const int bit = std::countr_zero(bits);
      const int32_t x = x0 + (bit >> 3), y = y0 + (bit & 7);
      fund(x, y, zeiger.Gelaende(x, y));
    }
  };

  gesehen.Markieren(mitte.x, mitte.y);
  gefunden(mitte.x, mitte.y, mitteGelaende);
  while (kopf < schlange.size()) {
    const TWort w = schlange[kopf++];
    if (kopf >= 65536 && kopf * 2 >= schlange.size()) {
      schlange.erase(schlange.begin(), schlange.begin() + static_cast<std::ptrdiff_t>(kopf));
      kopf = 0;
    }
    uint64_t& offenesWort = offen.Wort(w.wx, w.wy);
    const uint64_t neu = offenesWort;
    offenesWort = 0;
    if (inWorten && w.wx >= 1 && w.wy >= 1 && w.wx + 1 < ganzeX && w.wy + 1 < ganzeY) {
      // Spreads through the word itself until it is closed, gathering what passes into the
      // neighbour words, which then each take what reaches them in one go.
      uint64_t ziel[3][3] = {};
      uint64_t& mitteGesehen = gesehen.Wort(w.wx, w.wy);
      const uint64_t mittePassend = passende(w.wx << 3, w.wy << 3);
      for (uint64_t welle = neu; welle != 0;) {
        uint64_t schritt[3][3] = {};
        uint64_t teile[9][3]; // by h, each filled when first needed
        bool gebildet[9] = {};
        for (const TSpaltenversatz& sp : spalten) {
          if (!gebildet[sp.h]) Ausdehnen(welle, sp.h, teile[sp.h]);
          gebildet[sp.h] = true;
          for (int32_t j = 0; j < 3; ++j)
            Verschieben(teile[sp.h][j], sp.dx, j, schritt);
        }
        for (int32_t i = 0; i < 3; ++i)
          for (int32_t j = 0; j < 3; ++j)
            ziel[i][j] |= schritt[i][j];
        const uint64_t innen = schritt[1][1] & ~mitteGesehen;
        mitteGesehen |= innen;
        welle = innen & mittePassend;
        wortGefunden(w.wx << 3, w.wy << 3, welle);
      }
      for (int32_t i = 0; i < 3; ++i)
        for (int32_t j = 0; j < 3; ++j) {
          if (i == 1 && j == 1) continue;
          uint64_t& wort = gesehen.Wort(w.wx + i - 1, w.wy + j - 1);
          const uint64_t kandidaten = ziel[i][j] & ~wort;
          if (kandidaten == 0) continue;
          wort |= kandidaten;
          const int32_t x0 = (w.wx + i - 1) << 3, y0 = (w.wy + j - 1) << 3;
          const uint64_t treffer = kandidaten & passende(x0, y0);
          if (treffer == 0) continue;
          wortGefunden(x0, y0, treffer);
          uint64_t& auf = offen.Wort(x0 >> 3, y0 >> 3);
          if (auf == 0) schlange.push_back({x0 >> 3, y0 >> 3});
          auf |= treffer;
        }
      continue;
    }
    for (uint64_t rest = neu; rest != 0; rest &= rest - 1) {
      const int bit = std::countr_zero(rest);
      const int32_t qx = (w.wx << 3) + (bit >> 3), qy = (w.wy << 3) + (bit & 7);
      for (const TVersatz& v : versaetze) {
        int32_t x = qx + v.dx, y = qy + v.dy;
        if (umbrechend) {
          if (x < 0)
            x += breite;
          else if (x >= breite)
            x -= breite;
          if (y < 0)
            y += hoehe;
          else if (y >= hoehe)
            y -= hoehe;
        } else if (x < 0 || x >= breite || y < 0 || y >= hoehe) {
          continue;
        }
        if (!gesehen.Markieren(x, y)) pruefen(x, y);
      }
    }
  }
  return anzahl;
}

} // namespace

void ZielbereichLeeren(TZielbereich& b) {
  b = TZielbereich{};
}

int32_t ZielflaecheBerechnen(const TKV& kv, const TZielbereich& b, const TRechteck& r,
                             TZielflaeche& aus) {
  aus.clear();
  try {
    auto fund = [&](int32_t x, int32_t y, uint8_t) {
      aus.push_back({x, y, aus.empty() ? b.Anteil : 0});
    };
    Durchsuchen(kv, b, r, TBlockzeiger(kv.Karte), fund,
                [&](int32_t x0, int32_t y0, uint64_t bits, uint8_t g) {
                  for (; bits != 0; bits &= bits - 1) {
                    const int bit = std::countr_zero(bits);
                    fund(x0 + (bit >> 3), y0 + (bit & 7), g);
                  }
                });
  } catch (const std::exception&) {
    aus.clear();
    aus.shrink_to_fit();
    return 0;
  }
  return static_cast<int32_t>(aus.size());
}

int64_t ZielflaecheFuellen(TKV& kv, const TZielbereich& b, const TRechteck& r, uint8_t gelaende) {
  TKarte& karte = kv.Karte;
  TBlockzeiger zeiger(karte);
  // The blocks made this map's own so far; their reading address is then the writable one.
  std::vector<uint8_t*> schreiben(zeiger.Lesen.size());
  auto block = [&](int32_t bx, int32_t by) -> uint8_t* {
    if (bx >= zeiger.BloeckeX || by >= zeiger.BloeckeY) return nullptr;
    const std::size_t nummer = zeiger.Nummer(bx, by);
    uint8_t*& zeile = schreiben[nummer];
    if (zeile == nullptr) zeiger.Lesen[nummer] = zeile = GelaendeBlockAendern(karte, bx, by);
    return zeile;
  };
  return Durchsuchen(
      kv, b, r, zeiger,
      [&](int32_t x, int32_t y, uint8_t bisher) {
        // An unchanged cell is not written, so its block stays shared with the snapshots.
        if (bisher == gelaende) return;
        if (uint8_t* ziel = block(x >> BlockBits, y >> BlockBits)) ziel[ImBlock(x, y)] = gelaende;
      },
      [&](int32_t x0, int32_t y0, uint64_t bits, uint8_t bisher) {
        if (bisher == gelaende) return;
        uint8_t* ziel = block(x0 >> BlockBits, y0 >> BlockBits);
        for (; bits != 0; bits &= bits - 1) {
          const int bit = std::countr_zero(bits);
          ziel[ImBlock(x0 + (bit >> 3), y0 + (bit & 7))] = gelaende;
        }
      });
}
