#include "base/text.h"

#include <gtest/gtest.h>

TEST(Text, Latin1UndUtf8HinUndZurueck) {
  const TText gelaende = "Gel\xE4nde Gr\xF6\xDF"
                         "e \xDC\xFF";
  const std::string utf8 = Latin1NachUtf8(gelaende);
  EXPECT_EQ(utf8, "Gel\xC3\xA4nde Gr\xC3\xB6\xC3\x9F"
                  "e \xC3\x9C\xC3\xBF");
  EXPECT_EQ(Utf8NachLatin1(utf8), gelaende);

  TText alle;
  for (int c = 1; c < 256; ++c)
    alle.push_back(static_cast<char>(c));
  EXPECT_EQ(Utf8NachLatin1(Latin1NachUtf8(alle)), alle);
}

TEST(Text, WindowsZeichen80bis9F) {
  // The euro sign, quotes, dashes, the ellipsis and the letters with caron are characters here.
  const TText besondere = "\x80\x84\x85\x8A\x8C\x8E\x91\x92\x93\x94\x96\x97\x9A\x9C\x9E\x9F";
  const std::string utf8 = "€„…ŠŒŽ‘’“”–—šœžŸ";
  EXPECT_EQ(Latin1NachUtf8(besondere), utf8);
  EXPECT_EQ(Utf8NachLatin1(utf8), besondere);
  // The five unused codes keep their bytes; the control characters 0x80 and 0x9F of Unicode are
  // not the codes of € and Ÿ.
  EXPECT_EQ(Unicodezeichen(0x81), 0u);
  EXPECT_EQ(Utf8NachLatin1(Latin1NachUtf8("\x81\x8D\x8F\x90\x9D")), "\x81\x8D\x8F\x90\x9D");
  EXPECT_EQ(Utf8NachLatin1("\xC2\x80\xC2\x9F"), "??");
}

TEST(Text, Utf8AusserhalbVonLatin1WirdFragezeichen) {
  EXPECT_EQ(Utf8NachLatin1("\xE2\x82\xAD"), "?");         // kip sign, three bytes
  EXPECT_EQ(Utf8NachLatin1("\xCE\xA9"), "?");             // Greek Omega, two bytes
  EXPECT_EQ(Utf8NachLatin1("a\xF0\x9F\x98\x80z"), "a?z"); // four bytes
  EXPECT_EQ(Utf8NachLatin1("a\xC3"), "a?");               // cut off at the end
  EXPECT_EQ(Utf8NachLatin1("\xA4x"), "?x");               // stray continuation byte
  EXPECT_EQ(Utf8NachLatin1("\xC3x"), "?x");               // lead byte without continuation
  // Overlong forms of "/" and NUL must not slip through as those characters.
  EXPECT_EQ(Utf8NachLatin1("a\xC0\xAF"), "a?");
  EXPECT_EQ(Utf8NachLatin1("\xC0\x80"), "?");
  EXPECT_EQ(Utf8NachLatin1("\xE0\x81\x81"), "?");
}

TEST(Text, KuerzenAuf255Zeichen) {
  EXPECT_EQ(TextKuerzen("kurz"), "kurz");
  EXPECT_EQ(TextKuerzen(std::string(300, 'a')).size(), 255u);
  EXPECT_EQ(TextKuerzen(std::string(255, 'b')), std::string(255, 'b'));
}
