#include "editor/sichtsteuerung.h"

#include <algorithm>

#include "editor/aufbau.h"
#include "editor/bildbereiche.h"
#include "editor/maus.h"
#include "editor/sicht.h"
#include "editor/tasten.h"
#include "model/einstellungen.h"

namespace {

// How far the view may run past the edges of a map that does not wrap.
constexpr int32_t Randspalten = 10;

// Floor division for a positive divisor: points left of or above the view (a drag leaving the
// window) count whole cells too.
int32_t Zellindex(int32_t wert, int32_t seite) {
  const int32_t q = wert / seite;
  return (wert % seite != 0 && wert < 0) ? q - 1 : q;
}

int32_t Wickeln(int64_t wert, int32_t seite) {
  return static_cast<int32_t>(((wert % seite) + seite) % seite);
}

void UmZellenVerschieben(TEditor& e, TPunkt d) {
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  const bool umbrechend = KarteUmbrechend(e.KV.Einstellungen);
  SichtAchseVerschieben(ps.Position.x, d.x, e.KV.Karte.Breite, ps.Sichtweite.x / 2, umbrechend);
  SichtAchseVerschieben(ps.Position.y, d.y, e.KV.Karte.Hoehe, ps.Sichtweite.y / 2, umbrechend);
}

bool TasteGehalten(const TEditor& e, int32_t taste) {
  // A window that cannot say counts as holding it: the release ends the pan.
  const auto& gehalten =
      taste == mtLinks ? e.Umgebung.LinkeTasteGedrueckt : e.Umgebung.MittlereTasteGedrueckt;
  return !gehalten || gehalten();
}

} // namespace

void SichtAchseVerschieben(int32_t& wert, int32_t schritt, int32_t seite, int32_t halb,
                           bool umbrechend) {
  if (umbrechend) {
    if (seite > 0) wert = Wickeln(int64_t{wert} + schritt, seite);
    return;
  }
  const int64_t ziel = int64_t{wert} + schritt;
  const int32_t unten = halb - Randspalten, oben = seite + Randspalten - 2 - halb;
  if (schritt < 0 && wert > unten) wert = static_cast<int32_t>(std::max<int64_t>(ziel, unten));
  if (schritt > 0 && wert < oben) wert = static_cast<int32_t>(std::min<int64_t>(ziel, oben));
}

void ZoomAmPunkt(TProgramm& programm, const TKV& kv, TPunkt q, int32_t zoomstufe) {
  TProgrammSpiel& ps = programm.ProgrammSpiel;
  const TPunkt g = Zellgroesse(programm, bbKarte);
  const TPunkt zelle{Zellindex(q.x, g.x) - ps.Sichtweite.x / 2 + ps.Position.x,
                     Zellindex(q.y, g.y) - ps.Sichtweite.y / 2 + ps.Position.y};
  ZoomSetzen(programm, std::clamp(zoomstufe, 0, Zoomstufenanzahl - 1));
  const TPunkt n = Zellgroesse(programm, bbKarte);
  ps.Position = {zelle.x - Zellindex(q.x, n.x) + ps.Sichtweite.x / 2,
                 zelle.y - Zellindex(q.y, n.y) + ps.Sichtweite.y / 2};
  if (KarteUmbrechend(kv.Einstellungen)) {
    if (kv.Karte.Breite > 0) ps.Position.x = Wickeln(ps.Position.x, kv.Karte.Breite);
    if (kv.Karte.Hoehe > 0) ps.Position.y = Wickeln(ps.Position.y, kv.Karte.Hoehe);
  }
}

void Mausrad(TEditor& e, TPunkt p, int32_t rasten, uint8_t umschalt, bool waagerecht) {
  if (rasten == 0 || Bereichsuche(e.Programm, p) != bbKarte) return;
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  const TPunkt vorher = ps.Position;
  const int32_t stufe = ps.Zoomstufe;
  // Beyond any real wheel: the product below stays far from overflowing.
  rasten = std::clamp(rasten, -1000000, 1000000);
  if (waagerecht || (umschalt & ssShift) != 0) {
    UmZellenVerschieben(e, {-rasten * Radspalten, 0});
  } else {
    const TBildbereich& karte = Bildbereiche[bbKarte];
    ZoomAmPunkt(e.Programm, e.KV, {p.x - karte.x, p.y - karte.y}, stufe - rasten);
  }
  if (ps.Position == vorher && ps.Zoomstufe == stufe) return;
  UebersichtAktualisieren(e);
  BildAnfordern(e);
}

bool VerschiebenBeginnen(TEditor& e, TPunkt p, int32_t taste, uint8_t bereich) {
  TVerschiebung& v = e.Programm.Verschiebung;
  if (v.Taste >= 0) return true; // another button while panning does nothing
  const bool ziehen = taste == mtMitte || (taste == mtLinks && v.Leertaste);
  if (!ziehen || bereich != bbKarte) return false;
  v.Taste = taste;
  v.Letzter = p;
  return true;
}

bool VerschiebenBeenden(TEditor& e, int32_t taste) {
  TVerschiebung& v = e.Programm.Verschiebung;
  if (v.Taste < 0) return false;
  if (v.Taste == taste) v.Taste = -1;
  return true;
}

bool Verschieben(TEditor& e, TPunkt p) {
  TVerschiebung& v = e.Programm.Verschiebung;
  if (v.Taste < 0) return false;
  // The release went elsewhere (to a dialog that opened meanwhile): the pan is over.
  if (!TasteGehalten(e, v.Taste)) {
    v.Taste = -1;
    return false;
  }
  const TPunkt g = Zellgroesse(e.Programm, bbKarte);
  // The view moves against the pointer by the cell boundaries it crossed, so the cell grabbed
  // stays under it.
  const TPunkt d{Zellindex(v.Letzter.x, g.x) - Zellindex(p.x, g.x),
                 Zellindex(v.Letzter.y, g.y) - Zellindex(p.y, g.y)};
  v.Letzter = p;
  if (d.x == 0 && d.y == 0) return true;
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  const TPunkt vorher = ps.Position;
  UmZellenVerschieben(e, d);
  if (!(ps.Position == vorher)) {
    UebersichtAktualisieren(e);
    BildAnfordern(e);
  }
  return true;
}
