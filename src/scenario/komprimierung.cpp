#include "scenario/komprimierung.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>
#include <zlib.h>

#include "base/dateien.h"

namespace {

constexpr std::size_t Lesepuffer = 1 << 18;
constexpr std::size_t Entpackstueck = 4096; // the decompressed data is taken in pieces of this size

struct TDateiSchliessen {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using TDatei = std::unique_ptr<std::FILE, TDateiSchliessen>;

// Writes everything or reports false.
bool AllesSchreiben(int fd, const uint8_t* daten, std::size_t laenge) {
  while (laenge > 0) {
    const ssize_t n = ::write(fd, daten, laenge);
    if (n < 0) return false;
    daten += n;
    laenge -= static_cast<std::size_t>(n);
  }
  return true;
}

// Compresses quelle into the open file fd; false on any read, write or zlib error.
bool Komprimieren(std::FILE* quelle, int fd) {
  z_stream z{};
  if (deflateInit(&z, 1) != Z_OK) return false;
  std::vector<uint8_t> ein(Lesepuffer), aus(Lesepuffer);
  bool gut = true;
  int flush = Z_NO_FLUSH;
  do {
    const std::size_t n = std::fread(ein.data(), 1, ein.size(), quelle);
    if (std::ferror(quelle)) {
      gut = false;
      break;
    }
    flush = std::feof(quelle) ? Z_FINISH : Z_NO_FLUSH;
    z.next_in = ein.data();
    z.avail_in = static_cast<uInt>(n);
    do {
      z.next_out = aus.data();
      z.avail_out = static_cast<uInt>(aus.size());
      const int rc = deflate(&z, flush);
      if (rc == Z_STREAM_ERROR) gut = false;
      if (gut) gut = AllesSchreiben(fd, aus.data(), aus.size() - z.avail_out);
    } while (gut && z.avail_out == 0);
  } while (gut && flush != Z_FINISH);
  deflateEnd(&z);
  return gut;
}

} // namespace

std::string NachbarTempname(const std::string& pfad) {
  static std::atomic<unsigned> zaehler{0};
  const std::size_t schnitt = pfad.find_last_of('/');
  const std::string ordner = schnitt == std::string::npos ? "" : pfad.substr(0, schnitt + 1);
  std::string name = schnitt == std::string::npos ? pfad : pfad.substr(schnitt + 1);
  // Without its extension, so that the half-written file never looks like a scenario file.
  const std::size_t punkt = name.find_last_of('.');
  if (punkt != std::string::npos && punkt > 0) name.resize(punkt);
  for (;;) {
    const std::string kandidat = ordner + "." + name + "." + std::to_string(::getpid()) + "-" +
                                 std::to_string(++zaehler) + ".teil";
    if (!DateiVorhanden(kandidat)) return kandidat;
  }
}

bool DateiKomprimieren(const std::string& quelle, const std::string& ziel) {
  TDatei ein(std::fopen(quelle.c_str(), "rb"));
  if (!ein) return false;
  // Written beside the target and renamed over it at the end: an older target is replaced in
  // one step and never seen half-written.
  std::string temp;
  int fd = -1;
  for (int versuch = 0; versuch < 100 && fd < 0; ++versuch) {
    temp = NachbarTempname(ziel);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  }
  if (fd < 0) return false;
  bool gut = Komprimieren(ein.get(), fd);
  if (gut) gut = ::fsync(fd) == 0;
  if (::close(fd) != 0) gut = false;
  if (gut) gut = std::rename(temp.c_str(), ziel.c_str()) == 0;
  if (!gut) std::remove(temp.c_str());
  return gut;
}

bool DateiEntpacken(const std::string& quelle, const std::string& ziel, uint64_t hoechstens) {
  TDatei ein(std::fopen(quelle.c_str(), "rb"));
  if (!ein) return false;
  TDatei aus(std::fopen(ziel.c_str(), "wb"));
  if (!aus) return false;

  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  std::vector<uint8_t> eingabe(Lesepuffer);
  uint8_t stueck[Entpackstueck];
  uint64_t geschrieben = 0;
  bool gut = true, ende = false;
  // The sizes inside the stream are not trusted: it is read until zlib reports its end.
  while (gut && !ende && geschrieben < hoechstens) {
    if (z.avail_in == 0) {
      const std::size_t n = std::fread(eingabe.data(), 1, eingabe.size(), ein.get());
      if (std::ferror(ein.get()) || n == 0) {
        gut = false; // unreadable, or the stream ends early
        break;
      }
      z.next_in = eingabe.data();
      z.avail_in = static_cast<uInt>(n);
    }
    do {
      z.next_out = stueck;
      z.avail_out = sizeof stueck;
      const int rc = inflate(&z, Z_NO_FLUSH);
      if (rc == Z_STREAM_END) {
        ende = true;
      } else if (rc != Z_OK && rc != Z_BUF_ERROR) {
        gut = false;
        break;
      }
      const uint64_t n = std::min<uint64_t>(sizeof stueck - z.avail_out, hoechstens - geschrieben);
      if (n > 0 && std::fwrite(stueck, 1, n, aus.get()) != n) gut = false;
      geschrieben += n;
    } while (gut && !ende && z.avail_out == 0 && geschrieben < hoechstens);
  }
  inflateEnd(&z);
  if (std::fclose(aus.release()) != 0) gut = false;
  if (!gut) std::remove(ziel.c_str());
  return gut;
}
