#include "editor/symmetrie.h"

#include "editor/meldung.h"
#include "model/einstellungen.h"
#include "scenario/geometrie.h"

const char* const Symmetrienamen[Symmetrieanzahl][2] = {
    {"Symmetrie aus", "Symmetry off"},
    {"Symmetrie: gespiegelt", "Symmetry: mirrored"},
    {"Symmetrie: halbe Drehung", "Symmetry: half turn"},
    {"Symmetrie: vierfach", "Symmetry: four-fold"},
};

namespace {

// The reflection of p across the axis of mirroring kind art, through the middle of the map.
// The diagonals are the 45-degree lines through the top left and the top right corner cell;
// on a square map these are the map's diagonals.
TPunkt Spiegelbild(const TKarte& karte, uint8_t art, TPunkt p) {
  const int32_t w = karte.Breite - 1, h = karte.Hoehe - 1;
  switch (art) {
  case 0:
    return {w - p.x, p.y};
  case 1:
    return {p.x, h - p.y};
  case 2:
    return {p.y, p.x};
  default:
    return {w - p.y, w - p.x};
  }
}

} // namespace

int32_t Symmetriebilder(const TKV& kv, uint8_t symmetrie, uint8_t spiegelart, TPunkt c,
                        TPunkt zellen[4]) {
  int32_t n = 0;
  zellen[n++] = c;
  const TKarte& karte = kv.Karte;
  // Images are taken of the cell as it lies on the ring of a wrapping map.
  TPunkt m = c;
  if (KarteUmbrechend(kv.Einstellungen)) Umbrechen(kv, m);
  TPunkt bilder[3];
  int32_t anzahl = 0;
  switch (symmetrie) {
  case sySpiegelung:
    bilder[anzahl++] = Spiegelbild(karte, spiegelart, m);
    break;
  case syHalbdrehung:
    bilder[anzahl++] = Spiegelbild(karte, 0, Spiegelbild(karte, 1, m));
    break;
  case syVierfach:
    bilder[anzahl++] = Spiegelbild(karte, 0, m);
    bilder[anzahl++] = Spiegelbild(karte, 1, m);
    bilder[anzahl++] = Spiegelbild(karte, 0, Spiegelbild(karte, 1, m));
    break;
  default:
    break;
  }
  for (int32_t i = 0; i < anzahl; ++i) {
    TPunkt p = bilder[i];
    // An image off a map that does not wrap is skipped whole: a brush centred there would
    // still reach onto the map, which the clicked cell's own brush does not mirror.
    if (!AufKarte(kv, p) || p == m) continue;
    bool neu = true;
    for (int32_t j = 1; j < n; ++j)
      neu = neu && !(zellen[j] == p);
    if (neu) zellen[n++] = p;
  }
  return n;
}

void SymmetrieWeiterschalten(TEditor& e) {
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  ps.Symmetrie = static_cast<uint8_t>((ps.Symmetrie + 1) % Symmetrieanzahl);
  const uint8_t sprache = e.Programm.Sprache;
  MeldungSetzen(e, sprache < 2 ? Symmetrienamen[ps.Symmetrie][sprache] : "");
}
