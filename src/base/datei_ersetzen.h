#pragma once
// Writing a file the user names by replacing it in one step: the new content goes into a
// temporary file beside the file it replaces and is renamed over it only when complete. Only a
// plain file the owner may write is replaced; a symbolic link is written through to the file it
// names, whose permissions and owner the new file keeps.
#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>

// The file a write to a path replaces.
struct TSchreibziel {
  std::string Pfad;       // the path with every symbolic link followed (its target)
  bool Vorhanden = false; // a plain file is there now
  mode_t Modus = 0;       // its permission bits
  uid_t Eigner = 0;
  gid_t Gruppe = 0;
};

// Follows pfad's symbolic links and checks what is there: nothing (a new file), or a plain file
// whose owner may write it. Otherwise false, with grund (when given) saying why as a clause:
// "it is a folder", "it is a FIFO, not a plain file" (a device, a socket), "it is read-only"
// (no write bit for its owner, which counts for root too), or the system's text.
bool SchreibzielPruefen(const std::string& pfad, TSchreibziel& ziel, std::string* grund = nullptr);

// Writes the content into the open temporary file fd; false with grund set on a failure.
using TDateiinhalt = std::function<bool(int fd, std::string& grund)>;

// Replaces the file at pfad (as SchreibzielPruefen finds it) by what inhalt writes: into an
// unnamed file in the target's folder (a hidden named one where the file system has none),
// given the old file's permission bits and, where the process may, its owner, synced, then
// renamed over the target. The target is always either the whole old or the whole new file.
// Stale temporary files of the folder are removed first. On failure grund (when given) says
// why, in English: "the file name is empty", "cannot be written, it is read-only",
// "cannot be created: ..." or "cannot be written: " + the system's text.
bool DateiErsetzen(const std::string& pfad, const TDateiinhalt& inhalt,
                   std::string* grund = nullptr);

// Writes everything or reports false (errno tells why).
bool AllesSchreiben(int fd, const uint8_t* daten, std::size_t laenge);

// A hidden file name beside pfad (same folder) that does not exist yet, for writing before a
// rename: "." + name without extension + "." + process id + "-" + counter + ".teil".
std::string NachbarTempname(const std::string& pfad);
// Removes the files of ordner named as NachbarTempname names them whose writing process is gone
// (a save killed midway); nothing else is touched.
void VerwaisteTempdateienEntfernen(const std::string& ordner);
// The folder part of a path ("." without one).
std::string OrdnerVon(const std::string& pfad);
