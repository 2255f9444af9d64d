#include "base/ziffern.h"

#include <gtest/gtest.h>

TEST(Ziffern, AusTextUndWert) {
  const TZiffern z = ZiffernAusText("1A", 16);
  EXPECT_EQ(z.Basis, 16);
  EXPECT_EQ(z.Ziffer[0], 10);
  EXPECT_EQ(z.Ziffer[1], 1);
  EXPECT_EQ(z.Ziffer[2], 0);
  EXPECT_EQ(ZiffernWert(z), 26u);
  EXPECT_EQ(ZiffernWert(ZiffernAusText("ZZ", 36)), 35u * 36 + 35);
  EXPECT_EQ(ZiffernWert(ZiffernAusText("", 10)), 0u);
  EXPECT_EQ(ZiffernWert(ZiffernAusText("18446744073709551615", 10)), 18446744073709551615ull);
}

TEST(Ziffern, FremdeZeichenGeltenAls255) {
  const TZiffern z = ZiffernAusText("a-", 16);
  EXPECT_EQ(z.Ziffer[0], 255);
  EXPECT_EQ(z.Ziffer[1], 255);
}

TEST(Ziffern, LangerTextBehaeltDieLetzten256Zeichen) {
  const TZiffern z = ZiffernAusText("7" + std::string(300, '1'), 2);
  EXPECT_EQ(z.Ziffer[0], 1);
  EXPECT_EQ(z.Ziffer[255], 1);
}

TEST(Ziffern, AusZahl) {
  const TZiffern z = ZiffernAusZahl(10, 4096);
  EXPECT_EQ(z.Basis, 10);
  EXPECT_EQ(z.Ziffer[0], 6);
  EXPECT_EQ(z.Ziffer[3], 4);
  EXPECT_EQ(ZiffernWert(z), 4096u);
}

TEST(Ziffern, Hoechststelle) {
  EXPECT_EQ(Hoechststelle(10, 0), 0);
  EXPECT_EQ(Hoechststelle(10, 9), 0);
  EXPECT_EQ(Hoechststelle(10, 10), 1);
  EXPECT_EQ(Hoechststelle(10, 999), 2);
  EXPECT_EQ(Hoechststelle(10, 1000), 3);
  EXPECT_EQ(Hoechststelle(2, 8), 3);
  EXPECT_EQ(Hoechststelle(2, 7), 2);
  EXPECT_EQ(Hoechststelle(2, 0xFFFFFFFFFFFFFFFFull), 63);
  EXPECT_EQ(Hoechststelle(16, 0x1000000000000000ull), 15);
  EXPECT_EQ(Hoechststelle(1, 500), 0);
}

TEST(Ziffern, UmrechnenBehaeltDenWert) {
  const TZiffern binaer = ZiffernUmrechnen(ZiffernAusZahl(10, 8), 2);
  EXPECT_EQ(binaer.Basis, 2);
  EXPECT_EQ(binaer.Ziffer[3], 1);
  EXPECT_EQ(binaer.Ziffer[2], 0);
  EXPECT_EQ(binaer.Ziffer[0], 0);

  const TZiffern hex = ZiffernUmrechnen(ZiffernAusText("255", 10), 16);
  EXPECT_EQ(hex.Ziffer[0], 15);
  EXPECT_EQ(hex.Ziffer[1], 15);
  EXPECT_EQ(hex.Ziffer[2], 0);

  for (uint8_t basis = 2; basis <= 36; ++basis)
    for (uint64_t wert : {1ull, 35ull, 1000ull, 1ull << 40, 0xFFFFFFFFFFFFFFFFull}) {
      TZiffern quelle;
      quelle.Basis = 16;
      for (int k = 0; k < 16; ++k)
        quelle.Ziffer[k] = (wert >> (4 * k)) & 0xF;
      const TZiffern neu = ZiffernUmrechnen(quelle, basis);
      ASSERT_EQ(ZiffernWert(neu), wert) << int(basis);
      for (uint8_t ziffer : neu.Ziffer)
        ASSERT_LT(ziffer, basis);
    }
}

TEST(Farben, FarbtextUmstellen) {
  EXPECT_EQ(FarbtextUmstellen("112233"), "332211");
  EXPECT_EQ(FarbtextUmstellen("FF"), "FFFFFF");
  EXPECT_EQ(FarbtextUmstellen("1234"), "FF3412");
  EXPECT_EQ(FarbtextUmstellen("11223344"), "332211");
  EXPECT_EQ(FarbtextUmstellen(""), "FFFFFF");
}

TEST(Farben, AusTextRotImNiedrigstenByte) {
  EXPECT_EQ(FarbeAusText("0000FF"), 0xFF0000);
  EXPECT_EQ(FarbeAusText("FF0000"), 255);
  EXPECT_EQ(FarbeAusText("00FF00"), 0x00FF00);
  EXPECT_EQ(FarbeAusText("FF"), 16777215);
  EXPECT_EQ(FarbeAusText("39596B"), 0x6B5939);
}

TEST(Farben, KleinbuchstabenSindKeineZiffern) {
  // "ff0000": each 'f' counts 255, so the value is not 255.
  EXPECT_NE(FarbeAusText("ff0000"), 255);
  EXPECT_EQ(FarbeAusText("ff0000"), 255 + 255 * 16);
}

TEST(Farben, Zerlegen) {
  std::array<uint8_t, 3> bytes{};
  FarbeZerlegen(FarbeAusText("39596B"), bytes);
  EXPECT_EQ(bytes[0], 0x39);
  EXPECT_EQ(bytes[1], 0x59);
  EXPECT_EQ(bytes[2], 0x6B);
  FarbeZerlegen(0xFFFFFF, bytes);
  EXPECT_EQ(bytes, (std::array<uint8_t, 3>{255, 255, 255}));
}
