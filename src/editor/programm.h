#pragma once
// The editor state: everything the editor knows about the editing work apart from the map
// itself, which lives in the game record TKV.
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "base/punkt.h"
#include "base/text.h"
#include "editor/farben.h"
#include "model/karte.h"
#include "model/spiel.h"

// Editing modes (Modus).
enum : uint8_t { moGelaende = 0, moStartpositionen = 1, moSpiegelung = 2 };
constexpr int Modusanzahl = 3;

// Painting tools (Werkzeug).
enum : uint8_t {
  wzQuadrat = 0,
  wzKreis = 1,
  wzDreieck = 2,
  wzWaagerecht = 3,
  wzSenkrecht = 4,
  wzAusfuellen = 5,
  wzKreisAusfuellen = 6,
};
constexpr int Werkzeuganzahl = 7;
constexpr int Groessenanzahl = 6; // brush sizes 0 ... 5

// View options: bit i of Anzeige is option i.
enum TAnzeigeOption : uint8_t {
  aoGitter = 0,
  aoMeldungen = 1,
  aoUebersicht = 2,
  aoKoordinaten = 3
};
constexpr uint8_t AlleAnzeigeOptionen = 0x0F;
// Behaviour options: bit i of Verhalten is option i.
enum TVerhaltenOption : uint8_t { voAutoAktion = 0, voZurueck = 1 };

constexpr int Zoomstufenanzahl = 7;
// Cells across and down the map view per zoom level.
inline constexpr int32_t Zoomtabelle[Zoomstufenanzahl] = {7, 11, 15, 21, 29, 35, 45};
// Circle radii and fill steps per brush size, in hundredths of a cell.
inline constexpr int32_t Kreisradien[Groessenanzahl] = {25, 125, 225, 325, 425, 525};
inline constexpr int32_t Fuellschritte[Groessenanzahl] = {100, 150, 200, 250, 300, 350};

// The ten memory slots (the editing history took the place of the one undo snapshot).
constexpr int Abbildanzahl = 10;

// Interval of the editor window's timer in milliseconds.
constexpr int32_t Zeitgeberintervall = 200;

struct TMausPunkt {
  TPunkt Ort;          // logical point
  uint8_t Bereich = 0; // screen region holding it, 0 for none
};

// A pan of the view with the mouse under way (Taste >= 0), and whether Space is held.
struct TVerschiebung {
  int32_t Taste = -1; // the button that pans: middle, or left with Space; -1 none
  TPunkt Letzter;     // logical point of the last move while panning
  bool Leertaste = false;
};

struct TStartposition {
  TPunkt Ort;          // map cell
  int32_t Spieler = 0; // player number, from 0
};

// The drawing record of one map cell, derived on demand (see ProgrammFeld).
struct TProgrammFeld {
  bool Start = false;           // the cell holds an active start position
  int32_t StartSpieler = 0;     // that start position's player number
  const TFarbKollektion& Farbe; // player colour on a start position, else the terrain colour
};

// One cell holding an active start position, as of the last rebuild.
struct TStartzelle {
  TPunkt Ort;
  int32_t StartSpieler = 0;  // the player of the cell's last active start position
  bool Spielerfarbe = false; // the cell's first start-position state is active
};

// The per-cell drawing records in compact form. A map of 10^8 cells cannot afford a colour per
// cell: the colour follows from the terrain unless the cell holds a start position, so only
// those cells are kept, sorted column by column. The logical size is the map's.
struct TProgrammFelder {
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  std::vector<TStartzelle> Startzellen; // x outer, y inner
  // The map as of the last rebuild (a copy costs next to nothing): comparing it with the
  // current map tells which parts must be looked at again.
  TKarte Stand;
  bool StandGueltig = false;
};

// One block an action replaced, with what it was before and what it became.
struct TBlocktausch {
  int32_t Nummer = 0;
  TKartenblock Vorher;
  TKartenblock Nachher;
};

// One step of the editing history: what one action of the user changed. Most actions change only
// cells; such a step keeps the 64 x 64 blocks it replaced and their replacements, which the map or
// the neighbouring steps share, so it costs about the blocks its action touched. An action that
// changed more (the map's size or values, a memory slot brought back) keeps the whole game record
// before and after; copies share their unchanged blocks too.
struct TVerlaufsschritt {
  uint8_t Art = 0; // TSchrittart, named when the step is undone or redone
  std::vector<TBlocktausch> Bloecke;
  int32_t Breite = 0, Hoehe = 0; // the grid the blocks belong to
  bool Ganz = false;
  TKV Vorher;
  TKV Nachher;
  // The bytes the step holds beyond the map while it can be undone (the blocks it replaced) and
  // while it can be redone (their replacements).
  std::size_t KostenZurueck = 0;
  std::size_t KostenVor = 0;
};

