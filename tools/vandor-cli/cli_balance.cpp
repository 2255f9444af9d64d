// vandor-cli balance: how fair the start positions are. For each active start position, the
// cells of each terrain and the deposits' amounts within a radius, and the distance to the
// nearest other start; then each column's smallest and largest value over the starts.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include "base/text.h"
#include "cli_common.h"
#include "model/einstellungen.h"
#include "model/tabellen.h"
#include "scenario/geometrie.h"
#include "scenario/szenario_umwandlung.h"

int BefehlBalance(const TArgumente& argumente);

namespace {

struct TStart {
  TPunkt Ort;
  int32_t Spieler = 0;
};

struct TVorkommen {
  TPunkt Ort;
  int32_t Menge = 0;
};

// One start's row: cells per terrain, amount per resource, the nearest other start.
struct TZeile {
  int64_t Zellen[Gelaendeanzahl] = {};
  int64_t Vorkommen = 0; // the deposits' total amount
  double Naechster = std::numeric_limits<double>::infinity();
};

// The distance along one axis the short way round (on a wrapping map across the joined edges).
int64_t Achsabstand(int32_t a, int32_t b, int32_t seite, bool umbrechend) {
  int64_t d = std::llabs(int64_t{a} - b);
  if (umbrechend && seite > 0) {
    d %= seite;
    d = std::min<int64_t>(d, seite - d);
  }
  return d;
}

// Counts the terrain of the cells within distance r of c: per column the rows that are in
// reach, each cell once also when the circle is wider than a wrapping map.
void ZellenZaehlen(const TKV& kv, TPunkt c, int32_t r, bool umbrechend, TZeile& zeile) {
  const TKarte& karte = kv.Karte;
  const int32_t w = karte.Breite, h = karte.Hoehe;
  int64_t von = int64_t{c.x} - r, bis = int64_t{c.x} + r;
  if (umbrechend) {
    bis = std::min<int64_t>(bis, von + w - 1);
  } else {
    von = std::max<int64_t>(von, 0);
    bis = std::min<int64_t>(bis, w - 1);
  }
  const int64_t r2 = int64_t{r} * r;
  for (int64_t x = von; x <= bis; ++x) {
    const int32_t sx = static_cast<int32_t>(((x % w) + w) % w);
    const int64_t dx = Achsabstand(sx, c.x, w, umbrechend);
    if (dx * dx > r2) continue;
    // The rows in reach: the largest rand with dx^2 + rand^2 <= r^2, the root made exact.
    int64_t rand = static_cast<int64_t>(std::sqrt(static_cast<double>(r2 - dx * dx)));
    while (rand > 0 && dx * dx + rand * rand > r2)
      --rand;
    while (dx * dx + (rand + 1) * (rand + 1) <= r2)
      ++rand;
    int64_t oben = int64_t{c.y} - rand, unten = int64_t{c.y} + rand;
    if (umbrechend) {
      unten = std::min<int64_t>(unten, oben + h - 1);
    } else {
      oben = std::max<int64_t>(oben, 0);
      unten = std::min<int64_t>(unten, h - 1);
    }
    for (int64_t y = oben; y <= unten; ++y)
      ++zeile.Zellen[Gelaende(karte, sx, static_cast<int32_t>(((y % h) + h) % h)) & 15];
  }
}

// A column of the table: its heading and each start's value.
struct TSpalte {
  TText Kopf;
  std::vector<double> Zahlen;
  bool Komma = false; // shown with two decimals (a distance)
};

TText Name(const char* const namen[2], int sprache) {
  // Rows without an English name show their German one rather than an empty heading.
  const char* name = namen[sprache];
  return name[0] != 0 ? name : namen[0];
}

TText Zahltext(double wert, bool mitKomma) {
  if (std::isinf(wert)) return "-";
  char puffer[32];
  if (mitKomma)
    std::snprintf(puffer, sizeof puffer, "%.2f", wert);
  else
    std::snprintf(puffer, sizeof puffer, "%.0f", wert);
  return puffer;
}

// Prints rows of cells in columns as wide as their widest cell (Latin-1 counts one byte a
// character), the first column left-aligned, the others right-aligned.
void Tabelle(const std::vector<std::vector<TText>>& zeilen) {
  std::vector<std::size_t> breiten;
  for (const auto& zeile : zeilen)
    for (std::size_t i = 0; i < zeile.size(); ++i) {
      if (breiten.size() <= i) breiten.push_back(0);
      breiten[i] = std::max(breiten[i], zeile[i].size());
    }
  for (const auto& zeile : zeilen) {
    TText text;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
      const TText rand(breiten[i] - zeile[i].size(), ' ');
      if (i > 0) text += "  ";
      text += i == 0 ? zeile[i] + (i + 1 < zeile.size() ? rand : TText()) : rand + zeile[i];
    }
    std::cout << FuerTerminal(text) << '\n';
  }
}

} // namespace

