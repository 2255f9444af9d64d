#pragma once
// The compression layer of scenario files: a plain zlib stream (written at level 1).
#include <cstdint>
#include <string>

// Writes the zlib-compressed content of quelle to ziel. The target is replaced in one step only
// when the whole stream was written and closed; on failure an older target stays as it was.
bool DateiKomprimieren(const std::string& quelle, const std::string& ziel);
// Writes the decompressed content of quelle to ziel. Fails (false) on anything that is not one
// complete, valid zlib stream. Output beyond hoechstens bytes is not needed by any reader and is
// not written (the stream is not read further).
bool DateiEntpacken(const std::string& quelle, const std::string& ziel,
                    uint64_t hoechstens = UINT64_MAX);

// A file name beside pfad (same folder) that does not exist yet, for writing before a rename.
std::string NachbarTempname(const std::string& pfad);
