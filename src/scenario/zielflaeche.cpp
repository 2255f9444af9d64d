#include "scenario/zielflaeche.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>

#include "model/einstellungen.h"

namespace {

// Which cells have been looked at: a bit per cell, each 64-bit word holding a square of 8 x 8
// cells, so that the neighbours of a cell mostly share its word and its cache line. The memory
// comes zeroed from the system and untouched pages cost nothing, so a small area on a huge map
// stays cheap.
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

// The offsets of a neighbourhood as bit masks over the words of TGesehen: for each position of a
// cell within its word, the neighbouring cells fall into at most 3 x 3 words. A cell whose
// neighbours are all looked at already then costs a few word operations instead of a test per
// offset, which is what makes the wide steps of the larger fill sizes affordable.
struct TWortmaske {
  int32_t dwx = 0, dwy = 0;
  uint64_t Maske = 0;
};

struct TMaskentafel {
  TWortmaske Masken[64][9];
  int32_t Anzahl[64] = {};
};

// Null when an offset reaches beyond the next word (steps above 8 cells).
std::unique_ptr<TMaskentafel> Maskentafel(const std::vector<TVersatz>& versaetze) {
  for (const TVersatz& v : versaetze)
    if (std::abs(v.dx) > 8 || std::abs(v.dy) > 8) return nullptr;
  auto tafel = std::make_unique<TMaskentafel>();
  for (int32_t pos = 0; pos < 64; ++pos) {
    uint64_t masken[3][3] = {};
    for (const TVersatz& v : versaetze) {
      const int32_t nx = (pos >> 3) + v.dx, ny = (pos & 7) + v.dy;
      masken[(nx >> 3) + 1][(ny >> 3) + 1] |= uint64_t{1} << (((nx & 7) << 3) | (ny & 7));
    }
    for (int32_t i = 0; i < 3; ++i)
      for (int32_t j = 0; j < 3; ++j)
        if (masken[i][j] != 0)
          tafel->Masken[pos][tafel->Anzahl[pos]++] = {i - 1, j - 1, masken[i][j]};
  }
  return tafel;
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
};

// The breadth-first search behind both the list and the fill. fund(x, y, gelaende) is called
// once for every cell of the area as soon as it is found, the centre first; a cell's terrain is
// read before fund sees it, and only cells already found are ever handed to fund, so fund may
// change the terrain of the cells it is given. Keeps a bit per cell of the map and the cells of
// the search's frontier, never the area itself.
template <class TFund>
int64_t Durchsuchen(const TKV& kv, const TZielbereich& b, const TRechteck& r,
                    const TBlockzeiger& zeiger, TFund&& fund) {
  if (b.Art != zbZusammenhaengend) return 0;
  const TKarte& karte = kv.Karte;
  const int32_t breite = karte.Breite, hoehe = karte.Hoehe;
  const bool umbrechend = KarteUmbrechend(kv.Einstellungen);
  TPunkt mitte{r.Links, r.Oben};
  if (!AufKarte(kv, mitte)) return 0;
  const uint8_t mitteGelaende = Gelaende(karte, mitte.x, mitte.y);
  if ((b.Bedingungen & zbMitteGeprueft) && !b.Gelaendemenge.test(mitteGelaende)) return 0;

  // Every cell of the map is in range when the range exceeds any distance on it.
  const bool alleInReichweite =
      static_cast<int64_t>(b.Reichweite) >= 100 * (static_cast<int64_t>(breite) + hoehe);
  const auto versaetze = Nachbarschaft(b.Schritt, breite, hoehe, umbrechend);
  const auto tafel = Maskentafel(versaetze);
  int32_t kx = 0, ky = 0;
  for (const TVersatz& v : versaetze) {
    kx = std::max(kx, std::abs(v.dx));
    ky = std::max(ky, std::abs(v.dy));
  }
  TGesehen gesehen(breite, hoehe);
  // The frontier: a queue whose used front part is dropped now and then.
  std::vector<TPunkt> schlange;
  schlange.reserve(4096);
  std::size_t kopf = 0;

  int64_t anzahl = 1;
  gesehen.Markieren(mitte.x, mitte.y);
  fund(mitte.x, mitte.y, mitteGelaende);
  schlange.push_back(mitte);

  auto pruefen = [&](int32_t x, int32_t y) {
    const uint8_t g = zeiger.Gelaende(x, y);
    if (!b.Gelaendemenge.test(g)) return;
    if (!alleInReichweite && Entfernung(kv, mitte, TPunkt{x, y}) * 100 > b.Reichweite) return;
    ++anzahl;
    fund(x, y, g);
    schlange.push_back({x, y});
  };

  while (kopf < schlange.size()) {
    const TPunkt q = schlange[kopf++];
    if (kopf >= 65536 && kopf * 2 >= schlange.size()) {
      schlange.erase(schlange.begin(), schlange.begin() + static_cast<std::ptrdiff_t>(kopf));
      kopf = 0;
    }
    if (tafel && q.x >= kx && q.x + kx < breite && q.y >= ky && q.y + ky < hoehe) {
      // Every neighbour lies on the map without wrapping: whole words at a time.
      const int32_t wx = q.x >> 3, wy = q.y >> 3, pos = ((q.x & 7) << 3) | (q.y & 7);
      for (int32_t i = 0; i < tafel->Anzahl[pos]; ++i) {
        const TWortmaske& m = tafel->Masken[pos][i];
        uint64_t& wort = gesehen.Wort(wx + m.dwx, wy + m.dwy);
        uint64_t neu = m.Maske & ~wort;
        wort |= neu;
        const int32_t x0 = (wx + m.dwx) << 3, y0 = (wy + m.dwy) << 3;
        while (neu != 0) {
          const int bit = std::countr_zero(neu);
          neu &= neu - 1;
          pruefen(x0 + (bit >> 3), y0 + (bit & 7));
        }
      }
      continue;
    }
    for (const TVersatz& v : versaetze) {
      int32_t x = q.x + v.dx, y = q.y + v.dy;
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
    Durchsuchen(kv, b, r, TBlockzeiger(kv.Karte), [&](int32_t x, int32_t y, uint8_t) {
      aus.push_back({x, y, aus.empty() ? b.Anteil : 0});
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
  return Durchsuchen(kv, b, r, zeiger, [&](int32_t x, int32_t y, uint8_t bisher) {
    // An unchanged cell is not written, so its block stays shared with the snapshots.
    if (bisher == gelaende) return;
    const int32_t bx = x >> BlockBits, by = y >> BlockBits;
    if (bx >= zeiger.BloeckeX || by >= zeiger.BloeckeY) return;
    const std::size_t nummer = zeiger.Nummer(bx, by);
    uint8_t*& block = schreiben[nummer];
    if (block == nullptr) zeiger.Lesen[nummer] = block = GelaendeBlockAendern(karte, bx, by);
    block[ImBlock(x, y)] = gelaende;
  });
}
