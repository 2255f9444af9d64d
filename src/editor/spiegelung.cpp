#include "editor/spiegelung.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "editor/aufbau.h"
#include "editor/meldung.h"
#include "editor/sicht.h"
#include "editor/verlauf.h"
#include "model/einstellungen.h"
#include "scenario/geometrie.h"

const char* const Spiegelartnamen[4][2] = {
    {"Senkrecht", ""},
    {"Waagerecht", ""},
    {"Von Links oben nach Rechts unten", ""},
    {"Von Rechts oben nach Links unten", ""},
};

const char* const Spiegelrichtungsnamen[2][2] = {
    {"Von 1 nach 2", "From 1 to 2"},
    {"Von 2 nach 1", "Form 2 to 1"},
};

namespace {

// Kind 0: each column x of the right part and its image W - x. A cell and its image share the
// row, so whole columns can be copied in the visiting order.
void Senkrecht(TKV& kv, uint8_t richtung) {
  TKarte& karte = kv.Karte;
  const int32_t w = karte.Breite, h = std::min(karte.Hoehe, FelderHoehe(karte));
  std::vector<uint8_t> a(FelderHoehe(karte)), b(FelderHoehe(karte));
  for (int32_t x = w / 2; x < w; ++x) {
    TPunkt p{w - x, 0};
    if (!AufKarte(kv, p)) continue;
    const int32_t ziel = richtung == 0 ? x : p.x, quelle = richtung == 0 ? p.x : x;
    SpalteLesen(karte, ziel, a.data());
    SpalteLesen(karte, quelle, b.data());
    std::copy(b.begin(), b.begin() + h, a.begin());
    SpalteSchreiben(karte, ziel, a.data());
  }
}

// Kind 1: within each column, row y of the lower part and its image H - y.
void Waagerecht(TKV& kv, uint8_t richtung) {
  TKarte& karte = kv.Karte;
  const int32_t w = karte.Breite, h = karte.Hoehe;
  std::vector<uint8_t> spalte(FelderHoehe(karte));
  for (int32_t x = 0; x < w; ++x) {
    SpalteLesen(karte, x, spalte.data());
    for (int32_t y = h / 2; y < h; ++y) {
      TPunkt p{x, h - y};
      if (!AufKarte(kv, p) || p.y >= static_cast<int32_t>(spalte.size()) ||
          y >= static_cast<int32_t>(spalte.size()))
        continue;
      if (richtung == 0)
        spalte[y] = spalte[p.y];
      else
        spalte[p.y] = spalte[y];
    }
    SpalteSchreiben(karte, x, spalte.data());
  }
}

// Kind 2 where no image wraps (a map that does not wrap, or one no higher than wide): the images
// of the visited cells that lie on the map are the cells of the top left square of side
// min(W, H), so the mirroring is a transpose of that square, one triangle onto the other. No
// cell is both read and written, so the order does not matter, and it runs block by block: each
// block of the target triangle is built from its transposed partner in a small buffer, which
// stays in the cache, and written only when it changes (unchanged blocks stay shared with the
// snapshots).
void Transponieren(TKarte& karte, uint8_t richtung) {
  constexpr int32_t K = KartenBlockKante;
  const int32_t seite =
      std::min({karte.Breite, karte.Hoehe, FelderBreite(karte), FelderHoehe(karte)});
  const int32_t bloecke =
      std::min({(seite + K - 1) / K, BloeckeBreite(karte), BloeckeHoehe(karte)});
  static const uint8_t nullen[K * K] = {};
  std::vector<uint8_t> neu(K * K);
  for (int32_t a = 0; a < bloecke; ++a)
    for (int32_t b = a; b < bloecke; ++b) {
      // Direction 0 writes the cells above the diagonal (y < x), direction 1 those below.
      const int32_t zx = richtung == 0 ? b : a, zy = richtung == 0 ? a : b;
      const uint8_t* quelle = GelaendeBlock(karte, zy, zx);
      const uint8_t* bisher = GelaendeBlock(karte, zx, zy);
      if (quelle == nullptr) quelle = nullen;
      if (bisher == nullptr) bisher = nullen;
      std::copy(bisher, bisher + K * K, neu.begin());
      const int32_t breite = std::min(K, seite - zx * K), hoehe = std::min(K, seite - zy * K);
      for (int32_t lx = 0; lx < breite; ++lx)
        for (int32_t ly = 0; ly < hoehe; ++ly) {
          if (a == b && (richtung == 0 ? ly >= lx : ly <= lx)) continue;
          neu[lx * K + ly] = quelle[ly * K + lx];
        }
      if (!std::equal(neu.begin(), neu.end(), bisher))
        std::copy(neu.begin(), neu.end(), GelaendeBlockAendern(karte, zx, zy));
    }
}

// Cell access for the cell-by-cell diagonals: the blocks' addresses are fetched once, and a
// block is made the map's own on its first real change (an unchanged cell is not written, so
// its block stays shared with the snapshots).
class TZellzugriff {
public:
  explicit TZellzugriff(TKarte& karte)
      : Karte(karte), BloeckeX(BloeckeBreite(karte)), BloeckeY(BloeckeHoehe(karte)),
        Breite(FelderBreite(karte)), Hoehe(FelderHoehe(karte)),
        Lesen(static_cast<std::size_t>(BloeckeX) * BloeckeY),
        Schreiben(static_cast<std::size_t>(BloeckeX) * BloeckeY) {
    for (int32_t bx = 0; bx < BloeckeX; ++bx)
      for (int32_t by = 0; by < BloeckeY; ++by)
        Lesen[Nummer(bx, by)] = GelaendeBlock(karte, bx, by);
  }
  // 0 off the grid, as for the map's own accessors.
  uint8_t Gelaende(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= Breite || y >= Hoehe) return 0;
    const uint8_t* block = Lesen[Nummer(x / K, y / K)];
    return block ? block[(x % K) * K + y % K] : 0;
  }
  void Setzen(int32_t x, int32_t y, uint8_t g) {
    if (x < 0 || y < 0 || x >= Breite || y >= Hoehe || Gelaende(x, y) == g) return;
    const std::size_t nummer = Nummer(x / K, y / K);
    if (Schreiben[nummer] == nullptr)
      Lesen[nummer] = Schreiben[nummer] = GelaendeBlockAendern(Karte, x / K, y / K);
    Schreiben[nummer][(x % K) * K + y % K] = g;
  }

private:
  static constexpr int32_t K = KartenBlockKante;
  std::size_t Nummer(int32_t bx, int32_t by) const {
    return static_cast<std::size_t>(bx) * BloeckeY + by;
  }
  TKarte& Karte;
  int32_t BloeckeX, BloeckeY, Breite, Hoehe;
  std::vector<const uint8_t*> Lesen;
  std::vector<uint8_t*> Schreiben;
};

