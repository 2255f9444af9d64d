#include "scenario/komprimierung.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>
#include <zlib.h>

#include "base/dateien.h"

namespace {

constexpr std::size_t Lesepuffer = 1 << 18;
constexpr std::size_t Entpackstueck = 4096; // the decompressed data is taken in pieces of this size
constexpr std::size_t Zlibstueck = 1u << 30; // zlib counts its buffers in 32 bits
constexpr const char* Tempendung = ".teil";
// Room for ".", "." + pid + "-" + counter and the ending within a file name's 255 bytes.
constexpr std::size_t TempnameKern = 200;

struct TDateiSchliessen {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using TDatei = std::unique_ptr<std::FILE, TDateiSchliessen>;

void GrundSetzen(std::string* grund, const std::string& text) {
  if (grund) *grund = text;
}

// Writes everything or reports false (errno tells why).
bool AllesSchreiben(int fd, const uint8_t* daten, std::size_t laenge) {
  while (laenge > 0) {
    const ssize_t n = ::write(fd, daten, laenge);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    daten += n;
    laenge -= static_cast<std::size_t>(n);
  }
  return true;
}

// A deflate stream at level 1 into an open file.
struct TPacker {
  z_stream z{};
  int Fd = -1;
  bool Bereit = false;
  int Fehler = 0; // errno of a failed write, or 0
  std::vector<uint8_t> Aus;

  explicit TPacker(int fd) : Fd(fd), Aus(Lesepuffer) { Bereit = deflateInit(&z, 1) == Z_OK; }
  ~TPacker() {
    if (Bereit) deflateEnd(&z);
  }
  TPacker(const TPacker&) = delete;
  TPacker& operator=(const TPacker&) = delete;

