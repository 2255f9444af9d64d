#include "model/karte.h"

#include <algorithm>
#include <atomic>
#include <cstring>

// The grid is cut into square blocks of 64 x 64 cells. A block holds the terrain of its cells
// column by column and, only for the cells that have them, their states and game-only values.
// Blocks and the table of blocks are shared between copies of a map and copied on the first
// write, so a copy of the largest map costs a pointer and a brush press copies one table and
// the few blocks it touches.
namespace karte_intern {

constexpr int32_t BlockBits = 6;
constexpr int32_t BlockKante = 1 << BlockBits;
constexpr int32_t BlockMaske = BlockKante - 1;
constexpr int32_t BlockZellen = BlockKante * BlockKante;

// The game-only values of one cell; kept only while one of them is not 0.
struct TSpielwerte {
  uint16_t Zelle = 0;
  uint8_t Spielbyte = 0;
  int32_t Werte[4] = {0, 0, 0, 0};
};

} // namespace karte_intern

// Declared in the header as the opaque block type.
struct TKartenblockDaten {
  // Cell (lx, ly) of the block is at lx * BlockKante + ly.
  uint8_t Gelaende[karte_intern::BlockZellen] = {};
  // One entry per state, ordered by cell and, within a cell, by the order of adding;
  // ZustandZellen[i] is the cell of Zustaende[i].
  std::vector<uint16_t> ZustandZellen;
  std::vector<TFeldZustand> Zustaende;
  std::vector<karte_intern::TSpielwerte> Spielwerte; // ordered by cell
};

namespace karte_intern {

using TBlock = TKartenblockDaten;
using TBlockZeiger = std::shared_ptr<const TBlock>;

} // namespace karte_intern

using namespace karte_intern;

struct TFelder::TSpeicher {
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  int32_t BloeckeX = 0;
  int32_t BloeckeY = 0;
  // Block (bx, by) at bx * BloeckeY + by; an empty pointer stands for fresh cells.
  std::vector<TBlockZeiger> Bloecke;
};

