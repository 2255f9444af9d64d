#pragma once
// A shared context for the render tests: one EGL context without a window, a framebuffer of the
// logical screen's size, and a fresh editor state and map for every test.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "model/spiel.h"
#include "render/bild.h"
#include "render/grafik.h"
#include "render/offscreen.h"

using TRgb = std::array<int, 3>;

// An uncompressed 32-bit TGA file of 0xAARRGGBB pixels, first row at the top.
void TgaSchreiben(const std::string& datei, int32_t breite, int32_t hoehe,
                  const std::vector<uint32_t>& rgba);
// A fresh empty folder below the system's temporary folder, removed when the program ends.
std::string TestOrdner(const std::string& name);

class Zeichentest : public ::testing::Test {
protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // A map of breite x hoehe cells of one terrain, the editor prepared for it (zoom 2, all view
  // options, centre cell (7, 7)).
  void KarteAnlegen(int32_t breite, int32_t hoehe, uint8_t gelaende = 3);
  void Startposition(int32_t x, int32_t y, int32_t spieler);
  void Neuaufbau(); // KarteNeuAufbauen with the overview wired to the renderer
  // Draws a frame at the given client size and keeps its pixels.
  void Zeichnen(uint32_t jetzt = 0, int32_t breite = 1600, int32_t hoehe = 1200);
  TRgb Pixel(int32_t x, int32_t y) const; // of the last frame, top-left origin
  bool Weiss(int32_t x, int32_t y) const;
  bool Schwarz(int32_t x, int32_t y) const;
  // Number of pixels in [x0, x1) x [y0, y1) for which the test holds.
  template <class F> int Zaehlen(int32_t x0, int32_t y0, int32_t x1, int32_t y1, F f) const {
    int n = 0;
    for (int32_t y = y0; y < y1; ++y)
      for (int32_t x = x0; x < x1; ++x)
        if (f(Pixel(x, y))) ++n;
    return n;
  }
  // Writes the last frame as PNG when VANDOR_TESTBILDER names a folder (for looking at it).
  void Ablegen(const std::string& name) const;

  static TOffscreen* Kontext;
  static TGrafik* Grafik;
  static std::string Fehler;

  TProgramm P;
  TKV KV;
  TEditorUmgebung Umgebung;
  std::vector<uint8_t> Bild;
  int32_t BildBreite = 0, BildHoehe = 0;
};

bool Nahe(const TRgb& a, const TRgb& b, int toleranz = 3);
