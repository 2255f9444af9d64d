#pragma once
// The game settings: a 984-byte block whose layout is fixed because it is reset as a whole
// from a byte constant. The editor reads only a few fields; the rest is carried unread.
#include <array>
#include <cstdint>

#include "base/text.h"
#include "base/zufall.h"

constexpr int EinstellungenGroesse = 984;

// Byte positions inside the block.
constexpr int epSpiel = 0;            // index into the game-definition table
constexpr int epKurzname = 1;         // short string: length byte, then the characters
constexpr int epSaatKopie = 776;      // 32-bit copy of the own generator's Saat at reset
constexpr int epRohstoffmenge = 840;  // three choices 0..2: frequency, amount A, amount B
constexpr int epOptionen = 874;       // option bits below
constexpr int epGenerator = 968;      // the block's own TZufallsgenerator (16 bytes)

constexpr uint8_t opUmbrechen = 4;      // the map wraps around at its edges
constexpr uint8_t opRohstoffTabelleA = 64;  // deposits take their amount from table A

struct TSpielEinstellungen {
  std::array<uint8_t, EinstellungenGroesse> Bytes{};
};

// The default block the settings are reset from.
const TSpielEinstellungen& StandardEinstellungen();

uint8_t EinstellungSpiel(const TSpielEinstellungen& e);
TText EinstellungKurzname(const TSpielEinstellungen& e);
uint8_t Rohstoffmenge(const TSpielEinstellungen& e, int i);  // i = 0, 1, 2
uint8_t Optionen(const TSpielEinstellungen& e);
void OptionenSetzen(TSpielEinstellungen& e, uint8_t optionen);
bool KarteUmbrechend(const TSpielEinstellungen& e);  // bit 2 of Optionen
void KarteUmbrechendSetzen(TSpielEinstellungen& e, bool an);
TZufallsgenerator EinstellungsGenerator(const TSpielEinstellungen& e);
int32_t EinstellungWert32(const TSpielEinstellungen& e, int position);  // little-endian
void EinstellungWert32Setzen(TSpielEinstellungen& e, int position, int32_t wert);
void EinstellungsGeneratorSetzen(TSpielEinstellungen& e, const TZufallsgenerator& g);

// Copies the default block over the settings, seeds the block's own generator and keeps a copy
// of its new Saat at bytes 776-779.
void EinstellungenZuruecksetzen(TSpielEinstellungen& e);