namespace {

using TSpeicher = TFelder::TSpeicher;

const TSpeicher* SpeicherVon(const TKarte& karte) {
  return karte.Felder.Speicher.get();
}

bool ImGitter(const TSpeicher* sp, int32_t x, int32_t y) {
  return sp != nullptr && x >= 0 && y >= 0 && x < sp->Breite && y < sp->Hoehe;
}

int32_t BlockNummer(const TSpeicher& sp, int32_t x, int32_t y) {
  return (x >> BlockBits) * sp.BloeckeY + (y >> BlockBits);
}

uint16_t ZelleImBlock(int32_t x, int32_t y) {
  return static_cast<uint16_t>(((x & BlockMaske) << BlockBits) | (y & BlockMaske));
}

// The block of an on-grid cell for reading; null for fresh cells.
const TBlock* BlockLesen(const TSpeicher& sp, int32_t x, int32_t y) {
  return sp.Bloecke[BlockNummer(sp, x, y)].get();
}

// A copy of the map may be read on another thread (the recovery copy is compressed off the main
// thread) while this one writes. Its reader holds a reference, so what it reads is never written
// in place; once it has let go, a count of 1 must also make its reads happen before our write:
// the acquire pairs with the release of the reader's decrement.
bool Allein(long anzahl) {
  if (anzahl != 1) return false;
  std::atomic_thread_fence(std::memory_order_acquire);
  return true;
}

// Makes the table of blocks this map's own before a write.
TSpeicher& SpeicherSchreibbar(TFelder& felder) {
  if (!Allein(felder.Speicher.use_count()))
    felder.Speicher = std::make_shared<TSpeicher>(*felder.Speicher);
  // The table was made by make_shared above or earlier as a non-const object.
  return const_cast<TSpeicher&>(*felder.Speicher);
}

// Makes a block this map's own before a write (the table must already be its own).
TBlock& BlockSchreibbar(TSpeicher& sp, int32_t nummer) {
  TBlockZeiger& zeiger = sp.Bloecke[nummer];
  if (!zeiger)
    zeiger = std::make_shared<TBlock>();
  else if (!Allein(zeiger.use_count()))
    zeiger = std::make_shared<TBlock>(*zeiger);
  return const_cast<TBlock&>(*zeiger);
}

// The writable block of a cell; null off the grid.
TBlock* BlockZumSchreiben(TKarte& karte, int32_t x, int32_t y) {
  if (!ImGitter(SpeicherVon(karte), x, y)) return nullptr;
  TSpeicher& sp = SpeicherSchreibbar(karte.Felder);
  return &BlockSchreibbar(sp, BlockNummer(sp, x, y));
}

// Grows a state list by an eighth instead of doubling it: a random map puts a state on some
// hundred cells of every block, and doubling would leave a third of that memory unused.
template <class T> void PlatzFuerEinen(std::vector<T>& v) {
  if (v.size() == v.capacity()) v.reserve(v.size() + v.size() / 8 + 4);
}

struct TBereich {
  std::size_t Anfang = 0;
  std::size_t Ende = 0;
};

TBereich ZustandsBereich(const TBlock& block, uint16_t zelle) {
  auto von = std::lower_bound(block.ZustandZellen.begin(), block.ZustandZellen.end(), zelle);
  auto bis = std::upper_bound(von, block.ZustandZellen.end(), zelle);
  return {static_cast<std::size_t>(von - block.ZustandZellen.begin()),
          static_cast<std::size_t>(bis - block.ZustandZellen.begin())};
}

const TSpielwerte* SpielwerteLesen(const TBlock& block, uint16_t zelle) {
  auto it = std::lower_bound(block.Spielwerte.begin(), block.Spielwerte.end(), zelle,
                             [](const TSpielwerte& w, uint16_t z) { return w.Zelle < z; });
  if (it == block.Spielwerte.end() || it->Zelle != zelle) return nullptr;
  return &*it;
}

void SpielwerteSchreiben(TBlock& block, uint16_t zelle, const TSpielFeld& feld) {
  auto it = std::lower_bound(block.Spielwerte.begin(), block.Spielwerte.end(), zelle,
                             [](const TSpielwerte& w, uint16_t z) { return w.Zelle < z; });
  const bool vorhanden = it != block.Spielwerte.end() && it->Zelle == zelle;
  const bool null = feld.Spielbyte == 0 && feld.Spielwerte[0] == 0 && feld.Spielwerte[1] == 0 &&
                    feld.Spielwerte[2] == 0 && feld.Spielwerte[3] == 0;
  if (null) {
    if (vorhanden) block.Spielwerte.erase(it);
    return;
  }
  if (!vorhanden) it = block.Spielwerte.insert(it, TSpielwerte{});
  it->Zelle = zelle;
  it->Spielbyte = feld.Spielbyte;
  std::copy(std::begin(feld.Spielwerte), std::end(feld.Spielwerte), it->Werte);
}

} // namespace

void KartenwerteLesen(const TKarte& karte, int32_t werte[10]) {
  werte[0] = karte.Breite;
  werte[1] = karte.Hoehe;
  werte[2] = karte.Spieleranzahl;
  std::copy(std::begin(karte.Weitere), std::end(karte.Weitere), werte + 3);
}

void KartenwerteSchreiben(TKarte& karte, const int32_t werte[10]) {
  karte.Breite = werte[0];
  karte.Hoehe = werte[1];
  karte.Spieleranzahl = werte[2];
  std::copy(werte + 3, werte + 10, karte.Weitere);
}

void FelderAnlegen(TKarte& karte, int32_t breite, int32_t hoehe) {
  if (breite <= 0 || hoehe <= 0) {
    FelderFreigeben(karte);
    return;
  }
  auto sp = std::make_shared<TSpeicher>();
  sp->Breite = breite;
  sp->Hoehe = hoehe;
  // In 64 bits: a width near the 32-bit limit must not overflow the rounding up.
  sp->BloeckeX = static_cast<int32_t>((int64_t{breite} + BlockMaske) >> BlockBits);
  sp->BloeckeY = static_cast<int32_t>((int64_t{hoehe} + BlockMaske) >> BlockBits);
  sp->Bloecke.resize(static_cast<std::size_t>(sp->BloeckeX) * sp->BloeckeY);
  karte.Felder.Speicher = std::move(sp);
}

void FelderFreigeben(TKarte& karte) {
  karte.Felder.Speicher.reset();
}