// Kind 3 on a square map that does not wrap: the image of (x, y) is (W - y, W - x), on the map for
// x, y >= 1, and the image of a visited cell is visited too, so each pair is met twice. The
// pair's cell met first (x + y < W) is the source in direction 0 and keeps its terrain, the other
// takes it; direction 1 the other way round. No source is ever written, so the order does not
// matter: each target block is built in a small buffer, written only when it changes. Along a
// target column the source walks backwards along a source row, one run per source block.
void GegendiagonaleQuadratisch(TKarte& karte, uint8_t richtung) {
  constexpr int32_t K = KartenBlockKante;
  const int32_t w = karte.Breite;
  const int32_t bloecke = std::min({(w + K - 1) / K, BloeckeBreite(karte), BloeckeHoehe(karte)});
  static const uint8_t nullen[K * K] = {};
  std::vector<uint8_t> neu(K * K);
  for (int32_t bx = 0; bx < bloecke; ++bx)
    for (int32_t by = bx; by < bloecke; ++by) {
      const int32_t x0 = bx * K, y0 = by * K;
      // No target cell in the block: all of it on the source side of x + y = W.
      if (richtung == 0 ? x0 + y0 + 2 * K - 2 <= w : x0 + y0 >= w) continue;
      const uint8_t* bisher = GelaendeBlock(karte, bx, by);
      if (bisher == nullptr) bisher = nullen;
      std::copy(bisher, bisher + K * K, neu.begin());
      for (int32_t x = std::max(x0, 1); x < std::min(x0 + K, w); ++x) {
        int32_t von = std::max(y0, x), bis = std::min(y0 + K, w);
        if (richtung == 0)
          von = std::max(von, w - x + 1);
        else
          bis = std::min(bis, w - x);
        const int32_t sy = w - x;
        uint8_t* ziel = neu.data() + (x - x0) * K - y0;
        for (int32_t y = von; y < bis;) {
          const int32_t sx = w - y, sbx = sx / K;
          const int32_t lauf = std::min(bis - y, sx - sbx * K + 1);
          const uint8_t* quelle = GelaendeBlock(karte, sbx, sy / K);
          if (quelle == nullptr) quelle = nullen;
          const int32_t o = (sx % K) * K + sy % K;
          for (int32_t i = 0; i < lauf; ++i)
            ziel[y + i] = quelle[o - i * K];
          y += lauf;
        }
      }
      if (!std::equal(neu.begin(), neu.end(), bisher))
        std::copy(neu.begin(), neu.end(), GelaendeBlockAendern(karte, bx, by));
    }
}

