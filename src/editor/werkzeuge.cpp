#include "editor/werkzeuge.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>
#include <optional>

#include "editor/aufbau.h"
#include "editor/maus.h"
#include "editor/meldung.h"
#include "editor/sicht.h"
#include "editor/symmetrie.h"
#include "editor/verlauf.h"
#include "model/tabellen.h"
#include "model/zustaende.h"
#include "scenario/geometrie.h"
#include "scenario/zielflaeche.h"

const char* const Werkzeugnamen[7][2] = {
    {"Quadrat", "Square"},
    {"Kreis", "Circle"},
    {"Dreieck", "Triangle"},
    {"Waagerecht", "Horizontal"},
    {"Senkrecht", "Vertical"},
    {"Ausf\xFCllen", "Flood fill"},
    {"Im Kreis ausf\xFCllen", "Fill in circle"},
};

const char* const Modusnamen[3][2] = {
    {"Gel\xE4nde", "Terrain"},
    {"Startpositionen", "Players"},
    {"Spiegelung", "Mirror"},
};

namespace {

// Sets the terrain of a cell already known to lie on the map.
void Setzen(TKV& kv, TPunkt p, uint8_t gelaende) {
  if (Gelaende(kv.Karte, p.x, p.y) != gelaende) GelaendeSetzen(kv.Karte, p.x, p.y, gelaende);
}

// Sets the terrain of p when p lies on the map (wrapping it on a map whose edges join). An
// unchanged cell is not written, so its block stays shared with the snapshots.
void Malen(TKV& kv, TPunkt p, uint8_t gelaende) {
  if (!AufKarte(kv, p)) return;
  Setzen(kv, p, gelaende);
}

// Plain Euclidean distance, always formed the same way so that equal distances compare equal.
double Ebenenabstand(TPunkt a, TPunkt b) {
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

void Dreieck(TKV& kv, TPunkt c, int32_t s, uint8_t gelaende) {
  const TPunkt a{c.x - s, c.y + s}, b{c.x + s, c.y + s}, spitze{c.x, c.y - s};
  const double d =
      std::max({Ebenenabstand(a, b), Ebenenabstand(b, spitze), Ebenenabstand(spitze, a)});
  for (int32_t dx = -s; dx <= s; ++dx)
    for (int32_t dy = -s; dy <= s; ++dy) {
      TPunkt p{c.x + dx, c.y + dy};
      if (!AufKarte(kv, p)) continue;
      if (p.y > c.y) continue;
      if (Ebenenabstand(p, a) <= d && Ebenenabstand(p, b) <= d && Ebenenabstand(p, spitze) <= d)
        Setzen(kv, p, gelaende);
    }
}

void Ausfuellen(TKV& kv, TPunkt c, int32_t s, uint8_t gelaende) {
  // The clicked cell's terrain is read, so it must be a cell of the map.
  if (!AufKarte(kv, c)) return;
  TZielbereich bereich;
  ZielbereichLeeren(bereich);
  bereich.Art = zbZusammenhaengend;
  bereich.Reichweite = static_cast<int32_t>(
      std::min<int64_t>((int64_t{kv.Karte.Breite} + kv.Karte.Hoehe) * 100, INT32_MAX));
  bereich.Schritt = Fuellschritte[s];
  const uint8_t alt = Gelaende(kv.Karte, c.x, c.y);
  // Every cell of the area has the clicked cell's terrain: painting that changes nothing.
  if (alt == gelaende) return;
  bereich.Gelaendemenge.set(alt);
  try {
    ZielflaecheFuellen(kv, bereich, Rechteck(c, c), gelaende);
  } catch (const std::bad_alloc&) {
    // The bit per cell is taken before any cell is painted, so the map is then untouched; only
    // a frontier that cannot grow later stops the fill part way (the history holds the map as
    // it was).
  }
}

void KreisAusfuellen(TKV& kv, TPunkt c, int32_t s, uint8_t gelaende) {
  if (!AufKarte(kv, c)) return;
  const uint8_t alt = Gelaende(kv.Karte, c.x, c.y);
  if (alt == gelaende) return;
  for (int32_t dx = -s; dx <= s; ++dx)
    for (int32_t dy = -s; dy <= s; ++dy) {
      TPunkt p{c.x + dx, c.y + dy};
      if (AufKarte(kv, p) && InReichweite(kv, c, p, Kreisradien[s]) &&
          Gelaende(kv.Karte, p.x, p.y) == alt)
        GelaendeSetzen(kv.Karte, p.x, p.y, gelaende);
    }
}

const char* Name(const char* const namen[2], uint8_t sprache) {
  return sprache < 2 ? namen[sprache] : "";
}

} // namespace

void WerkzeugAnwenden(TEditor& e, TPunkt c) {
  const TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  TKV& kv = e.KV;
  const int32_t s = std::clamp(ps.Groesse, 0, Groessenanzahl - 1);
  const uint8_t t = ps.Gelaende;
  switch (ps.Werkzeug) {
  case wzQuadrat:
    for (int32_t dx = -s; dx <= s; ++dx)
      for (int32_t dy = -s; dy <= s; ++dy)
        Malen(kv, {c.x + dx, c.y + dy}, t);
    break;
  case wzKreis:
    for (int32_t dx = -s; dx <= s; ++dx)
      for (int32_t dy = -s; dy <= s; ++dy) {
        TPunkt p{c.x + dx, c.y + dy};
        if (AufKarte(kv, p) && InReichweite(kv, c, p, Kreisradien[s])) Malen(kv, p, t);
      }
    break;
  case wzDreieck:
    Dreieck(kv, c, s, t);
    break;
  case wzWaagerecht:
    for (int32_t dx = -s; dx <= s; ++dx)
      Malen(kv, {c.x + dx, c.y}, t);
    break;
  case wzSenkrecht:
    for (int32_t dy = -s; dy <= s; ++dy)
      Malen(kv, {c.x, c.y + dy}, t);
    break;
  case wzAusfuellen:
    Ausfuellen(kv, c, s, t);
    break;
  case wzKreisAusfuellen:
    KreisAusfuellen(kv, c, s, t);
    break;
  default:
    break;
  }
}

void SymmetrischAnwenden(TEditor& e, TPunkt c) {
  const TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  TPunkt zellen[4];
  const int32_t n = Symmetriebilder(e.KV, ps.Symmetrie, ps.Spiegelart, c, zellen);
  for (int32_t i = 0; i < n; ++i)
    WerkzeugAnwenden(e, zellen[i]);
}

void StartpositionSetzen(TEditor& e, TPunkt c) {
  TKarte& karte = e.KV.Karte;
  const int32_t spieler = e.Programm.ProgrammSpiel.SpielerNummer;
  // A player has at most one start position: the earlier ones go.
  for (const TStartposition& s : e.Programm.ProgrammSpiel.Speicher.Startpositionen)
    if (s.Spieler == spieler) ZustandDeaktivieren(karte, s.Ort, zaStartpunkt);
  const int32_t i = ZustandIndex(karte, c, zaStartpunkt);
  if (i < 0) return;
  TFeldZustand& z = FeldZustaendeAendern(karte, c.x, c.y)[i];
  z.Status = zsAktiv;
  z.Wert = spieler;
}

void StartpositionEntfernen(TEditor& e, TPunkt c) {
  ZustandDeaktivieren(e.KV.Karte, c, zaStartpunkt);
}

void KartenKlick(TEditor& e, TPunkt q, int32_t taste) {
  const TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  TPunkt c = Sichtzelle(e.Programm, q);
  if (taste == mtLinks) {
    // A fill may cover the whole map; its area is known only once it is painted.
    std::optional<TLangeArbeit> lang;
    if (ps.Modus == moGelaende && ps.Werkzeug == wzAusfuellen && GanzeKarteLang(e)) lang.emplace(e);
    // The action stays open while the button is held: a drag stroke is one step. It closes
    // on the release (or the next press, key or tick without the button).
    if (ps.Modus == moGelaende) {
      const bool fuellen = ps.Werkzeug == wzAusfuellen || ps.Werkzeug == wzKreisAusfuellen;
      AktionBeginnen(e, fuellen ? saFuellen : saPinsel);
      // With a symmetry on, the images are painted in the same press (one step for all).
      SymmetrischAnwenden(e, c);
      KarteNeuAufbauen(e);
    } else if (ps.Modus == moStartpositionen && AufKarte(e.KV, c)) {
      AktionBeginnen(e, saStartposition);
      StartpositionSetzen(e, c);
      KarteNeuAufbauen(e);
    }
    BildAnfordern(e);
  } else if (taste == mtRechts) {
    if (ps.Modus == moStartpositionen && AufKarte(e.KV, c)) {
      AktionBeginnen(e, saStartposition);
      StartpositionEntfernen(e, c);
      KarteNeuAufbauen(e);
      AktionBeenden(e);
    }
    BildAnfordern(e);
  }
}

bool GelaendeFeld(TEditor& e, TPunkt q) {
  const int32_t i = Feldindex(50, 4, 0, q);
  if (i < 0 || i >= Gelaendeanzahl) return false;
  e.Programm.ProgrammSpiel.Gelaende = static_cast<uint8_t>(i);
  MeldungSetzen(e, Name(Gelaendetabelle[i].Name, e.Programm.Sprache));
  return true;
}

bool GroessenFeld(TEditor& e, TPunkt q) {
  const int32_t i = Feldindex(50, 4, 5, q);
  if (i < 0 || i >= Groessenanzahl) return false;
  e.Programm.ProgrammSpiel.Groesse = i;
  TextMelden(e, 17, i);
  return true;
}

bool WerkzeugFeld(TEditor& e, TPunkt q) {
  const int32_t i = Feldindex(50, 4, 5, q);
  if (i < 0 || i >= Werkzeuganzahl) return false;
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  ps.Werkzeug = static_cast<uint8_t>(i);
  if (i == wzAusfuellen) ps.Groesse = 0;
  MeldungSetzen(e, Name(Werkzeugnamen[i], e.Programm.Sprache));
  return true;
}

bool ModusFeld(TEditor& e, TPunkt q) {
  const int32_t i = Feldindex(50, 4, 5, q);
  if (i < 0 || i >= Modusanzahl) return false;
  e.Programm.ProgrammSpiel.Modus = static_cast<uint8_t>(i);
  MeldungSetzen(e, Name(Modusnamen[i], e.Programm.Sprache));
  return true;
}

bool SpielerFeld(TEditor& e, int32_t bereich) {
  TProgrammSpiel& ps = e.Programm.ProgrammSpiel;
  switch (bereich) {
  case 11:
    if (ps.SpielerNummer > 0) --ps.SpielerNummer;
    return true;
  case 12:
    if (ps.SpielerNummer < INT32_MAX) ++ps.SpielerNummer;
    return true;
  case 13: {
    bool gefunden = false;
    for (const TStartposition& s : ps.Speicher.Startpositionen)
      if (s.Spieler == ps.SpielerNummer) {
        ps.Position = s.Ort;
        UebersichtAktualisieren(e);
        gefunden = true;
      }
    return gefunden;
  }
  default:
    return false;
  }
}