int32_t FelderBreite(const TKarte& karte) {
  const TSpeicher* sp = SpeicherVon(karte);
  return sp ? sp->Breite : 0;
}

int32_t FelderHoehe(const TKarte& karte) {
  const TSpeicher* sp = SpeicherVon(karte);
  return sp ? sp->Hoehe : 0;
}

bool FeldVorhanden(const TKarte& karte, int32_t x, int32_t y) {
  return ImGitter(SpeicherVon(karte), x, y);
}

uint8_t Gelaende(const TKarte& karte, int32_t x, int32_t y) {
  const TSpeicher* sp = SpeicherVon(karte);
  if (!ImGitter(sp, x, y)) return 0;
  const TBlock* block = BlockLesen(*sp, x, y);
  return block ? block->Gelaende[ZelleImBlock(x, y)] : 0;
}

void GelaendeSetzen(TKarte& karte, int32_t x, int32_t y, uint8_t gelaende) {
  // Writing the value a cell already has changes nothing and shares on.
  if (!FeldVorhanden(karte, x, y) || Gelaende(karte, x, y) == gelaende) return;
  BlockZumSchreiben(karte, x, y)->Gelaende[ZelleImBlock(x, y)] = gelaende;
}

void SpalteLesen(const TKarte& karte, int32_t x, uint8_t* ziel) {
  const TSpeicher* sp = SpeicherVon(karte);
  if (sp == nullptr) return;
  if (x < 0 || x >= sp->Breite) {
    std::memset(ziel, 0, static_cast<std::size_t>(sp->Hoehe));
    return;
  }
  const int32_t erster = (x >> BlockBits) * sp->BloeckeY;
  const int32_t versatz = (x & BlockMaske) << BlockBits;
  for (int32_t by = 0; by < sp->BloeckeY; ++by) {
    const int32_t y0 = by << BlockBits;
    const auto anzahl = static_cast<std::size_t>(std::min(BlockKante, sp->Hoehe - y0));
    const TBlock* block = sp->Bloecke[erster + by].get();
    if (block)
      std::memcpy(ziel + y0, block->Gelaende + versatz, anzahl);
    else
      std::memset(ziel + y0, 0, anzahl);
  }
}

void SpalteSchreiben(TKarte& karte, int32_t x, const uint8_t* quelle) {
  const TSpeicher* lesen = SpeicherVon(karte);
  if (lesen == nullptr || x < 0 || x >= lesen->Breite) return;
  const int32_t erster = (x >> BlockBits) * lesen->BloeckeY;
  const int32_t versatz = (x & BlockMaske) << BlockBits;
  static const uint8_t nullen[BlockKante] = {};
  for (int32_t by = 0; by < lesen->BloeckeY; ++by) {
    const int32_t y0 = by << BlockBits;
    const auto anzahl = static_cast<std::size_t>(std::min(BlockKante, lesen->Hoehe - y0));
    // Only blocks whose terrain really changes are unshared.
    const TBlock* alt = SpeicherVon(karte)->Bloecke[erster + by].get();
    const uint8_t* bisher = alt ? alt->Gelaende + versatz : nullen;
    if (std::memcmp(bisher, quelle + y0, anzahl) == 0) continue;
    TSpeicher& sp = SpeicherSchreibbar(karte.Felder);
    std::memcpy(BlockSchreibbar(sp, erster + by).Gelaende + versatz, quelle + y0, anzahl);
  }
}

static_assert(KartenBlockKante == BlockKante);

int32_t BloeckeBreite(const TKarte& karte) {
  const TSpeicher* sp = SpeicherVon(karte);
  return sp ? sp->BloeckeX : 0;
}

int32_t BloeckeHoehe(const TKarte& karte) {
  const TSpeicher* sp = SpeicherVon(karte);
  return sp ? sp->BloeckeY : 0;
}

const uint8_t* GelaendeBlock(const TKarte& karte, int32_t bx, int32_t by) {
  const TSpeicher* sp = SpeicherVon(karte);
  if (sp == nullptr || bx < 0 || by < 0 || bx >= sp->BloeckeX || by >= sp->BloeckeY) return nullptr;
  const TBlock* block = sp->Bloecke[bx * sp->BloeckeY + by].get();
  return block ? block->Gelaende : nullptr;
}

