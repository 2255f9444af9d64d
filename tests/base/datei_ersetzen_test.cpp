#include "base/datei_ersetzen.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class DateiErsetzenTest : public ::testing::Test {
protected:
  void SetUp() override {
    ordner =
        fs::temp_directory_path() / ("vandor_ersetzen_" + std::to_string(std::random_device{}()));
    fs::create_directories(ordner);
  }
  void TearDown() override {
    std::error_code fehler;
    fs::remove_all(ordner, fehler);
  }
  std::string Pfad(const std::string& name) const { return (ordner / name).string(); }
  static std::string Inhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
  static bool Schreiben(const std::string& pfad, const std::string& text,
                        std::string* grund = nullptr) {
    return DateiErsetzen(
        pfad,
        [&](int fd, std::string&) {
          return AllesSchreiben(fd, reinterpret_cast<const uint8_t*>(text.data()), text.size());
        },
        grund);
  }
  static mode_t Modus(const std::string& pfad) {
    struct stat info {};
    ::lstat(pfad.c_str(), &info);
    return info.st_mode;
  }

  fs::path ordner;
};

} // namespace

TEST_F(DateiErsetzenTest, BehaeltRechteUndEignerUndSchreibtDurchVerweise) {
  const std::string datei = Pfad("a.vdz");
  ASSERT_TRUE(Schreiben(datei, "alt"));
  ASSERT_EQ(::chmod(datei.c_str(), 0600), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(datei.c_str(), 65534, 65534), 0); // as root: another user's file
  }
  ASSERT_TRUE(Schreiben(datei, "neu"));
  EXPECT_EQ(Inhalt(datei), "neu");
  EXPECT_EQ(Modus(datei) & 07777, 0600u);
  struct stat info {};
  ::stat(datei.c_str(), &info);
  if (root) {
    EXPECT_EQ(info.st_uid, 65534u);
  }

  // A relative link into another folder: the link stays, its target gets the content there.
  fs::create_directories(ordner / "echt");
  ASSERT_TRUE(Schreiben(Pfad("echt/b.vdz"), "alt"));
  fs::create_symlink("echt/b.vdz", ordner / "b.vdz");
  ASSERT_TRUE(Schreiben(Pfad("b.vdz"), "neu"));
  EXPECT_TRUE(S_ISLNK(Modus(Pfad("b.vdz"))));
  EXPECT_EQ(Inhalt(Pfad("echt/b.vdz")), "neu");
  // A link to a file that is not there yet makes it; nothing is left beside either.
  fs::create_symlink("echt/c.vdz", ordner / "c.vdz");
  ASSERT_TRUE(Schreiben(Pfad("c.vdz"), "c"));
  EXPECT_EQ(Inhalt(Pfad("echt/c.vdz")), "c");
  EXPECT_EQ(std::distance(fs::directory_iterator(ordner / "echt"), {}), 2);
}

TEST_F(DateiErsetzenTest, NurNichtsOderEineBeschreibbareDateiWirdErsetzt) {
  std::string grund;
  // A read-only file stays, for root too.
  const std::string fest = Pfad("fest.vdz");
  ASSERT_TRUE(Schreiben(fest, "alt"));
  ASSERT_EQ(::chmod(fest.c_str(), 0444), 0);
  EXPECT_FALSE(Schreiben(fest, "neu", &grund));
  EXPECT_EQ(grund, "cannot be written, it is read-only");
  EXPECT_EQ(Inhalt(fest), "alt");
  // A FIFO, a folder, a device (where the system lets us make one), also behind a link.
  ASSERT_EQ(::mkfifo(Pfad("fifo").c_str(), 0644), 0);
  EXPECT_FALSE(Schreiben(Pfad("fifo"), "x", &grund));
  EXPECT_EQ(grund, "cannot be written, it is a FIFO, not a plain file");
  EXPECT_TRUE(S_ISFIFO(Modus(Pfad("fifo"))));
  fs::create_symlink("fifo", ordner / "zur_fifo");
  EXPECT_FALSE(Schreiben(Pfad("zur_fifo"), "x", &grund));
  EXPECT_TRUE(S_ISFIFO(Modus(Pfad("fifo"))));
  fs::create_directories(ordner / "ordner");
  EXPECT_FALSE(Schreiben(Pfad("ordner"), "x", &grund));
  EXPECT_EQ(grund, "cannot be written, it is a folder");
  if (::mknod(Pfad("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    EXPECT_FALSE(Schreiben(Pfad("null"), "x", &grund));
    EXPECT_EQ(grund, "cannot be written, it is a device, not a plain file");
    EXPECT_TRUE(S_ISCHR(Modus(Pfad("null"))));
  }
  // A loop of links leads nowhere.
  fs::create_symlink("schleife2", ordner / "schleife1");
  fs::create_symlink("schleife1", ordner / "schleife2");
  EXPECT_FALSE(Schreiben(Pfad("schleife1"), "x", &grund));
  EXPECT_EQ(grund, std::string("cannot be written, ") + std::strerror(ELOOP));
  // No temporary file is left behind by any of these.
  for (const auto& e : fs::directory_iterator(ordner))
    EXPECT_NE(e.path().extension(), ".teil") << e.path();
}
