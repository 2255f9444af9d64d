#include "base/datei_lesen.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Setzen(std::string* grund, const std::string& text) {
  if (grund) *grund = text;
}

} // namespace

std::string Dateiart(mode_t modus) {
  if (S_ISREG(modus)) return {};
  if (S_ISDIR(modus)) return "a folder";
  if (S_ISFIFO(modus)) return "a FIFO";
  if (S_ISCHR(modus) || S_ISBLK(modus)) return "a device";
  if (S_ISSOCK(modus)) return "a socket";
  return "not a plain file";
}

int EingabeOeffnen(const std::string& pfad, std::string* grund, const char* was) {
  if (pfad.empty()) {
    Setzen(grund, "the file name is empty");
    return -1;
  }
  const auto keineDatei = [&](mode_t modus) {
    const std::string art = Dateiart(modus);
    Setzen(grund, art.rfind("a ", 0) == 0 ? "is " + art + ", not " + was : "is " + art);
  };
  // A device is not even opened (opening some has effects of its own); the check after opening
  // covers an entry swapped in between.
  struct stat info {};
  if (::stat(pfad.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    keineDatei(info.st_mode);
    return -1;
  }
  const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    Setzen(grund, std::strerror(errno));
    return -1;
  }
  if (::fstat(fd, &info) != 0) {
    Setzen(grund, std::string("cannot be read: ") + std::strerror(errno));
    ::close(fd);
    return -1;
  }
  if (!S_ISREG(info.st_mode)) {
    keineDatei(info.st_mode);
    ::close(fd);
    return -1;
  }
  // A plain file never blocks anyway; reads go on as usual.
  const int art = ::fcntl(fd, F_GETFL);
  if (art >= 0) ::fcntl(fd, F_SETFL, art & ~O_NONBLOCK);
  return fd;
}

int64_t AllesLesen(int fd, uint8_t* ziel, std::size_t laenge) {
  std::size_t gelesen = 0;
  while (gelesen < laenge) {
    const ssize_t n = ::read(fd, ziel + gelesen, laenge - gelesen);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    gelesen += static_cast<std::size_t>(n);
  }
  return static_cast<int64_t>(gelesen);
}

bool EingabeLesen(const std::string& pfad, std::vector<uint8_t>& daten, uint64_t hoechstens,
                  std::string* grund, const char* was) {
  daten.clear();
  const int fd = EingabeOeffnen(pfad, grund, was);
  if (fd < 0) return false;
  struct stat info {};
  bool gut = ::fstat(fd, &info) == 0;
  if (!gut) {
    Setzen(grund, std::string("cannot be read: ") + std::strerror(errno));
  } else if (static_cast<uint64_t>(info.st_size) > hoechstens) {
    Setzen(grund, "is larger than " + std::to_string(hoechstens) + " bytes");
    gut = false;
  } else {
    // One byte more than the size: a file that grew meanwhile is noticed, not cut.
    daten.resize(static_cast<std::size_t>(info.st_size) + 1);
    const int64_t n = AllesLesen(fd, daten.data(), daten.size());
    if (n < 0) {
      Setzen(grund, std::string("cannot be read: ") + std::strerror(errno));
      gut = false;
    } else if (static_cast<uint64_t>(n) > static_cast<uint64_t>(info.st_size)) {
      Setzen(grund, "cannot be read: it changed while it was read");
      gut = false;
    } else {
      daten.resize(static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  if (!gut) daten.clear();
  return gut;
}