uint8_t* GelaendeBlockAendern(TKarte& karte, int32_t bx, int32_t by) {
  const TSpeicher* sp = SpeicherVon(karte);
  if (sp == nullptr || bx < 0 || by < 0 || bx >= sp->BloeckeX || by >= sp->BloeckeY) return nullptr;
  return BlockSchreibbar(SpeicherSchreibbar(karte.Felder), bx * sp->BloeckeY + by).Gelaende;
}

TSpielFeld FeldLesen(const TKarte& karte, int32_t x, int32_t y) {
  TSpielFeld feld;
  const TSpeicher* sp = SpeicherVon(karte);
  if (!ImGitter(sp, x, y)) return feld;
  const TBlock* block = BlockLesen(*sp, x, y);
  if (block == nullptr) return feld;
  const uint16_t zelle = ZelleImBlock(x, y);
  feld.Gelaende = block->Gelaende[zelle];
  const TBereich b = ZustandsBereich(*block, zelle);
  feld.Zustaende.assign(block->Zustaende.begin() + b.Anfang, block->Zustaende.begin() + b.Ende);
  if (const TSpielwerte* w = SpielwerteLesen(*block, zelle)) {
    std::copy(std::begin(w->Werte), std::end(w->Werte), feld.Spielwerte);
    feld.Spielbyte = w->Spielbyte;
  }
  return feld;
}

void FeldSchreiben(TKarte& karte, int32_t x, int32_t y, const TSpielFeld& feld) {
  if (!FeldVorhanden(karte, x, y) || FeldLesen(karte, x, y) == feld) return;
  TBlock& block = *BlockZumSchreiben(karte, x, y);
  const uint16_t zelle = ZelleImBlock(x, y);
  block.Gelaende[zelle] = feld.Gelaende;
  const TBereich b = ZustandsBereich(block, zelle);
  block.Zustaende.erase(block.Zustaende.begin() + b.Anfang, block.Zustaende.begin() + b.Ende);
  block.ZustandZellen.erase(block.ZustandZellen.begin() + b.Anfang,
                            block.ZustandZellen.begin() + b.Ende);
  block.Zustaende.insert(block.Zustaende.begin() + b.Anfang, feld.Zustaende.begin(),
                         feld.Zustaende.end());
  block.ZustandZellen.insert(block.ZustandZellen.begin() + b.Anfang, feld.Zustaende.size(), zelle);
  SpielwerteSchreiben(block, zelle, feld);
}

std::span<const TFeldZustand> FeldZustaende(const TKarte& karte, int32_t x, int32_t y) {
  const TSpeicher* sp = SpeicherVon(karte);
  if (!ImGitter(sp, x, y)) return {};
  const TBlock* block = BlockLesen(*sp, x, y);
  if (block == nullptr) return {};
  const TBereich b = ZustandsBereich(*block, ZelleImBlock(x, y));
  return std::span<const TFeldZustand>(block->Zustaende.data() + b.Anfang, b.Ende - b.Anfang);
}

std::span<TFeldZustand> FeldZustaendeAendern(TKarte& karte, int32_t x, int32_t y) {
  // A cell without states has nothing to change; its block stays shared.
  if (FeldZustaende(karte, x, y).empty()) return {};
  TBlock& block = *BlockZumSchreiben(karte, x, y);
  const TBereich b = ZustandsBereich(block, ZelleImBlock(x, y));
  return std::span<TFeldZustand>(block.Zustaende.data() + b.Anfang, b.Ende - b.Anfang);
}

int32_t FeldZustandAnfuegen(TKarte& karte, int32_t x, int32_t y, const TFeldZustand& zustand) {
  TBlock* block = BlockZumSchreiben(karte, x, y);
  if (block == nullptr) return -1;
  const uint16_t zelle = ZelleImBlock(x, y);
  const TBereich b = ZustandsBereich(*block, zelle);
  PlatzFuerEinen(block->Zustaende);
  PlatzFuerEinen(block->ZustandZellen);
  block->Zustaende.insert(block->Zustaende.begin() + b.Ende, zustand);
  block->ZustandZellen.insert(block->ZustandZellen.begin() + b.Ende, zelle);
  return static_cast<int32_t>(b.Ende - b.Anfang);
}

