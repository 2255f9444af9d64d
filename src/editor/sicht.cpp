#include "editor/sicht.h"

#include "editor/bildbereiche.h"

bool BereichAktiv(const TProgramm& programm, int32_t i) {
  const TProgrammSpiel& ps = programm.ProgrammSpiel;
  switch (i) {
  case 1:
  case 3:
    return ps.Ansicht == 0;
  case 4:
  case 5:
  case 6:
    return ps.Modus == moGelaende;
  case 8:
  case 9:
  case 10:
    return ps.Modus == moSpiegelung;
  case 11:
  case 12:
  case 13:
    return ps.Modus == moStartpositionen;
  case 14:
  case 15:
    return ps.Ansicht == 1;
  case 2:
  case 7:
  case 16:
  case 18:
    return true;
  default:
    return false;
  }
}

uint8_t Bereichsuche(const TProgramm& programm, TPunkt p) {
  for (int32_t i = 0; i < Bildbereichanzahl; ++i) {
    const TBildbereich& b = Bildbereiche[i];
    if (BereichAktiv(programm, i) && b.x <= p.x && p.x <= b.x + b.Breite && b.y <= p.y &&
        p.y <= b.y + b.Hoehe)
      return static_cast<uint8_t>(i);
  }
  return 0;
}

TPunkt Zellgroesse(const TProgramm& programm, int32_t bereich) {
  TPunkt g;
  if (bereich == bbKarte) {
    const TPunkt sw = programm.ProgrammSpiel.Sichtweite;
    // Before the editor is prepared the view width is 0; a cell then fills the view.
    g.x = sw.x > 0 ? Bildbereiche[1].Breite / sw.x : Bildbereiche[1].Breite;
    g.y = sw.y > 0 ? Bildbereiche[1].Hoehe / sw.y : Bildbereiche[1].Hoehe;
  } else if (bereich >= 0 && bereich < Bildbereichanzahl) {
    g.x = Bildbereiche[bereich].Breite;
    g.y = Bildbereiche[bereich].Hoehe;
  }
  // Callers divide by it.
  if (g.x < 1) g.x = 1;
  if (g.y < 1) g.y = 1;
  return g;
}

TPunkt Sichtzelle(const TProgramm& programm, TPunkt p, bool vorwaerts) {
  const TProgrammSpiel& ps = programm.ProgrammSpiel;
  const TPunkt halb{ps.Sichtweite.x / 2, ps.Sichtweite.y / 2};
  if (vorwaerts) {
    const TPunkt g = Zellgroesse(programm, bbKarte);
    return {p.x / g.x - halb.x + ps.Position.x, p.y / g.y - halb.y + ps.Position.y};
  }
  return {p.x + halb.x - ps.Position.x, p.y + halb.y - ps.Position.y};
}

int32_t Feldindex(int32_t s, int32_t n, int32_t g, TPunkt q) {
  if (g > 0) {
    if (q.x % (s + g) > s || q.y % (s + g) > s) return -1;
    s += g;
  }
  if (s <= 0) return -1;
  return n * (q.y / s) + q.x / s;
}

void ZoomSetzen(TProgramm& programm, int32_t zoomstufe) {
  TProgrammSpiel& ps = programm.ProgrammSpiel;
  ps.Zoomstufe = ((zoomstufe % Zoomstufenanzahl) + Zoomstufenanzahl) % Zoomstufenanzahl;
  ps.Sichtweite = {Zoomtabelle[ps.Zoomstufe], Zoomtabelle[ps.Zoomstufe]};
}
