#include "scenario/zielflaeche.h"

#include <cmath>
#include <cstdlib>
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

} // namespace

void ZielbereichLeeren(TZielbereich& b) {
  b = TZielbereich{};
}

int32_t ZielflaecheBerechnen(const TKV& kv, const TZielbereich& b, const TRechteck& r,
                             TZielflaeche& aus) {
  aus.clear();
  if (b.Art != zbZusammenhaengend) return 0;
  const TKarte& karte = kv.Karte;
  const int32_t breite = karte.Breite, hoehe = karte.Hoehe;
  const bool umbrechend = KarteUmbrechend(kv.Einstellungen);
  TPunkt mitte{r.Links, r.Oben};
  if (!AufKarte(kv, mitte)) return 0;
  if ((b.Bedingungen & zbMitteGeprueft) && !b.Gelaendemenge.test(Gelaende(karte, mitte.x, mitte.y)))
    return 0;

  try {
    // Room for the largest possible area up front: only the part that is used is ever touched,
    // and the area never has to be moved while it grows.
    const int64_t halb = std::max<int64_t>(b.Reichweite / 100, 0);
    const int64_t seiteX = std::min<int64_t>(2 * halb + 1, breite),
                  seiteY = std::min<int64_t>(2 * halb + 1, hoehe);
    try {
      aus.reserve(static_cast<std::size_t>(seiteX * seiteY));
    } catch (const std::exception&) {
      // A system that will not promise that much: the area grows as it goes.
    }
    aus.push_back({mitte.x, mitte.y, b.Anteil});
    // Every cell of the map is in range when the range exceeds any distance on it.
    const bool alleInReichweite =
        static_cast<int64_t>(b.Reichweite) >= 100 * (static_cast<int64_t>(breite) + hoehe);
    const auto versaetze = Nachbarschaft(b.Schritt, breite, hoehe, umbrechend);
    TGesehen gesehen(breite, hoehe);
    gesehen.Markieren(mitte.x, mitte.y);

    // Breadth-first growth; the output itself is the queue.
    for (std::size_t i = 0; i < aus.size(); ++i) {
      const int32_t qx = aus[i].x, qy = aus[i].y;
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
        if (gesehen.Markieren(x, y)) continue;
        if (!b.Gelaendemenge.test(Gelaende(karte, x, y))) continue;
        if (!alleInReichweite && Entfernung(kv, mitte, TPunkt{x, y}) * 100 > b.Reichweite) continue;
        aus.push_back({x, y, 0});
      }
    }
  } catch (const std::exception&) {
    aus.clear();
    aus.shrink_to_fit();
    return 0;
  }
  return static_cast<int32_t>(aus.size());
}
