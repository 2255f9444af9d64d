#include "base/dateien.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

// A fresh folder of its own for each test, removed afterwards.
class Dateien : public ::testing::Test {
protected:
  void SetUp() override {
    ordner = fs::temp_directory_path() /
             ("vandor_dateien_" + std::to_string(std::random_device{}()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(ordner);
  }
  void TearDown() override {
    std::error_code fehler;
    fs::remove_all(ordner, fehler);
  }
  void Anlegen(const std::string& name) { std::ofstream(ordner / name) << "x"; }
  std::string Ordner() const { return ordner.string(); }

  fs::path ordner;
};

} // namespace

TEST_F(Dateien, MusterZaehltAuchAnhaengeUndOrdner) {
  Anlegen("a.vdz");
  Anlegen("x.vdz.bak");
  Anlegen("GROSS.VDZ");
  Anlegen(".versteckt.vdz");
  Anlegen("b.txt");
  Anlegen("vdz");
  Anlegen("avdz");
  fs::create_directory(ordner / "d.vdz");
  EXPECT_EQ(DateienZaehlen(Ordner(), "vdz", true), 5);
  EXPECT_EQ(DateienZaehlen(Ordner(), "txt", true), 1);
  EXPECT_EQ(DateienZaehlen(Ordner(), "png", true), 0);
  // Without extension every entry counts.
  EXPECT_EQ(DateienZaehlen(Ordner(), "vdz", false), 8);
}

TEST_F(Dateien, SuchenLiefertNamenMitUndOhneOrdner) {
  Anlegen("b.vdz");
  Anlegen("a.vdz");
  Anlegen("c.txt");
  std::vector<std::string> namen = {"alt1", "alt2", "alt3", "alt4"};
  EXPECT_EQ(DateienSuchen(Ordner(), "vdz", false, true, namen), 2);
  EXPECT_EQ(namen, (std::vector<std::string>{"a.vdz", "b.vdz"}));

  EXPECT_EQ(DateienSuchen(Ordner() + "/", "vdz", true, true, namen), 2);
  EXPECT_EQ(namen, (std::vector<std::string>{Ordner() + "/a.vdz", Ordner() + "/b.vdz"}));
  EXPECT_EQ(DateienSuchen(Ordner(), "txt", true, true, namen), 1);
  EXPECT_EQ(namen, (std::vector<std::string>{Ordner() + "/c.txt"}));
}

TEST_F(Dateien, OhneTrefferBleibtDieListe) {
  std::vector<std::string> namen = {"bleibt"};
  EXPECT_EQ(DateienSuchen(Ordner(), "vdz", false, true, namen), 0);
  EXPECT_EQ(namen, (std::vector<std::string>{"bleibt"}));
}

TEST_F(Dateien, FehlenderOrdnerHatKeineEintraege) {
  std::vector<std::string> namen;
  EXPECT_EQ(DateienZaehlen(Ordner() + "/fehlt", "vdz", true), 0);
  EXPECT_EQ(DateienSuchen(Ordner() + "/fehlt", "vdz", true, true, namen), 0);
  EXPECT_TRUE(namen.empty());
  Anlegen("datei.vdz"); // a file is no folder
  EXPECT_EQ(DateienZaehlen(Ordner() + "/datei.vdz", "vdz", true), 0);
}

TEST_F(Dateien, DateiVorhanden) {
  Anlegen("da.vdz");
  fs::create_directory(ordner / "unter");
  EXPECT_TRUE(DateiVorhanden(Ordner() + "/da.vdz"));
  EXPECT_TRUE(DateiVorhanden(Ordner() + "/unter"));
  EXPECT_FALSE(DateiVorhanden(Ordner() + "/weg.vdz"));
  EXPECT_FALSE(DateiVorhanden(""));
}

TEST_F(Dateien, FreierDateinameNimmtDieErsteFreieNummer) {
  Anlegen("Karte2.vdz");
  EXPECT_EQ(FreierDateiname("Karte", "vdz", Ordner(), 1, 9999, 0, false), Ordner() + "/Karte1.vdz");
  Anlegen("Karte1.vdz");
  Anlegen("Karte.vdz");
  EXPECT_EQ(FreierDateiname("Karte", "vdz", Ordner(), 1, 9999, 0, false), Ordner() + "/Karte3.vdz");
  EXPECT_EQ(FreierDateiname("Karte", "vdz", Ordner() + "/", 1, 9999, 0, true), "Karte3");
  EXPECT_EQ(FreierDateiname("Karte", "vdz", Ordner(), 0, 9999, 3, true), "Karte000");
}

TEST_F(Dateien, FreierDateinameOhneEndungUndOrdner) {
  Anlegen("Karte1");
  EXPECT_EQ(FreierDateiname("Karte", "", Ordner(), 1, 5, 0, false), Ordner() + "/Karte2");
  // A folder of that name is taken as well: saving onto it would fail.
  fs::create_directory(ordner / "Karte2");
  EXPECT_EQ(FreierDateiname("Karte", "", Ordner(), 1, 5, 0, true), "Karte3");
  EXPECT_EQ(FreierDateiname("vandor_gibt_es_nicht_", "vdz", "", 1, 1, 0, false),
            "vandor_gibt_es_nicht_1.vdz");
}

TEST_F(Dateien, FreierDateinameErschoepft) {
  Anlegen("K1.vdz");
  Anlegen("K2.vdz");
  EXPECT_EQ(FreierDateiname("K", "vdz", Ordner(), 1, 2, 0, false), "notfound");
  EXPECT_EQ(FreierDateiname("K", "vdz", Ordner(), 5, 4, 0, false), "notfound");
  EXPECT_EQ(FreierDateiname("K", "vdz", Ordner(), 3, 3, 0, true), "K3");
}
