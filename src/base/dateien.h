#pragma once
// File search and free numbered file names. Paths, folders, names and extensions here are UTF-8
// (convert Latin-1 texts with Latin1NachUtf8 first) and use "/" as separator.
#include <cstdint>
#include <string>
#include <vector>

// True when an entry of that path exists (file, folder or anything else).
bool DateiVorhanden(const std::string& pfad);
// Number of entries of the folder whose name matches "*." + endung + "*" (the extension compared
// without regard to case; folders and hidden entries count). Without extension every entry
// counts. A missing or unreadable folder gives 0. An empty folder means the current one.
int32_t DateienZaehlen(const std::string& ordner, const std::string& endung, bool mitEndung);
// The names of the same entries, sorted by name, written into namen from index 0 (namen gets
// exactly that many elements); with mitOrdner each is prefixed with the folder and "/". When
// nothing matches, namen is left as it was. Returns the number of entries.
int32_t DateienSuchen(const std::string& ordner, const std::string& endung, bool mitOrdner,
                      bool mitEndung, std::vector<std::string>& namen);
// The first path ordner/basis<i>.endung (i = erste ... letzte, i padded to breite digits) under
// which no entry exists; only basis<i> (without the extension) when nurName. "notfound" when every
// number is taken or letzte < erste. The bare base name is never tried.
std::string FreierDateiname(const std::string& basis, const std::string& endung,
                            const std::string& ordner, int32_t erste, int32_t letzte,
                            uint8_t breite, bool nurName);
