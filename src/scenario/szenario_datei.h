#pragma once
// Scenario files: a zlib stream of a fixed image (texts, map values, cells column by column,
// start positions by player), written and read through a temporary file.
#include <cstdint>
#include <string>
#include <vector>

#include "model/spiel.h"
#include "model/szenario.h"

constexpr int32_t SzenarioKopfGroesse = 1861;  // texts, reserve, map values, status byte
constexpr int32_t SzenarioHoechstseite = 9999; // larger maps are refused when loading
constexpr int32_t SzenarioHoechstStartpunkte = 1000000;

// The whole image of s as it goes into the file (before compression).
std::vector<uint8_t> SzenarioBild(const TSzenario& s);
// Reads an image into s (after SzenarioLeeren). Missing bytes at the end leave the rest as
// emptied. Refuses (false, Geladen clear) sizes above the limits before allocating anything.
bool SzenarioAusBild(TSzenario& s, const uint8_t* daten, std::size_t laenge);

// The temporary file: programmordner + "Benutzer/temp", with nummer appended when above 0.
std::string TempDateiname(const std::string& programmordner, int32_t nummer);

// Writes s as a scenario file to pfad through the temporary file tempPfad. True only when the
// whole file was written and closed; an older file at pfad is replaced in one step, never left
// half-written.
bool SzenarioSpeichern(TSzenario s, const std::string& pfad, const std::string& tempPfad);
// Resets kv (its map becomes empty), empties s and reads the file at pfad into s through the
// temporary file tempPfad. Sets bit 0 of Geladen and returns true on success; a missing,
// damaged or oversized file clears it and returns false.
bool SzenarioLaden(TKV& kv, TSzenario& s, const std::string& pfad, const std::string& tempPfad);
