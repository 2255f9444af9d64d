#include "base/datei_ersetzen.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "base/datei_lesen.h"
#include "base/dateien.h"

namespace {

constexpr const char* Tempendung = ".teil";
// Room for ".", "." + pid + "-" + counter and the ending within a file name's 255 bytes.
constexpr std::size_t TempnameKern = 200;
// As the system itself follows links: more than this many in a row is a loop.
constexpr int HoechsteVerweise = 40;

void GrundSetzen(std::string* grund, const std::string& text) {
  if (grund) *grund = text;
}

// The temporary file a write goes into before it takes the target's place.
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

// The new file keeps the permission bits of the one it replaces, and its owner where the
// process may give it away (as root); where it may not, the file is the process's own, as any
// new file would be. Owner first: a change of owner clears the set-id bits.
bool RechteUebernehmen(int fd, const TSchreibziel& ziel, std::string& grund) {
  if (!ziel.Vorhanden) return true;
  if (ziel.Eigner != ::geteuid() || ziel.Gruppe != ::getegid()) {
    if (::fchown(fd, ziel.Eigner, ziel.Gruppe) != 0) {
      [[maybe_unused]] const int gruppe = ::fchown(fd, static_cast<uid_t>(-1), ziel.Gruppe);
    }
  }
  if (::fchmod(fd, ziel.Modus) != 0) {
    grund = std::string("cannot be written: ") + std::strerror(errno);
    return false;
  }
  return true;
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

bool SchreibzielPruefen(const std::string& pfad, TSchreibziel& ziel, std::string* grund) {
  ziel = TSchreibziel{};
  std::string p = pfad;
  for (int verweise = 0;; ++verweise) {
    struct stat info {};
    if (::lstat(p.c_str(), &info) != 0) {
      // Nothing there: a new file (a missing folder shows when the file is created).
      if (errno == ENOENT) {
        ziel.Pfad = p;
        return true;
      }
      GrundSetzen(grund, std::strerror(errno));
      return false;
    }
    if (S_ISLNK(info.st_mode)) {
      if (verweise >= HoechsteVerweise) {
        GrundSetzen(grund, std::strerror(ELOOP));
        return false;
      }
      std::vector<char> text(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
      const ssize_t n = ::readlink(p.c_str(), text.data(), text.size());
      if (n < 0 || static_cast<std::size_t>(n) >= text.size()) {
        GrundSetzen(grund, std::strerror(n < 0 ? errno : ENAMETOOLONG));
        return false;
      }
      const std::string verweis(text.data(), static_cast<std::size_t>(n));
      // A relative link is read from the link's own folder.
      p = verweis.front() == '/' ? verweis : OrdnerVon(p) + "/" + verweis;
      continue;
    }
    if (!S_ISREG(info.st_mode)) {
      const std::string art = Dateiart(info.st_mode);
      GrundSetzen(grund,
                  S_ISDIR(info.st_mode) ? "it is a folder" : "it is " + art + ", not a plain file");
      return false;
    }
    // Checked by the mode bits, not by access(): root may write anything, yet a file its owner
    // made read-only is meant to stay as it is.
    if (!(info.st_mode & S_IWUSR)) {
      GrundSetzen(grund, "it is read-only");
      return false;
    }
    ziel.Pfad = p;
    ziel.Vorhanden = true;
    ziel.Modus = info.st_mode & 07777;
    ziel.Eigner = info.st_uid;
    ziel.Gruppe = info.st_gid;
    return true;
  }
}

bool DateiErsetzen(const std::string& pfad, const TDateiinhalt& inhalt, std::string* grund) {
  if (pfad.empty() || pfad.back() == '/') {
    GrundSetzen(grund, "the file name is empty");
    return false;
  }
  TSchreibziel ziel;
  std::string warum;
  if (!SchreibzielPruefen(pfad, ziel, &warum)) {
    GrundSetzen(grund, "cannot be written, " + warum);
    return false;
  }
  VerwaisteTempdateienEntfernen(OrdnerVon(ziel.Pfad));
  TTempdatei t;
  if (!TempdateiOeffnen(ziel.Pfad, t, grund)) return false;

  bool gut = RechteUebernehmen(t.Fd, ziel, warum) && inhalt(t.Fd, warum);
  if (gut && ::fsync(t.Fd) != 0) {
    warum = std::string("cannot be written: ") + std::strerror(errno);
    gut = false;
  }
  if (gut && t.Unbenannt) gut = TempdateiBenennen(ziel.Pfad, t, &warum);
  // What was checked at the start is checked again right before the rename: a FIFO or a
  // read-only file put there meanwhile is not replaced either.
  if (gut) {
    TSchreibziel jetzt;
    std::string anders;
    if (!SchreibzielPruefen(pfad, jetzt, &anders)) {
      warum = "cannot be written, " + anders;
      gut = false;
    } else if (jetzt.Pfad != ziel.Pfad) {
      warum = "cannot be written, its link was changed while it was written";
      gut = false;
    }
  }
  if (gut && std::rename(t.Name.c_str(), ziel.Pfad.c_str()) != 0) {
    warum = std::string("cannot be written: ") + std::strerror(errno);
    gut = false;
  }
  if (::close(t.Fd) != 0 && gut) {
    warum = std::string("cannot be written: ") + std::strerror(errno);
    gut = false; // cannot happen after a successful fsync on Linux, but never claim success
  }
  if (!gut && !t.Name.empty()) ::unlink(t.Name.c_str());
  if (gut) OrdnerSyncen(OrdnerVon(ziel.Pfad));
  if (!gut) GrundSetzen(grund, warum.empty() ? std::string("cannot be written") : warum);
  return gut;
}

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
