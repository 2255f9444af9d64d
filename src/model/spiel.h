#pragma once
// The game record TKV: the game's status, its random state, its settings, players, map and
// units. The editor uses the map; the rest is carried and copied unread.
#include <array>
#include <cstdint>
#include <vector>

#include "base/text.h"
#include "base/zufall.h"
#include "model/einstellungen.h"
#include "model/karte.h"

enum TDiplomatie : uint8_t { dipFeindlich, dipVerbuendet };
using TDiplomatien = std::vector<TDiplomatie>;

// Plain game records of fixed sizes, carried as bytes.
template <std::size_t N> struct TDatenblock {
  std::array<uint8_t, N> Bytes{};
  friend bool operator==(const TDatenblock&, const TDatenblock&) = default;
};

struct TSpielerKarte {
  std::vector<std::vector<TDatenblock<8>>> Felder;
  friend bool operator==(const TSpielerKarte&, const TSpielerKarte&) = default;
};
struct TSpielerDiplomatie {
  TDiplomatien Diplomatien;
  friend bool operator==(const TSpielerDiplomatie&, const TSpielerDiplomatie&) = default;
};

struct TSpieler {
  TText Name;  // the player's name starts the record
  TDatenblock<256> Daten;
  std::vector<TDatenblock<16>> Forschungen;
  TSpielerKarte Karte;
  std::vector<TDatenblock<40>> SichtPunkte;
  TSpielerDiplomatie Diplomatie;
  std::vector<TDatenblock<36>> Meldungen;
  std::vector<std::vector<TDatenblock<524>>> Nachrichten;
  friend bool operator==(const TSpieler&, const TSpieler&) = default;
};
using TSpielers = std::vector<TSpieler>;

struct TEinheit {
  TDatenblock<128> Daten;
  std::vector<TDatenblock<16>> Aufwertungen;
  std::vector<TDatenblock<28>> Zustaende;
  std::vector<TDatenblock<24>> Blockierungen;
  friend bool operator==(const TEinheit&, const TEinheit&) = default;
};
using TEinheiten = std::vector<TEinheit>;

struct TSpielStand {
  uint8_t Spiel = 0;  // index into the game-definition table
  int32_t Werte[15] = {};
  uint8_t Merker = 0;
};

struct TSpielZufall {
  uint8_t Vorne = 0;
  TZufallsgenerator Generator;  // the map generator's terrain draw
  uint8_t Hinten = 0;
};

struct TKV {
  TSpielStand Stand;
  TSpielZufall Zufall;
  TSpielEinstellungen Einstellungen;
  TSpielers Spieler;
  TKarte Karte;
  TEinheiten Einheiten;
};

// Resets status, random state and settings, empties players and units and the map.
void SpielZuruecksetzen(TKV& kv);
void SpielKopieren(TKV& ziel, const TKV& quelle);
void SpielerKopieren(TSpieler& ziel, const TSpieler& quelle);
void EinheitKopieren(TEinheit& ziel, const TEinheit& quelle);