void ZustandsfelderDurchlaufen(
    const TKarte& karte,
    const std::function<void(int32_t x, int32_t y, std::span<const TFeldZustand>)>& besuch) {
  // The walk holds its own references to the table and the blocks, so a visitor that changes
  // the map makes it copy them and the walk goes on over the cells as they were.
  const std::shared_ptr<const TSpeicher> halter = karte.Felder.Speicher;
  if (!halter) return;
  const TSpeicher& sp = *halter;
  struct TLaeufer {
    TBlockZeiger Block;
    int32_t Y0;
    std::size_t Stelle;
  };
  std::vector<TLaeufer> laeufer;
  for (int32_t bx = 0; bx < sp.BloeckeX; ++bx) {
    // The blocks of this block column that hold states, top to bottom, each with a cursor
    // that moves through its states as x advances.
    laeufer.clear();
    for (int32_t by = 0; by < sp.BloeckeY; ++by) {
      const TBlockZeiger& block = sp.Bloecke[bx * sp.BloeckeY + by];
      if (block && !block->Zustaende.empty()) laeufer.push_back({block, by << BlockBits, 0});
    }
    if (laeufer.empty()) continue;
    const int32_t x0 = bx << BlockBits;
    for (int32_t lx = 0; lx < BlockKante && x0 + lx < sp.Breite; ++lx) {
      for (TLaeufer& l : laeufer) {
        const auto& zellen = l.Block->ZustandZellen;
        while (l.Stelle < zellen.size() && (zellen[l.Stelle] >> BlockBits) == lx) {
          const uint16_t zelle = zellen[l.Stelle];
          std::size_t ende = l.Stelle;
          while (ende < zellen.size() && zellen[ende] == zelle)
            ++ende;
          besuch(
              x0 + lx, l.Y0 + (zelle & BlockMaske),
              std::span<const TFeldZustand>(l.Block->Zustaende.data() + l.Stelle, ende - l.Stelle));
          l.Stelle = ende;
        }
      }
    }
  }
}

std::vector<TKartenbereich> GeaenderteBereiche(const TKarte& a, const TKarte& b) {
  std::vector<TKartenbereich> bereiche;
  const TSpeicher* sa = SpeicherVon(a);
  const TSpeicher* sb = SpeicherVon(b);
  if (sa == sb) return bereiche;
  const int32_t breiteA = FelderBreite(a), hoeheA = FelderHoehe(a);
  const int32_t breiteB = FelderBreite(b), hoeheB = FelderHoehe(b);
  if (breiteA != breiteB || hoeheA != hoeheB) {
    bereiche.push_back({0, 0, std::max(breiteA, breiteB) - 1, std::max(hoeheA, hoeheB) - 1});
    return bereiche;
  }
  // Same size, different tables: runs of differing blocks down each block column.
  for (int32_t bx = 0; bx < sa->BloeckeX; ++bx) {
    const int32_t links = bx << BlockBits;
    const int32_t rechts = std::min(links + BlockKante, sa->Breite) - 1;
    int32_t lauf = -1;
    for (int32_t by = 0; by <= sa->BloeckeY; ++by) {
      const int32_t nr = bx * sa->BloeckeY + by;
      const bool anders = by < sa->BloeckeY && sa->Bloecke[nr] != sb->Bloecke[nr];
      if (anders && lauf < 0) lauf = by;
      if (!anders && lauf >= 0) {
        bereiche.push_back(
            {links, lauf << BlockBits, rechts, std::min(by << BlockBits, sa->Hoehe) - 1});
        lauf = -1;
      }
    }
  }
  return bereiche;
}

TKartenblock Kartenblock(const TKarte& karte, int32_t nummer) {
  const TSpeicher* sp = SpeicherVon(karte);
  if (sp == nullptr || nummer < 0 || static_cast<std::size_t>(nummer) >= sp->Bloecke.size())
    return {};
  return sp->Bloecke[nummer];
}

void KartenblockSetzen(TKarte& karte, int32_t nummer, TKartenblock block) {
  const TSpeicher* sp = SpeicherVon(karte);
  if (sp == nullptr || nummer < 0 || static_cast<std::size_t>(nummer) >= sp->Bloecke.size() ||
      sp->Bloecke[nummer] == block)
    return;
  SpeicherSchreibbar(karte.Felder).Bloecke[nummer] = std::move(block);
}

