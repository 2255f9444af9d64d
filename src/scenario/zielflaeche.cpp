#include "scenario/zielflaeche.h"

#include <cmath>
#include <memory>
#include <new>

#include "model/einstellungen.h"

namespace {

// Which cells have been looked at: a bit per cell, kept in 64 x 64 tiles that are only made
// when the area reaches them, so a small area on a huge map stays cheap.
class TGesehen {
public:
  TGesehen(int32_t breite, int32_t hoehe)
      : KachelnY((hoehe + 63) >> 6),
        Kacheln(static_cast<std::size_t>((breite + 63) >> 6) * static_cast<std::size_t>(KachelnY)) {
  }

  // Marks the cell and tells whether it was marked before.
  bool Markieren(int32_t x, int32_t y) {
    auto& kachel = Kacheln[static_cast<std::size_t>(x >> 6) * KachelnY + (y >> 6)];
    if (!kachel) kachel = std::make_unique<uint64_t[]>(64);
    uint64_t& wort = kachel[x & 63];
    const uint64_t bit = uint64_t{1} << (y & 63);
    const bool vorher = (wort & bit) != 0;
    wort |= bit;
    return vorher;
  }

private:
  std::size_t KachelnY;
  std::vector<std::unique_ptr<uint64_t[]>> Kacheln;
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
  } catch (const std::bad_alloc&) {
    aus.clear();
    aus.shrink_to_fit();
    return 0;
  }
  return static_cast<int32_t>(aus.size());
}
