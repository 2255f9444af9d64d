#pragma once
// The compression layer of scenario files: a plain zlib stream (written at level 1), and the
// safe replacement of a file by a complete new one.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <zlib.h>

// Hands bytes to the compressor; false when they could not be written.
using TSchreiber = std::function<bool(const uint8_t* daten, std::size_t laenge)>;

// Writes the zlib stream (level 1) of everything inhalt hands to its writer as the file ziel.
// The stream goes into an unnamed file in ziel's folder (a hidden named one where the file system
// has no unnamed files), is synced, gets a hidden name and is renamed over ziel: ziel is always
// either the whole old or the whole new file. Stale temporary files of the folder are removed
// first. On failure grund (when given) says why, in English.
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
  // Inflates what follows, to check the stream's end and check value; a stream longer than
  // grenze bytes in all is not read past that (nobody looks at those bytes).
  void Ausschoepfen(uint64_t grenze);

private:
  bool Nachfuellen();
};

// Writes the zlib-compressed content of quelle to ziel, as GepacktSchreiben does.
bool DateiKomprimieren(const std::string& quelle, const std::string& ziel);
// Writes the decompressed content of quelle to ziel. Fails (false) on anything that is not one
// complete, valid zlib stream. Output beyond hoechstens bytes is not needed by any reader and is
// not written (the stream is not read further).
bool DateiEntpacken(const std::string& quelle, const std::string& ziel,
                    uint64_t hoechstens = UINT64_MAX);

// A hidden file name beside pfad (same folder) that does not exist yet, for writing before a
// rename: "." + name without extension + "." + process id + "-" + counter + ".teil".
std::string NachbarTempname(const std::string& pfad);
// Removes the files of ordner named as NachbarTempname names them whose writing process is gone
// (a save killed midway); nothing else is touched.
void VerwaisteTempdateienEntfernen(const std::string& ordner);
// The folder part of a path ("." without one).
std::string OrdnerVon(const std::string& pfad);
