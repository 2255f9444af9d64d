#pragma once
// The map and its cells. Cells are addressed by x (column) and y (row). Every user of the map
// goes through the functions below; how the cells are laid out is this file's business.
//
// Storage: the terrain is kept at one byte per cell in square blocks that copies of the map
// share until one of them writes (copy on write). States and the game-only cell values are kept
// only for the cells that have them. A copy of a TKarte therefore costs next to nothing and still
// behaves as a deep copy: no change to one ever shows through another.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "base/punkt.h"

constexpr uint8_t zaStartpunkt = 1; // a player's start position; Wert = player number
constexpr uint8_t zaRohstoff = 2;   // a resource deposit; Wert = amount

constexpr uint8_t zsAktiv = 1;   // Status bit 0: the state is active
constexpr uint8_t zsErzeugt = 2; // Status bit 1: made by the generator or the loader

struct TFeldZustand {
  uint8_t Art = 0;
  int32_t Wert = 0;
  int32_t Wert2 = 0;
  int32_t Wert3 = 0;
  int32_t Wert4 = 0;
  int32_t Rohstoff = 0;
  uint8_t Status = 0;
  friend bool operator==(const TFeldZustand&, const TFeldZustand&) = default;
};
using TFeldZustaende = std::vector<TFeldZustand>;

// One cell as a plain value, for reading or writing a whole cell at once.
struct TSpielFeld {
  TFeldZustaende Zustaende;
  uint8_t Gelaende = 0;
  int32_t Spielwerte[4] = {0, 0, 0, 0}; // game-only, carried unread
  uint8_t Spielbyte = 0;                // game-only, carried unread
  friend bool operator==(const TSpielFeld&, const TSpielFeld&) = default;
};

// The cell grid. Opaque: use the functions below.
class TFelder {
public:
  struct TSpeicher; // defined in the implementation
  std::shared_ptr<const TSpeicher> Speicher;
};

// A rectangle of cells, all four sides inclusive.
struct TKartenbereich {
  int32_t Links = 0, Oben = 0, Rechts = -1, Unten = -1;
  friend bool operator==(const TKartenbereich&, const TKartenbereich&) = default;
};

struct TKarte {
  TFelder Felder;
  // Breite, Hoehe, Spieleranzahl and Weitere are ten consecutive 32-bit values that are copied
  // as one block to and from the scenario record.
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  int32_t Spieleranzahl = 0;
  int32_t Weitere[7] = {0, 0, 0, 0, 0, 0, 0};
};

void KartenwerteLesen(const TKarte& karte, int32_t werte[10]);
void KartenwerteSchreiben(TKarte& karte, const int32_t werte[10]);

// Sizes the grid to breite x hoehe fresh cells (terrain 0, no states, game values 0). The ten
// map values are left alone. A width or height of 0 or less gives an empty grid.
void FelderAnlegen(TKarte& karte, int32_t breite, int32_t hoehe);
// Releases all cells.
void FelderFreigeben(TKarte& karte);
// The size of the grid itself (Breite and Hoehe are the map values and normally equal these).
int32_t FelderBreite(const TKarte& karte);
int32_t FelderHoehe(const TKarte& karte);
bool FeldVorhanden(const TKarte& karte, int32_t x, int32_t y);

// Terrain of a cell; reads off the grid give 0, writes off the grid are ignored.
uint8_t Gelaende(const TKarte& karte, int32_t x, int32_t y);
void GelaendeSetzen(TKarte& karte, int32_t x, int32_t y, uint8_t gelaende);
// Bulk access to one column: FelderHoehe bytes of terrain, y from 0.
void SpalteLesen(const TKarte& karte, int32_t x, uint8_t* ziel);
void SpalteSchreiben(TKarte& karte, int32_t x, const uint8_t* quelle);