std::size_t KartenblockGroesse(const TKartenblock& block) {
  if (!block) return 0;
  return sizeof(TBlock) + block->ZustandZellen.capacity() * sizeof(uint16_t) +
         block->Zustaende.capacity() * sizeof(TFeldZustand) +
         block->Spielwerte.capacity() * sizeof(TSpielwerte);
}

std::size_t KartentabelleGroesse(const TKarte& karte) {
  const TSpeicher* sp = SpeicherVon(karte);
  return sp ? sizeof(TSpeicher) + sp->Bloecke.capacity() * sizeof(TBlockZeiger) : 0;
}

namespace {

bool BlockLeer(const TBlock& b) {
  return b.Zustaende.empty() && b.Spielwerte.empty() &&
         std::all_of(std::begin(b.Gelaende), std::end(b.Gelaende),
                     [](uint8_t g) { return g == 0; });
}

bool SpielwerteGleich(const TSpielwerte& a, const TSpielwerte& b) {
  return a.Zelle == b.Zelle && a.Spielbyte == b.Spielbyte &&
         std::equal(std::begin(a.Werte), std::end(a.Werte), std::begin(b.Werte));
}

} // namespace

bool KartenblockeGleich(const TKartenblock& a, const TKartenblock& b) {
  if (a == b) return true;
  if (!a || !b) return BlockLeer(a ? *a : *b);
  return std::memcmp(a->Gelaende, b->Gelaende, sizeof a->Gelaende) == 0 &&
         a->ZustandZellen == b->ZustandZellen && a->Zustaende == b->Zustaende &&
         std::equal(a->Spielwerte.begin(), a->Spielwerte.end(), b->Spielwerte.begin(),
                    b->Spielwerte.end(), SpielwerteGleich);
}

bool FelderGleich(const TKarte& a, const TKarte& b) {
  const TSpeicher* sa = SpeicherVon(a);
  const TSpeicher* sb = SpeicherVon(b);
  if (sa == sb) return true;
  if (FelderBreite(a) != FelderBreite(b) || FelderHoehe(a) != FelderHoehe(b)) return false;
  if (sa == nullptr || sb == nullptr) return true; // both empty
  for (std::size_t i = 0; i < sa->Bloecke.size(); ++i)
    if (!KartenblockeGleich(sa->Bloecke[i], sb->Bloecke[i])) return false;
  return true;
}

bool FelderGeteilt(const TKarte& a, const TKarte& b) {
  return SpeicherVon(a) == SpeicherVon(b);
}

std::vector<int32_t> GeaenderteBloecke(const TKarte& a, const TKarte& b) {
  std::vector<int32_t> nummern;
  const TSpeicher* sa = SpeicherVon(a);
  const TSpeicher* sb = SpeicherVon(b);
  if (sa == sb || sa == nullptr || sb == nullptr || sa->Breite != sb->Breite ||
      sa->Hoehe != sb->Hoehe)
    return nummern;
  for (std::size_t i = 0; i < sa->Bloecke.size(); ++i)
    if (sa->Bloecke[i] != sb->Bloecke[i]) nummern.push_back(static_cast<int32_t>(i));
  return nummern;
}

void KarteLeeren(TKarte& karte) {
  FelderFreigeben(karte);
  karte.Breite = 0;
  karte.Hoehe = 0;
  karte.Spieleranzahl = 0;
  std::fill(std::begin(karte.Weitere), std::end(karte.Weitere), 0);
}

void KarteKopieren(TKarte& ziel, const TKarte& quelle) {
  int32_t werte[10];
  KartenwerteLesen(quelle, werte);
  KartenwerteSchreiben(ziel, werte);
  // Sharing the grid is a deep copy: whichever map writes first makes its own blocks. With a
  // width or height of 0 the target's cells stay; users bound their loops by the map values.
  if (quelle.Breite > 0 && quelle.Hoehe > 0) ziel.Felder = quelle.Felder;
}

void FeldKopieren(TSpielFeld& ziel, const TSpielFeld& quelle) {
  ziel = quelle;
}
