#include "scenario/komprimierung.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>
#include <zlib.h>

#include "base/datei_lesen.h"

namespace {

constexpr std::size_t Lesepuffer = 1 << 18;
constexpr std::size_t Entpackstueck = 4096; // the decompressed data is taken in pieces of this size
constexpr std::size_t Zlibstueck = 1u << 30; // zlib counts its buffers in 32 bits

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

} // namespace

bool GepacktSchreiben(const std::string& ziel, const std::function<bool(const TSchreiber&)>& inhalt,
                      std::string* grund) {
  return DateiErsetzen(
      ziel,
      [&](int fd, std::string& warum) {
        TPacker packer(fd);
        if (!packer.Bereit) {
          warum = "not enough memory";
          return false;
        }
        const bool gut = inhalt([&](const uint8_t* daten, std::size_t laenge) {
                           return packer.Geben(daten, laenge, Z_NO_FLUSH);
                         }) &&
                         packer.Geben(nullptr, 0, Z_FINISH);
        if (!gut)
          warum = packer.Fehler ? std::string("cannot be written: ") + std::strerror(packer.Fehler)
                                : std::string("cannot be written");
        return gut;
      },
      grund);
}

bool DateiKomprimieren(const std::string& quelle, const std::string& ziel) {
  const int ein = EingabeOeffnen(quelle);
  if (ein < 0) return false;
  std::vector<uint8_t> puffer(Lesepuffer);
  const bool gut = GepacktSchreiben(ziel, [&](const TSchreiber& schreiben) {
    for (;;) {
      const int64_t n = AllesLesen(ein, puffer.data(), puffer.size());
      if (n < 0) return false;
      if (n == 0) return true;
      if (!schreiben(puffer.data(), static_cast<std::size_t>(n))) return false;
    }
  });
  ::close(ein);
  return gut;
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
  NachDemEnde();
}

void TEntpackstrom::NachDemEnde() {
  // Bytes after the check value are no part of the stream: the file is not what was written.
  if (Ende && (z.avail_in > 0 || Nachfuellen())) Anhang = true;
}

bool DateiEntpacken(const std::string& quelle, const std::string& ziel, uint64_t hoechstens) {
  const int fd = EingabeOeffnen(quelle);
  if (fd < 0) return false;
  TEntpackstrom q;
  q.Fd = fd;
  const bool gut = q.Bereit && DateiErsetzen(ziel, [&](int aus, std::string&) {
                     uint8_t stueck[Entpackstueck];
                     uint64_t geschrieben = 0;
                     while (!q.Ende && !q.Kaputt && geschrieben < hoechstens) {
                       const std::size_t n =
                           q.Lesen(stueck, static_cast<std::size_t>(std::min<uint64_t>(
                                               sizeof stueck, hoechstens - geschrieben)));
                       if (n > 0 && !AllesSchreiben(aus, stueck, n)) return false;
                       geschrieben += n;
                     }
                     if (geschrieben < hoechstens) q.NachDemEnde();
                     return !q.Kaputt && !q.Anhang && q.Lesefehler == 0;
                   });
  ::close(fd);
  return gut;
}
