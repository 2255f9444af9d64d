#include "model/einstellungen.h"

#include <algorithm>

namespace {

void Wert32Setzen(TSpielEinstellungen& e, int position, int32_t wert) {
  const auto u = static_cast<uint32_t>(wert);
  for (int i = 0; i < 4; ++i)
    e.Bytes[position + i] = static_cast<uint8_t>(u >> (8 * i));
}

TSpielEinstellungen StandardBlock() {
  TSpielEinstellungen e;
  e.Bytes[epSpiel] = 0;
  e.Bytes[epKurzname] = 2;
  e.Bytes[epKurzname + 1] = 'K';
  e.Bytes[epKurzname + 2] = 'V';
  for (int i = 0; i < 3; ++i)
    e.Bytes[epRohstoffmenge + i] = 1;
  std::fill(e.Bytes.begin() + 843, e.Bytes.begin() + 853, 1);
  std::fill(e.Bytes.begin() + 853, e.Bytes.begin() + 863, 2);
  std::fill(e.Bytes.begin() + 863, e.Bytes.begin() + 874, 1);
  e.Bytes[epOptionen] = 0x51;
  e.Bytes[875] = 6;
  Wert32Setzen(e, 884, 90);
  e.Bytes[930] = 2;
  e.Bytes[936] = 1;
  return e;
}

} // namespace

const TSpielEinstellungen& StandardEinstellungen() {
  static const TSpielEinstellungen standard = StandardBlock();
  return standard;
}

uint8_t EinstellungSpiel(const TSpielEinstellungen& e) {
  return e.Bytes[epSpiel];
}

TText EinstellungKurzname(const TSpielEinstellungen& e) {
  // The length byte is trusted only as far as the block reaches.
  const std::size_t laenge =
      std::min<std::size_t>(e.Bytes[epKurzname], EinstellungenGroesse - epKurzname - 1);
  const auto* anfang = reinterpret_cast<const char*>(e.Bytes.data() + epKurzname + 1);
  return TText(anfang, laenge);
}

uint8_t Rohstoffmenge(const TSpielEinstellungen& e, int i) {
  if (i < 0 || i > 2) return 0;
  return e.Bytes[epRohstoffmenge + i];
}

uint8_t Optionen(const TSpielEinstellungen& e) {
  return e.Bytes[epOptionen];
}

void OptionenSetzen(TSpielEinstellungen& e, uint8_t optionen) {
  e.Bytes[epOptionen] = optionen;
}

bool KarteUmbrechend(const TSpielEinstellungen& e) {
  return (Optionen(e) & opUmbrechen) != 0;
}

void KarteUmbrechendSetzen(TSpielEinstellungen& e, bool an) {
  const uint8_t o = Optionen(e);
  OptionenSetzen(e, static_cast<uint8_t>(an ? (o | opUmbrechen) : (o & ~opUmbrechen)));
}

int32_t EinstellungWert32(const TSpielEinstellungen& e, int position) {
  if (position < 0 || position > EinstellungenGroesse - 4) return 0;
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i)
    u |= static_cast<uint32_t>(e.Bytes[position + i]) << (8 * i);
  return static_cast<int32_t>(u);
}

void EinstellungWert32Setzen(TSpielEinstellungen& e, int position, int32_t wert) {
  if (position < 0 || position > EinstellungenGroesse - 4) return;
  Wert32Setzen(e, position, wert);
}

TZufallsgenerator EinstellungsGenerator(const TSpielEinstellungen& e) {
  TZufallsgenerator g;
  g.Saat = EinstellungWert32(e, epGenerator);
  g.Faktor = EinstellungWert32(e, epGenerator + 4);
  g.Summand = EinstellungWert32(e, epGenerator + 8);
  g.Modul = EinstellungWert32(e, epGenerator + 12);
  return g;
}

void EinstellungsGeneratorSetzen(TSpielEinstellungen& e, const TZufallsgenerator& g) {
  Wert32Setzen(e, epGenerator, g.Saat);
  Wert32Setzen(e, epGenerator + 4, g.Faktor);
  Wert32Setzen(e, epGenerator + 8, g.Summand);
  Wert32Setzen(e, epGenerator + 12, g.Modul);
}

void EinstellungenZuruecksetzen(TSpielEinstellungen& e) {
  e = StandardEinstellungen();
  TZufallsgenerator g;
  ZufallInitialisieren(g);
  EinstellungsGeneratorSetzen(e, g);
  Wert32Setzen(e, epSaatKopie, g.Saat);
}
