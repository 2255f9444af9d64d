#pragma once
// A headless editor for the tests: its own state, game record and window stand-in with a fake
// clock, a fake left button and counters for frames, saves and closes.
#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "editor/editor.h"
#include "model/einstellungen.h"
#include "model/karte.h"
#include "model/spiel.h"
#include "model/zustaende.h"
#include "scenario/karte_erzeugen.h"

struct TTestEditor {
  TProgramm Programm;
  TKV KV;
  TEditorUmgebung Umgebung;
  TEditor E{Programm, KV, Umgebung};
  uint32_t Uhr = 100000;
  bool Links = false;
  int Bilder = 0;
  int Speichern = 0;
  int Schliessen = 0;
  std::vector<TUebersichtAenderung> Uebersichten;
  std::filesystem::path Ordner;

  explicit TTestEditor(int32_t breite = 40, int32_t hoehe = 40, uint8_t gelaende = 0,
                       bool umbrechend = false) {
    static std::atomic<int> zaehler{0};
    Ordner = std::filesystem::temp_directory_path() /
             ("vandor_editor_test_" + std::to_string(::getpid()) + "_" + std::to_string(zaehler++));
    EditorStart(Programm, Ordner.string());
    Umgebung.BildZeichnen = [this] { ++Bilder; };
    Umgebung.UebersichtAktualisieren = [this](const TUebersichtAenderung& a) {
      Uebersichten.push_back(a);
    };
    Umgebung.SzenarioSpeichern = [this] { ++Speichern; };
    Umgebung.EditorSchliessen = [this] { ++Schliessen; };
    Umgebung.Tickzahl = [this] { return Uhr; };
    Umgebung.LinkeTasteGedrueckt = [this] { return Links; };
    NeueKarte(breite, hoehe, gelaende, umbrechend);
  }
  ~TTestEditor() {
    std::error_code f;
    std::filesystem::remove_all(Ordner, f);
  }

  // Builds a map in KV as the set-up dialog does and opens the editor on it.
  void NeueKarte(int32_t breite, int32_t hoehe, uint8_t gelaende = 0, bool umbrechend = false) {
    SpielZuruecksetzen(KV);
    TKartenParameter p;
    p.Breite = breite;
    p.Hoehe = hoehe;
    p.Gelaende = gelaende;
    p.Verfahren = kvFuellen;
    KarteErzeugen(KV, p);
    KarteUmbrechendSetzen(KV.Einstellungen, umbrechend);
    ProgrammVorbereiten(E);
  }

  // The logical point at the middle of map cell c in the current view.
  TPunkt Bildpunkt(TPunkt c) const {
    const TPunkt v = Sichtzelle(Programm, c, szRueckwaerts);
    const TPunkt g = Zellgroesse(Programm, bbKarte);
    return {v.x * g.x + g.x / 2, v.y * g.y + g.y / 2};
  }
  // Centres the view on cell c.
  void Zentrieren(TPunkt c) { Programm.ProgrammSpiel.Position = c; }

  void Druecken(TPunkt zelle, int32_t taste = mtLinks) {
    Mausklick(E, Bildpunkt(zelle), taste, true);
    Mausklick(E, Bildpunkt(zelle), taste, false);
  }
  // A release at q relative to screen region b (the panel fields act on releases).
  void Loslassen(int32_t b, TPunkt q, int32_t taste = mtLinks) {
    const TPunkt p{Bildbereiche[b].x + q.x, Bildbereiche[b].y + q.y};
    Mausklick(E, p, taste, true);
    Mausklick(E, p, taste, false);
  }
  void Taste(uint16_t code, uint8_t umschalt = 0) {
    Tastendruck(E, true, code, umschalt);
    Tastendruck(E, false, code, umschalt);
  }

  uint8_t G(int32_t x, int32_t y) const { return Gelaende(KV.Karte, x, y); }
  // Cells whose terrain is t.
  int Anzahl(uint8_t t) const {
    int n = 0;
    for (int32_t x = 0; x < KV.Karte.Breite; ++x)
      for (int32_t y = 0; y < KV.Karte.Hoehe; ++y)
        n += G(x, y) == t;
    return n;
  }
  // Paints every cell with terrain t without going through the editor.
  void Fuellen(uint8_t t) {
    for (int32_t x = 0; x < KV.Karte.Breite; ++x)
      for (int32_t y = 0; y < KV.Karte.Hoehe; ++y)
        GelaendeSetzen(KV.Karte, x, y, t);
    KarteNeuAufbauen(E);
  }
  const TText& Meldung() const { return Programm.ProgrammSpiel.Speicher.Meldung; }
};
