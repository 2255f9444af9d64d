#pragma once
// Opening a file the user names for reading. Whatever the name stands for, opening it never
// waits (a FIFO without a writer, a terminal, a device), and only a plain file is read.
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// What kind of entry a file mode stands for, for messages: "a folder", "a FIFO", "a device",
// "a socket"; empty for a plain file.
std::string Dateiart(mode_t modus);

// Opens pfad for reading and returns the descriptor (the caller closes it), or -1 with the
// reason in grund: the system's text ("No such file or directory"), or for an entry that is no
// plain file "is a folder, not " + was (likewise "is a FIFO, ...", "is a device, ...").
int EingabeOeffnen(const std::string& pfad, std::string* grund = nullptr,
                   const char* was = "a plain file");

// The whole content of the plain file at pfad. A file larger than hoechstens is refused before
// anything is read ("is larger than N bytes"); the other reasons are those of EingabeOeffnen
// and "cannot be read: " + the system's text.
bool EingabeLesen(const std::string& pfad, std::vector<uint8_t>& daten, uint64_t hoechstens,
                  std::string* grund = nullptr, const char* was = "a plain file");

// Reads up to laenge bytes into ziel, fewer only at the end of the file; -1 on a read error
// (errno tells why).
int64_t AllesLesen(int fd, uint8_t* ziel, std::size_t laenge);