// Kinds 2 and 3: the cells with y >= x and their images across a diagonal, cell by cell in the
// visiting order (both cells of a pair may be visited).
void Diagonal(TKV& kv, uint8_t art, uint8_t richtung) {
  TKarte& karte = kv.Karte;
  const int32_t w = karte.Breite, h = karte.Hoehe;
  const bool umbrechend = KarteUmbrechend(kv.Einstellungen);
  TZellzugriff zellen(karte);
  for (int32_t x = 0; x < w; ++x)
    for (int32_t y = x; y < h; ++y) {
      TPunkt p = art == 2 ? TPunkt{y, x} : TPunkt{w - y, h - x};
      // The on-map test of the geometry, without its call per cell.
      if (umbrechend) {
        p.x = (w + p.x % w) % w;
        p.y = (h + p.y % h) % h;
      } else if (p.x < 0 || p.y < 0 || p.x >= w || p.y >= h) {
        continue;
      }
      if (richtung == 0)
        zellen.Setzen(p.x, p.y, zellen.Gelaende(x, y));
      else
        zellen.Setzen(x, y, zellen.Gelaende(p.x, p.y));
    }
}

} // namespace

void KarteSpiegeln(TKV& kv, uint8_t art, uint8_t richtung) {
  if (kv.Karte.Breite <= 0 || kv.Karte.Hoehe <= 0) return;
  switch (art) {
  case 0:
    Senkrecht(kv, richtung);
    break;
  case 1:
    Waagerecht(kv, richtung);
    break;
  case 2:
    if (!KarteUmbrechend(kv.Einstellungen) || kv.Karte.Hoehe <= kv.Karte.Breite)
      Transponieren(kv.Karte, richtung);
    else
      Diagonal(kv, art, richtung);
    break;
  case 3:
    if (!KarteUmbrechend(kv.Einstellungen) && kv.Karte.Breite == kv.Karte.Hoehe)
      GegendiagonaleQuadratisch(kv.Karte, richtung);
    else
      Diagonal(kv, art, richtung);
    break;
  default:
    break;
  }
}

bool SpiegelartFeld(TEditor& e, TPunkt q) {
  const int32_t i = Feldindex(50, 4, 5, q);
  if (i < 0 || i > 3) return false;
  e.Programm.ProgrammSpiel.Spiegelart = static_cast<uint8_t>(i);
  const uint8_t sprache = e.Programm.Sprache;
  MeldungSetzen(e, sprache < 2 ? Spiegelartnamen[i][sprache] : "");
  return true;
}

bool SpiegelrichtungFeld(TEditor& e, TPunkt q) {
  const int32_t i = Feldindex(50, 4, 5, q);
  if (i < 0 || i > 1) return false;
  e.Programm.ProgrammSpiel.Spiegelrichtung = static_cast<uint8_t>(i);
  const uint8_t sprache = e.Programm.Sprache;
  MeldungSetzen(e, sprache < 2 ? Spiegelrichtungsnamen[i][sprache] : "");
  return true;
}

void SpiegelungAnwenden(TEditor& e) {
  std::optional<TLangeArbeit> lang;
  if (GanzeKarteLang(e)) lang.emplace(e);
  AktionBeginnen(e, saSpiegelung);
  const TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  KarteSpiegeln(e.KV, ps.Spiegelart, ps.Spiegelrichtung);
  KarteNeuAufbauen(e);
  AktionBeenden(e);
}
