#pragma once
// Scenario files: a zlib stream of a fixed image (texts, map values, cells column by column,
// start positions by player). Reading inflates straight into the record and writes nothing;
// saving deflates the image straight into an unnamed file that replaces the target in one step.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/spiel.h"
#include "model/szenario.h"

constexpr int32_t SzenarioKopfGroesse = 1861;  // texts, reserve, map values, status byte
constexpr int32_t SzenarioHoechstseite = 9999; // larger maps are refused when loading
constexpr int32_t SzenarioHoechstStartpunkte = 1000000;

// The whole image of s as it goes into the file (before compression).
std::vector<uint8_t> SzenarioBild(const TSzenario& s);
// Reads an image into s, which starts empty (map values zero too). Refuses (false, Geladen
// clear) an image that ends before the end of its cells, negative sizes and sizes above the
// limits, the latter before allocating anything. Missing start positions at the very end read
// as (0, 0).
bool SzenarioAusBild(TSzenario& s, const uint8_t* daten, std::size_t laenge);

// Reads the bytes of a scenario file (a zlib stream, nothing after it) into s as SzenarioAusBild
// reads an image; refuses sides above hoechstseite and more than hoechstStartpunkte start
// positions.
bool SzenarioEntpacken(TSzenario& s, const uint8_t* daten, std::size_t laenge,
                       int32_t hoechstseite = SzenarioHoechstseite,
                       int32_t hoechstStartpunkte = SzenarioHoechstStartpunkte);

// The temporary file: programmordner + "Benutzer/temp", with nummer appended when above 0.
std::string TempDateiname(const std::string& programmordner, int32_t nummer);

// Writes s as a scenario file to pfad. True only when the whole file was written and synced; an
// older file at pfad is replaced in one step, never left half-written, and keeps its permissions
// (a symbolic link is written through to its target). A target that is not a plain file, or one
// without write permission for its owner, is refused. Stale temporary files of this program in
// the target's folder (their writer is gone) are removed first. On failure grund (when given)
// says why, in English, as one clause to follow the file name: "cannot be written, it is
// read-only", "cannot be written: No space left on device".
bool SzenarioSpeichern(const TSzenario& s, const std::string& pfad, std::string* grund = nullptr);
// Resets kv (its map becomes empty), empties s and reads the file at pfad into s, streaming
// (nothing is written anywhere). Sets bit 0 of Geladen and returns true on success; a missing,
// unreadable, damaged, cut short, negative or oversized file clears it and returns false, and
// grund (when given) says why, in English. Anything but a plain file (a folder, a FIFO, a
// device) is refused without waiting for it.
bool SzenarioLaden(TKV& kv, TSzenario& s, const std::string& pfad, std::string* grund = nullptr);

// What SzenarioDurchlesen hands on while it inflates a file: the record with its texts and map
// values, sizes checked (cells and start positions left empty); then every column of cells, x
// from 0 up, Hoehe bytes each; then every start position in player order.
struct TSzenarioLeser {
  std::function<void(const TSzenario& kopf)> Kopf;
  std::function<void(int32_t x, const uint8_t* gelaende)> Spalte;
  std::function<void(int32_t spieler, const TPunkt& ort)> Startpunkt;
};
// Reads the file at pfad with the checks and reasons of SzenarioLaden, but keeps neither cells
// nor start positions: pictures of the largest maps need no copy of the map. True when the whole
// file was read and is sound; the reader may have been handed parts of a file found damaged later.
bool SzenarioDurchlesen(const std::string& pfad, const TSzenarioLeser& leser,
                        std::string* grund = nullptr);
