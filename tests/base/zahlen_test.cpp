#include "base/zahlen.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Zahlen, Potenz) {
  EXPECT_EQ(Potenz(7, 0), 1u);
  EXPECT_EQ(Potenz(10, 9), 1000000000u);
  EXPECT_EQ(Potenz(2, 63), 0x8000000000000000ull);
  EXPECT_EQ(Potenz(2, 64), 0u); // wraps modulo 2^64
  EXPECT_EQ(Potenz(-2, 3), static_cast<uint64_t>(-8));
}

TEST(Zahlen, PotenzAnpassen) {
  EXPECT_EQ(PotenzAnpassen(2, 30, 0), 32);
  EXPECT_EQ(PotenzAnpassen(2, 32, 0), 32);
  EXPECT_EQ(PotenzAnpassen(2, 33, 0), 64);
  EXPECT_EQ(PotenzAnpassen(2, 33, 1), 32);
  EXPECT_EQ(PotenzAnpassen(2, 1, 0), 0);
  EXPECT_EQ(PotenzAnpassen(1, 100, 0), 0);
  EXPECT_EQ(PotenzAnpassen(2, 2, 0), 2);
  EXPECT_EQ(PotenzAnpassen(2, 47, 2), 64); // nearest exponent: log2 47 = 5.55
  EXPECT_EQ(PotenzAnpassen(2, 40, 2), 32); // log2 40 = 5.32
  EXPECT_EQ(PotenzAnpassen(10, 1000, 0), 1000);
  EXPECT_EQ(PotenzAnpassen(10, 1000, 1), 1000);
  EXPECT_EQ(PotenzAnpassen(3, 243, 0), 243);
}

TEST(Zahlen, PotenzAnpassenTrifftJedeGenauePotenz) {
  // Exact powers must not slip to the next one through the logarithm's rounding.
  for (int b = 2; b <= 255; ++b)
    for (uint64_t p = b; p <= 2147483647ull; p *= b) {
      ASSERT_EQ(PotenzAnpassen(b, static_cast<int32_t>(p), 0), static_cast<int64_t>(p)) << b;
      ASSERT_EQ(PotenzAnpassen(b, static_cast<int32_t>(p), 1), static_cast<int64_t>(p)) << b;
    }
}

TEST(Zahlen, AufStellenRundenHalbZurGeraden) {
  EXPECT_EQ(AufStellenRunden(1, 675), 680);
  EXPECT_EQ(AufStellenRunden(1, 665), 660);
  EXPECT_EQ(AufStellenRunden(1, 664.9), 660);
  EXPECT_EQ(AufStellenRunden(0, 2.5), 2);
  EXPECT_EQ(AufStellenRunden(0, 3.5), 4);
  EXPECT_EQ(AufStellenRunden(2, -150), -200);
  EXPECT_EQ(AufStellenRunden(2, -250), -200);
  EXPECT_EQ(AufStellenRunden(3, 1234567), 1235000);
  // Beyond 32 bits the result is held at the range's ends instead of being undefined.
  EXPECT_EQ(AufStellenRunden(0, 1e12), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(AufStellenRunden(0, -1e12), std::numeric_limits<int32_t>::min());
}

TEST(Zahlen, StellenzahlUndZahlText) {
  EXPECT_EQ(Stellenzahl(0), 0);
  EXPECT_EQ(Stellenzahl(9), 1);
  EXPECT_EQ(Stellenzahl(10), 2);
  EXPECT_EQ(Stellenzahl(4294967295u), 10);

  EXPECT_EQ(ZahlText(7, 3), "007");
  EXPECT_EQ(ZahlText(1234, 2), "1234");
  EXPECT_EQ(ZahlText(0, 0), "0");
  EXPECT_EQ(ZahlText(0, 1), "0");
  EXPECT_EQ(ZahlText(0, 3), "000");
  EXPECT_EQ(ZahlText(4294967295u, 0), "4294967295");
  EXPECT_EQ(ZahlText(5, 255).size(), 255u);
}

TEST(Zahlen, Anzahltext) {
  EXPECT_EQ(Anzahltext(1, "Runde", "n"), "1 Runde");
  EXPECT_EQ(Anzahltext(2, "Runde", "n"), "2 Runden");
  EXPECT_EQ(Anzahltext(0, "Runde", "n"), "0 Runden");
  EXPECT_EQ(Anzahltext(-1, "point", "s"), "-1 points");
}

TEST(Zahlen, Wahrheitswerte) {
  EXPECT_FALSE(Wahrheitswert(0));
  EXPECT_FALSE(Wahrheitswert(-5));
  EXPECT_TRUE(Wahrheitswert(1));
  EXPECT_TRUE(Wahrheitswert(77));
  EXPECT_EQ(Vorzeichen(true), 1);
  EXPECT_EQ(Vorzeichen(false), -1);
  EXPECT_EQ(Ganzzahl(true), 1);
  EXPECT_EQ(Ganzzahl(false), 0);
}

TEST(Zahlen, TeilenSchneidetZurNullHin) {
  int32_t z = 17;
  EXPECT_EQ(Teilen(z, 5), 3);
  EXPECT_EQ(z, 2);
  z = -17;
  EXPECT_EQ(Teilen(z, 5), -3);
  EXPECT_EQ(z, -2);
  z = 17;
  EXPECT_EQ(Teilen(z, -5), -3);
  EXPECT_EQ(z, 2);
}

TEST(Zahlen, TeilenOhneAbsturz) {
  int32_t z = 42;
  EXPECT_EQ(Teilen(z, 0), 0);
  EXPECT_EQ(z, 42);
  z = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(Teilen(z, -1), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(z, 0);
  z = 9;
  EXPECT_EQ(Teilen(z, -1), -9);
  EXPECT_EQ(z, 0);
}

TEST(Zahlen, Zwischenwert) {
  EXPECT_EQ(Zwischenwert(100, 200, 0, 10), 100);
  EXPECT_EQ(Zwischenwert(100, 200, 10, 10), 200);
  EXPECT_EQ(Zwischenwert(100, 200, 3, 10), 130);
  EXPECT_EQ(Zwischenwert(100, 200, 25, 10), 200); // c held at d
  EXPECT_EQ(Zwischenwert(0, 10, 1, 4), 2);        // 2.5 goes to the even 2
  EXPECT_EQ(Zwischenwert(0, 10, 3, 4), 8);        // 7.5 goes to the even 8
  EXPECT_EQ(Zwischenwert(5, 9, 0, 0), 5);         // d at least 1
  EXPECT_EQ(Zwischenwert(5, 9, 1, 0), 5);         // c' = 0
  EXPECT_EQ(
      Zwischenwert(std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 1, 1),
      std::numeric_limits<int32_t>::min());
}