  bool Geben(const uint8_t* daten, std::size_t laenge, int flush) {
    do {
      const std::size_t stueck = std::min(laenge, Zlibstueck);
      z.next_in = const_cast<uint8_t*>(daten);
      z.avail_in = static_cast<uInt>(stueck);
      daten += stueck;
      laenge -= stueck;
      const int f = laenge == 0 ? flush : Z_NO_FLUSH;
      int rc;
      do {
        z.next_out = Aus.data();
        z.avail_out = static_cast<uInt>(Aus.size());
        rc = deflate(&z, f);
        if (rc == Z_STREAM_ERROR) return false;
        if (!AllesSchreiben(Fd, Aus.data(), Aus.size() - z.avail_out)) {
          Fehler = errno;
          return false;
        }
      } while (z.avail_out == 0 || (f == Z_FINISH && rc != Z_STREAM_END));
    } while (laenge > 0);
    return true;
  }
};

// The temporary file a save writes into before it takes the target's place.
struct TTempdatei {
  int Fd = -1;
  bool Unbenannt = false; // O_TMPFILE: no name until it is complete
  std::string Name;       // the hidden name, once there is one
};

bool TempdateiOeffnen(const std::string& ziel, TTempdatei& t, std::string* grund) {
#ifdef O_TMPFILE
  // The unnamed file gets its name through /proc; without /proc it could never be linked.
  if (::access("/proc/self/fd", X_OK) == 0)
    t.Fd = ::open(OrdnerVon(ziel).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (t.Fd >= 0) {
    t.Unbenannt = true;
    return true;
  }
#endif
  // No unnamed files here (or an old kernel): a hidden name of our own from the start.
  for (int versuch = 0; versuch < 100; ++versuch) {
    t.Name = NachbarTempname(ziel);
    t.Fd = ::open(t.Name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (t.Fd >= 0) return true;
    if (errno != EEXIST) break;
  }
  GrundSetzen(grund, std::string("cannot be created: ") + std::strerror(errno));
  t.Name.clear();
  return false;
}

// Gives the complete unnamed file a hidden name beside the target.
bool TempdateiBenennen(const std::string& ziel, TTempdatei& t, std::string* grund) {
  const std::string fdPfad = "/proc/self/fd/" + std::to_string(t.Fd);
  for (int versuch = 0; versuch < 100; ++versuch) {
    const std::string name = NachbarTempname(ziel);
    if (::linkat(AT_FDCWD, fdPfad.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      t.Name = name;
      return true;
    }
    if (errno != EEXIST) break;
  }
  GrundSetzen(grund, std::string("cannot be written: ") + std::strerror(errno));
  return false;
}

void OrdnerSyncen(const std::string& ordner) {
  const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd); // the rename is on disk too; a failure here loses no data already written
  ::close(fd);
}

// "<anything>.<pid>-<counter>.teil" with a leading dot: the pid, or 0 when the name is not ours.
pid_t EigeneTempdatei(const std::string& name) {
  const std::size_t endung = std::strlen(Tempendung);
  if (name.size() <= endung + 1 || name[0] != '.' ||
      name.compare(name.size() - endung, endung, Tempendung) != 0)
    return 0;
  const std::string kern = name.substr(0, name.size() - endung);
  const std::size_t punkt = kern.find_last_of('.');
  if (punkt == 0 || punkt == std::string::npos) return 0;
  const std::string nummern = kern.substr(punkt + 1);
  const std::size_t strich = nummern.find('-');
  if (strich == 0 || strich == std::string::npos || strich + 1 == nummern.size()) return 0;
  if (nummern.find_first_not_of("0123456789-") != std::string::npos ||
      nummern.find('-', strich + 1) != std::string::npos || strich > 9)
    return 0;
  return static_cast<pid_t>(std::stol(nummern.substr(0, strich)));
}

} // namespace

std::string OrdnerVon(const std::string& pfad) {
  const std::size_t schnitt = pfad.find_last_of('/');
  if (schnitt == std::string::npos) return ".";
  return schnitt == 0 ? "/" : pfad.substr(0, schnitt);
}

std::string NachbarTempname(const std::string& pfad) {
  static std::atomic<unsigned> zaehler{0};
  const std::size_t schnitt = pfad.find_last_of('/');
  const std::string ordner = schnitt == std::string::npos ? "" : pfad.substr(0, schnitt + 1);
  std::string name = schnitt == std::string::npos ? pfad : pfad.substr(schnitt + 1);
  // Without its extension, so that the half-written file never looks like a scenario file.
  const std::size_t punkt = name.find_last_of('.');
  if (punkt != std::string::npos && punkt > 0) name.resize(punkt);
  // A long target name must not make the temporary name too long for the file system.
  if (name.size() > TempnameKern) name.resize(TempnameKern);
  for (;;) {
    const std::string kandidat = ordner + "." + name + "." + std::to_string(::getpid()) + "-" +
                                 std::to_string(++zaehler) + Tempendung;
    if (!DateiVorhanden(kandidat)) return kandidat;
  }
}

void VerwaisteTempdateienEntfernen(const std::string& ordner) {
  std::unique_ptr<DIR, int (*)(DIR*)> verzeichnis(::opendir(ordner.c_str()), ::closedir);
  if (!verzeichnis) return;
  std::vector<std::string> weg;
  while (const dirent* e = ::readdir(verzeichnis.get())) {
    const pid_t pid = EigeneTempdatei(e->d_name);
    // Only when its writer is gone for certain; a live (or foreign-owned) process keeps it.
    if (pid > 0 && ::kill(pid, 0) == -1 && errno == ESRCH) weg.push_back(e->d_name);
  }
  for (const std::string& name : weg)
    ::unlink((ordner + "/" + name).c_str());
}

bool GepacktSchreiben(const std::string& ziel, const std::function<bool(const TSchreiber&)>& inhalt,
                      std::string* grund) {
  if (ziel.empty() || ziel.back() == '/') {
    GrundSetzen(grund, "the file name is empty");
    return false;
  }
  VerwaisteTempdateienEntfernen(OrdnerVon(ziel));
  TTempdatei t;
  if (!TempdateiOeffnen(ziel, t, grund)) return false;

  bool gut;
  {
    TPacker packer(t.Fd);
    if (!packer.Bereit) {
      GrundSetzen(grund, "not enough memory");
      gut = false;
    } else {
      gut = inhalt([&](const uint8_t* daten, std::size_t laenge) {
        return packer.Geben(daten, laenge, Z_NO_FLUSH);
      });
      if (gut) gut = packer.Geben(nullptr, 0, Z_FINISH);
      if (!gut)
        GrundSetzen(grund, packer.Fehler
                               ? std::string("cannot be written: ") + std::strerror(packer.Fehler)
                               : std::string("cannot be written"));
    }
  }
  if (gut && ::fsync(t.Fd) != 0) {
    GrundSetzen(grund, std::string("cannot be written: ") + std::strerror(errno));
    gut = false;
  }
  if (gut && t.Unbenannt) gut = TempdateiBenennen(ziel, t, grund);
  if (gut && std::rename(t.Name.c_str(), ziel.c_str()) != 0) {
    GrundSetzen(grund, std::string("cannot be written: ") + std::strerror(errno));
    gut = false;
  }
  if (::close(t.Fd) != 0 && gut) {
    GrundSetzen(grund, std::string("cannot be written: ") + std::strerror(errno));
    gut = false; // cannot happen after a successful fsync on Linux, but never claim success
  }
  if (!gut && !t.Name.empty()) ::unlink(t.Name.c_str());
  if (gut) OrdnerSyncen(OrdnerVon(ziel));
  return gut;
}

bool DateiKomprimieren(const std::string& quelle, const std::string& ziel) {
  TDatei ein(std::fopen(quelle.c_str(), "rb"));
  if (!ein) return false;
  return GepacktSchreiben(ziel, [&](const TSchreiber& schreiben) {
    std::vector<uint8_t> puffer(Lesepuffer);
    for (;;) {
      const std::size_t n = std::fread(puffer.data(), 1, puffer.size(), ein.get());
      if (std::ferror(ein.get())) return false;
      if (n == 0) return true;
      if (!schreiben(puffer.data(), n)) return false;
    }
  });
}
TEntpackstrom::TEntpackstrom() {
  Bereit = inflateInit(&z) == Z_OK;
}

TEntpackstrom::~TEntpackstrom() {
  if (Bereit) inflateEnd(&z);
}

bool TEntpackstrom::Nachfuellen() {
  if (Fd >= 0) {
    if (Puffer.empty()) Puffer.resize(Lesepuffer);
    ssize_t n;
    do
      n = ::read(Fd, Puffer.data(), Puffer.size());
    while (n < 0 && errno == EINTR);
    if (n < 0) Lesefehler = errno;
    if (n <= 0) return false;
    z.next_in = Puffer.data();
    z.avail_in = static_cast<uInt>(n);
    return true;
  }
  if (RestLaenge == 0) return false;
  const std::size_t stueck = std::min(RestLaenge, Zlibstueck);
  z.next_in = const_cast<uint8_t*>(Rest);
  z.avail_in = static_cast<uInt>(stueck);
  Rest += stueck;
  RestLaenge -= stueck;
  return true;
}

std::size_t TEntpackstrom::Lesen(uint8_t* ziel, std::size_t laenge) {
  std::size_t gelesen = 0;
  while (Bereit && gelesen < laenge && !Ende && !Kaputt) {
    if (z.avail_in == 0 && !Nachfuellen()) {
      Kaputt = true; // the stream stops before its end
      break;
    }
    const std::size_t frei = std::min(laenge - gelesen, Zlibstueck);
    z.next_out = ziel + gelesen;
    z.avail_out = static_cast<uInt>(frei);
    const uInt eingabe = z.avail_in;
    const int rc = inflate(&z, Z_NO_FLUSH);
    const std::size_t neu = frei - z.avail_out;
    gelesen += neu;
    Gesamt += neu;
    if (rc == Z_STREAM_END) {
      Ende = true;
    } else if (rc == Z_BUF_ERROR) {
      if (neu == 0 && z.avail_in == eingabe && z.avail_in > 0) Kaputt = true; // no progress
    } else if (rc != Z_OK) {
      Kaputt = true;
    }
  }
  return gelesen;
}

void TEntpackstrom::Ausschoepfen(uint64_t grenze) {
  uint8_t stueck[Entpackstueck];
  while (!Ende && !Kaputt && Gesamt < grenze)
    Lesen(stueck, static_cast<std::size_t>(std::min<uint64_t>(sizeof stueck, grenze - Gesamt)));
}

bool DateiEntpacken(const std::string& quelle, const std::string& ziel, uint64_t hoechstens) {
  const int fd = ::open(quelle.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  TDatei aus(std::fopen(ziel.c_str(), "wb"));
  if (!aus) {
    ::close(fd);
    return false;
  }
  TEntpackstrom q;
  q.Fd = fd;
  uint8_t stueck[Entpackstueck];
  uint64_t geschrieben = 0;
  bool gut = q.Bereit;
  while (gut && !q.Ende && !q.Kaputt && geschrieben < hoechstens) {
    const std::size_t n = q.Lesen(stueck, static_cast<std::size_t>(std::min<uint64_t>(
                                              sizeof stueck, hoechstens - geschrieben)));
    if (n > 0 && std::fwrite(stueck, 1, n, aus.get()) != n) gut = false;
    geschrieben += n;
  }
  ::close(fd);
  if (q.Kaputt || q.Lesefehler != 0) gut = false;
  if (std::fclose(aus.release()) != 0) gut = false;
  if (!gut) std::remove(ziel.c_str());
  return gut;
}