constexpr std::size_t VerlaufsspeicherStandard = std::size_t{512} << 20;

// The editing history. Steps [0, Stand) can be undone, [Stand, size) redone.
struct TVerlauf {
  std::deque<TVerlaufsschritt> Schritte; // oldest first
  std::size_t Stand = 0;
  // The action under way (from AktionBeginnen to AktionBeenden) and the record at its start.
  bool Offen = false;
  uint8_t OffeneArt = 0;
  TKV Anfang;
  // The memory the steps may hold; the oldest go first, the newest is always kept.
  std::size_t Budget = VerlaufsspeicherStandard;
  std::size_t Belegt = 0; // what they hold now
};

struct TProgrammSpielSpeicher {
  std::vector<TStartposition> Startpositionen; // column by column, rebuilt by KarteNeuAufbauen
  TText Meldung;                               // the status message (Latin-1)
  uint32_t MeldungZeit = 0;                    // millisecond tick count at which Meldung was set
  std::array<bool, Abbildanzahl> Belegt{};
  std::array<TKV, Abbildanzahl> Abbilder{};
  TVerlauf Verlauf;
  // The map as it was last built, opened or saved: unsaved changes are what differs from it.
  TKarte Gesichert;
  bool GesichertBekannt = false;
};

struct TProgrammSpiel {
  uint8_t Spiel = 0; // game-definition index, taken from the map when the editor opens
  uint8_t Modus = moGelaende;
  uint8_t Ansicht = 0; // 0 the map view, 1 the in-window menu
  TPunkt Position;     // the map cell at the centre of the map view; may lie off the map
  int32_t SpielerNummer = 0;
  uint8_t Gelaende = 0; // paint terrain
  int32_t Groesse = 0;  // brush size 0 ... 5
  uint8_t Werkzeug = wzQuadrat;
  uint8_t Spiegelart = 0;
  uint8_t Spiegelrichtung = 0;
  uint8_t Symmetrie = 0; // symmetric painting (syAus ...), off at start
  TProgrammSpielSpeicher Speicher;
  int32_t Zoomstufe = 0;
  TPunkt Sichtweite;     // cells across and down the map view
  uint8_t Anzeige = 0;   // bit i = TAnzeigeOption i
  uint8_t Verhalten = 0; // bit i = TVerhaltenOption i
  TProgrammFelder Programmfelder;
};

struct TProgramm {
  std::string Pfad;         // the data folder (UTF-8), ending with "/"
  std::string Grafikvorrat; // installed graphics, read after Pfad's "Grafik"; empty: none
  uint8_t Sprache = 0;      // 0 German, 1 English
  TText Spieldatei;         // never set by the editor
  TMausPunkt Klicks[3][2];  // [button: left 0, right 1, middle 2][0 release, 1 press]
  TMausPunkt Maus;          // current mouse position
  TMausPunkt MausAlt;       // the one before
  TVerschiebung Verschiebung;
  TProgrammSpiel ProgrammSpiel;
  int32_t Bildzaehler = 0; // frames drawn, counted by the renderer
  int32_t Bildmarke = 0;   // millisecond accumulator of the editor window's timer
  TFarbtabellen Farben;    // player and terrain colours
  // Set when the overview missed changes while it was switched off; the next update then
  // rebuilds it whole.
  bool UebersichtVeraltet = true;
  // The scenarios that come with the program, listed (read-only) after Pfad's "Szenario";
  // empty: none.
  std::string Szenariovorrat;
};

inline bool AnzeigeAn(const TProgramm& p, TAnzeigeOption o) {
  return (p.ProgrammSpiel.Anzeige >> o) & 1;
}
inline bool VerhaltenAn(const TProgramm& p, TVerhaltenOption o) {
  return (p.ProgrammSpiel.Verhalten >> o) & 1;
}

// The drawing record of cell (x, y) as of the last KarteNeuAufbauen, for the cells the renderer
// draws. Cells outside the records' size read as terrain 0 without a start position.
TProgrammFeld ProgrammFeld(const TProgramm& programm, const TKV& kv, int32_t x, int32_t y);