// Block-wise access to the terrain, for work over large parts of the map. The grid is cut into
// square blocks of KartenBlockKante cells a side; block (bx, by) holds the cells from
// (bx * KartenBlockKante, by * KartenBlockKante), cell (lx, ly) of the block at
// lx * KartenBlockKante + ly. Cells of a block beyond the grid's sides are not part of the map.
constexpr int32_t KartenBlockKante = 64;
int32_t BloeckeBreite(const TKarte& karte); // blocks across
int32_t BloeckeHoehe(const TKarte& karte);  // blocks down
// The terrain of a block for reading; null for a block of fresh cells (all terrain 0) and off
// the grid. Valid until the next change or copy of the map.
const uint8_t* GelaendeBlock(const TKarte& karte, int32_t bx, int32_t by);
// The terrain of a block for writing: the block becomes this map's own (copies of the map are
// not affected). Null off the grid. Valid until the map is copied or its grid is replaced; other
// changes, also through this function, leave it valid.
uint8_t* GelaendeBlockAendern(TKarte& karte, int32_t bx, int32_t by);

// A whole cell as a value (states, terrain and game-only values).
TSpielFeld FeldLesen(const TKarte& karte, int32_t x, int32_t y);
void FeldSchreiben(TKarte& karte, int32_t x, int32_t y, const TSpielFeld& feld);

// The states of a cell in the order they were added; empty off the grid.
std::span<const TFeldZustand> FeldZustaende(const TKarte& karte, int32_t x, int32_t y);
// Writable view of the states of a cell (valid until the next change or copy of the map).
std::span<TFeldZustand> FeldZustaendeAendern(TKarte& karte, int32_t x, int32_t y);
// Appends a state to a cell and returns its index (the old number of states); -1 off the grid.
int32_t FeldZustandAnfuegen(TKarte& karte, int32_t x, int32_t y, const TFeldZustand& zustand);

// Visits every cell that holds at least one state, x outer and y inner. The visitor may change
// the map; the walk then still visits the cells as they were when it began.
void ZustandsfelderDurchlaufen(
    const TKarte& karte,
    const std::function<void(int32_t x, int32_t y, std::span<const TFeldZustand>)>& besuch);

// The parts of two maps that may differ: rectangles that together cover every cell whose
// contents (terrain, states, game values) are not shared between the two. Maps of different
// grid sizes give one rectangle over the larger grid. Cheap: it compares block identities only.
std::vector<TKartenbereich> GeaenderteBereiche(const TKarte& a, const TKarte& b);

// The blocks themselves, shared and read-only, for keeping what a change replaced (the editing
// history keeps the blocks an action replaced instead of whole copies of the map). Block nummer
// is bx * BloeckeHoehe + by; an empty handle stands for fresh cells.
struct TKartenblockDaten;
using TKartenblock = std::shared_ptr<const TKartenblockDaten>;
// The block nummer of the grid; empty off the grid.
TKartenblock Kartenblock(const TKarte& karte, int32_t nummer);
// Puts a block in place of block nummer (other copies of the map are not affected); ignored off
// the grid.
void KartenblockSetzen(TKarte& karte, int32_t nummer, TKartenblock block);
// The bytes a block holds (0 for fresh cells), and the bytes of a grid's table of blocks.
std::size_t KartenblockGroesse(const TKartenblock& block);
std::size_t KartentabelleGroesse(const TKarte& karte);
// Whether two blocks hold the same cells (terrain, states, game values).
bool KartenblockeGleich(const TKartenblock& a, const TKartenblock& b);
// Whether two maps share their whole grid (a copy that neither has written since).
bool FelderGeteilt(const TKarte& a, const TKarte& b);
// Whether two grids have the same size and the same cells; cheap where they share blocks.
bool FelderGleich(const TKarte& a, const TKarte& b);
// The numbers of the blocks that two grids of the same size do not share; empty for grids of
// other sizes (compare their sizes first).
std::vector<int32_t> GeaenderteBloecke(const TKarte& a, const TKarte& b);

// Empties the map: releases all cells and sets the ten map values to 0.
void KarteLeeren(TKarte& karte);
// Deep copy: the target equals the source afterwards and shares nothing observable with it.
void KarteKopieren(TKarte& ziel, const TKarte& quelle);
void FeldKopieren(TSpielFeld& ziel, const TSpielFeld& quelle);
