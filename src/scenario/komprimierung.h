#pragma once
// The compression layer of scenario files: a plain zlib stream (written at level 1) that
// replaces its file safely (base/datei_ersetzen.h).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <zlib.h>

#include "base/datei_ersetzen.h"

// Hands bytes to the compressor; false when they could not be written.
using TSchreiber = std::function<bool(const uint8_t* daten, std::size_t laenge)>;

// Writes the zlib stream (level 1) of everything inhalt hands to its writer as the file ziel,
// replacing it in one step as DateiErsetzen does (links written through, permissions kept,
// anything but a plain file the owner may write refused): ziel is always either the whole old
// or the whole new file. On failure grund (when given) says why, in English.
bool GepacktSchreiben(const std::string& ziel, const std::function<bool(const TSchreiber&)>& inhalt,
                      std::string* grund = nullptr);

// A zlib stream inflated piece by piece straight into the reader's buffers, from an open file
// (Fd, not closed here) or from memory (Rest, RestLaenge): the data is never held twice. The
// sizes inside the stream are not trusted: it is read until zlib reports its end.
struct TEntpackstrom {
  z_stream z{};
  bool Bereit = false;
  bool Ende = false;   // the stream ended, its check value matching
  bool Kaputt = false; // not zlib, damaged or cut short
  bool Anhang = false; // bytes follow the end of the stream (set by Ausschoepfen)
  int Lesefehler = 0;  // errno of a failed read of the file
  int Fd = -1;         // the file read from, or -1 for memory
  const uint8_t* Rest = nullptr;
  std::size_t RestLaenge = 0;
  uint64_t Gesamt = 0; // bytes inflated so far
  std::vector<uint8_t> Puffer;

  TEntpackstrom();
  ~TEntpackstrom();
  TEntpackstrom(const TEntpackstrom&) = delete;
  TEntpackstrom& operator=(const TEntpackstrom&) = delete;

  // Up to laenge inflated bytes into ziel; fewer at the stream's end or on a failure.
  std::size_t Lesen(uint8_t* ziel, std::size_t laenge);
  // Inflates what follows, to check the stream's end and check value, and whether anything
  // follows the stream (Anhang); a stream longer than grenze bytes in all is not read past that
  // (nobody looks at those bytes).
  void Ausschoepfen(uint64_t grenze);
  // Sets Anhang when the stream has ended and bytes follow it.
  void NachDemEnde();

private:
  bool Nachfuellen();
};

// Writes the zlib-compressed content of quelle to ziel, as GepacktSchreiben does.
bool DateiKomprimieren(const std::string& quelle, const std::string& ziel);
// Writes the decompressed content of quelle (a plain file) to ziel. Fails (false) on anything
// that is not one complete, valid zlib stream with nothing after it. Output beyond hoechstens
// bytes is not needed by any reader and is not written (the stream is not read further).
bool DateiEntpacken(const std::string& quelle, const std::string& ziel,
                    uint64_t hoechstens = UINT64_MAX);
