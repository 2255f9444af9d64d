#pragma once
// The editor window's size, place and maximised state, kept between runs in the section
// "Editorfenster" of Benutzer.ini, and the size it opens at the first time.
#include <cstdint>
#include <string>

struct TFensterlage {
  bool Gueltig = false; // false: nothing usable was kept
  int32_t x = 0;        // the client area, as the window system places it
  int32_t y = 0;
  int32_t Breite = 0;
  int32_t Hoehe = 0;
  bool Maximiert = false;
};

// The smallest client size kept or restored; anything smaller is taken as damaged.
constexpr int32_t FensterMindestbreite = 320;
constexpr int32_t FensterMindesthoehe = 240;

// Reads the keys "Links", "Oben", "Breite", "Hoehe" and "Maximiert". A missing file, a missing or
// damaged value, or a size below the smallest gives an invalid lage.
TFensterlage FensterlageLesen(const std::string& pfad);
// Writes the five keys, leaving every other line of the file alone. False when the file was not
// written (or could not be read first).
bool FensterlageSchreiben(const std::string& pfad, const TFensterlage& lage);

struct TFenstergroesse {
  int32_t Breite = 0;
  int32_t Hoehe = 0;
};
// The client size the window opens at the first time: the largest of the logical screen's 4:3
// shape whose window, with the frame of rahmenBreite x rahmenHoehe around it, fits into 90 % of
// the screen's free area (frei), and never below the smallest size.
TFenstergroesse Anfangsgroesse(TFenstergroesse frei, TFenstergroesse rahmen);
