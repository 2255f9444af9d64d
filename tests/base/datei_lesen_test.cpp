#include "base/datei_lesen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(DateiLesen, NurEineDateiUndOhneZuWarten) {
  const fs::path ordner =
      fs::temp_directory_path() / ("vandor_lesen_" + std::to_string(std::random_device{}()));
  fs::create_directories(ordner);
  const std::string fifo = (ordner / "f.vdz").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  std::string grund;
  // A FIFO without a writer would make a plain open wait forever.
  EXPECT_EQ(EingabeOeffnen(fifo, &grund, "a scenario file"), -1);
  EXPECT_EQ(grund, "is a FIFO, not a scenario file");
  EXPECT_EQ(EingabeOeffnen("/dev/zero", &grund), -1);
  EXPECT_EQ(grund, "is a device, not a plain file");
  EXPECT_EQ(EingabeOeffnen(ordner.string(), &grund), -1);
  EXPECT_EQ(grund, "is a folder, not a plain file");
  EXPECT_EQ(EingabeOeffnen((ordner / "fehlt").string(), &grund), -1);
  EXPECT_EQ(grund, std::strerror(ENOENT));

  // A plain file is read whole; one larger than the limit is refused unread.
  std::ofstream(ordner / "a.txt") << "hallo";
  std::vector<uint8_t> daten;
  ASSERT_TRUE(EingabeLesen((ordner / "a.txt").string(), daten, 5));
  EXPECT_EQ(std::string(daten.begin(), daten.end()), "hallo");
  EXPECT_FALSE(EingabeLesen((ordner / "a.txt").string(), daten, 4, &grund));
  EXPECT_EQ(grund, "is larger than 4 bytes");
  EXPECT_TRUE(daten.empty());
  fs::remove_all(ordner);
}