int BefehlBalance(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente, {"--radius"}, {"--wrap", "--english"}, 1);
  const int32_t r =
      a.Option("--radius") ? ZahlArgument(*a.Option("--radius"), 0, 99999, "--radius") : 10;
  const int sprache = a.Schalter("--english") ? 1 : 0;
  TKV kv;
  TSzenario s;
  SzenarioEinlesen(a.Positionen[0], kv, s);
  SpielZuruecksetzen(kv);
  if (!KarteAusSzenario(kv, s))
    throw TDateifehler(a.Positionen[0], "the map is too large for memory");
  s.Zellen = TSzenarioFelder();
  // Whether edges join is not stored in scenario files: it is told, as to replay.
  const bool umbrechend = a.Schalter("--wrap");
  if (umbrechend) KarteUmbrechendSetzen(kv.Einstellungen, true);
  const TKarte& karte = kv.Karte;

  std::vector<TStart> starts;
  std::vector<TVorkommen> vorkommen;
  ZustandsfelderDurchlaufen(karte, [&](int32_t x, int32_t y, std::span<const TFeldZustand> zs) {
    for (const TFeldZustand& z : zs) {
      if ((z.Status & zsAktiv) == 0) continue;
      if (z.Art == zaStartpunkt) starts.push_back({{x, y}, z.Wert});
      if (z.Art == zaRohstoff) vorkommen.push_back({{x, y}, z.Wert});
    }
  });
  if (starts.empty()) {
    std::cout << (sprache ? "No active start positions.\n" : "Keine aktiven Startpositionen.\n");
    std::cout.flush();
    return std::cout ? 0 : 1;
  }
  std::stable_sort(starts.begin(), starts.end(),
                   [](const TStart& l, const TStart& rr) { return l.Spieler < rr.Spieler; });

  std::vector<TZeile> zeilen(starts.size());
  const int64_t r2 = int64_t{r} * r;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const TPunkt c = starts[i].Ort;
    ZellenZaehlen(kv, c, r, umbrechend, zeilen[i]);
    for (const TVorkommen& v : vorkommen) {
      const int64_t dx = Achsabstand(v.Ort.x, c.x, karte.Breite, umbrechend);
      const int64_t dy = Achsabstand(v.Ort.y, c.y, karte.Hoehe, umbrechend);
      if (dx * dx + dy * dy <= r2) zeilen[i].Vorkommen += v.Menge;
    }
    for (std::size_t j = 0; j < starts.size(); ++j)
      if (j != i)
        zeilen[i].Naechster = std::min(zeilen[i].Naechster, Entfernung(kv, c, starts[j].Ort));
  }

  // Terrain columns that are 0 for every start tell nothing and are left out.
  std::vector<TSpalte> spalten;
  for (int t = 0; t < Gelaendeanzahl; ++t) {
    TSpalte sp{Name(Gelaendetabelle[t].Name, sprache), {}, false};
    for (const TZeile& z : zeilen)
      sp.Zahlen.push_back(double(z.Zellen[t]));
    if (*std::max_element(sp.Zahlen.begin(), sp.Zahlen.end()) > 0) spalten.push_back(sp);
  }
  TSpalte vorkommenSpalte{sprache ? "Deposits" : "Vorkommen", {}, false};
  TSpalte naechsterSpalte{sprache ? "Nearest start"
                                  : "N\xE4"
                                    "chster Start",
                          {},
                          true};
  for (const TZeile& z : zeilen) {
    vorkommenSpalte.Zahlen.push_back(double(z.Vorkommen));
    naechsterSpalte.Zahlen.push_back(z.Naechster);
  }
  spalten.push_back(vorkommenSpalte);
  spalten.push_back(naechsterSpalte);

  std::vector<std::vector<TText>> tabelle(1);
  tabelle[0] = {sprache ? "Player" : "Spieler", sprache ? "Cell" : "Feld"};
  for (const TSpalte& sp : spalten)
    tabelle[0].push_back(sp.Kopf);
  for (std::size_t i = 0; i < starts.size(); ++i) {
    std::vector<TText> zeile = {std::to_string(starts[i].Spieler),
                                std::to_string(starts[i].Ort.x) + "," +
                                    std::to_string(starts[i].Ort.y)};
    for (const TSpalte& sp : spalten)
      zeile.push_back(Zahltext(sp.Zahlen[i], sp.Komma));
    tabelle.push_back(std::move(zeile));
  }
  std::cout << "Radius " << r << '\n';
  Tabelle(tabelle);

  std::cout << '\n';
  std::vector<std::vector<TText>> spanne = {{sprache ? "Column" : "Spalte",
                                             sprache ? "Smallest" : "Kleinster",
                                             sprache ? "Largest" : "Gr\xF6\xDFter"}};
  for (const TSpalte& sp : spalten) {
    const auto [klein, gross] = std::minmax_element(sp.Zahlen.begin(), sp.Zahlen.end());
    spanne.push_back({sp.Kopf, Zahltext(*klein, sp.Komma), Zahltext(*gross, sp.Komma)});
  }
  Tabelle(spanne);
  std::cout.flush();
  return std::cout ? 0 : 1;
}
