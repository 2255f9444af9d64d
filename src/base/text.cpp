#include "base/text.h"

namespace {

// 0x80 ... 0x9F hold printable characters in Windows Latin-1, not the controls of ISO Latin-1.
constexpr uint16_t Zeichen80bis9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void Utf8Anhaengen(std::string& aus, uint32_t wert) {
  if (wert < 0x80) {
    aus.push_back(static_cast<char>(wert));
  } else if (wert < 0x800) {
    aus.push_back(static_cast<char>(0xC0 | (wert >> 6)));
    aus.push_back(static_cast<char>(0x80 | (wert & 0x3F)));
  } else {
    aus.push_back(static_cast<char>(0xE0 | (wert >> 12)));
    aus.push_back(static_cast<char>(0x80 | ((wert >> 6) & 0x3F)));
    aus.push_back(static_cast<char>(0x80 | (wert & 0x3F)));
  }
}

// The code of a Unicode character; -1 when the code page lacks it.
int Code(unsigned long wert) {
  if (wert < 0x80 || (wert >= 0xA0 && wert < 0x100)) return static_cast<int>(wert);
  if (wert < 0xA0) return Zeichen80bis9F[wert - 0x80] == 0 ? static_cast<int>(wert) : -1;
  for (int i = 0; i < 32; ++i)
    if (Zeichen80bis9F[i] == wert) return 0x80 + i;
  return -1;
}

} // namespace

uint32_t Unicodezeichen(unsigned char code) {
  if (code >= 0x80 && code < 0xA0) return Zeichen80bis9F[code - 0x80];
  return code;
}

std::string Latin1NachUtf8(std::string_view latin1) {
  std::string aus;
  aus.reserve(latin1.size());
  for (unsigned char c : latin1) {
    const uint32_t wert = Unicodezeichen(c);
    Utf8Anhaengen(aus, wert == 0 ? c : wert);
  }
  return aus;
}

TText Utf8NachLatin1(std::string_view utf8) {
  TText aus;
  aus.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      aus.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    // Length of the sequence from its lead byte; a stray continuation byte counts as one.
    std::size_t laenge = (c >= 0xF0) ? 4 : (c >= 0xE0) ? 3 : (c >= 0xC0) ? 2 : 1;
    bool gueltig = laenge > 1 && i + laenge <= utf8.size();
    unsigned long wert = c & (0x7F >> laenge);
    for (std::size_t k = 1; gueltig && k < laenge; ++k) {
      unsigned char f = static_cast<unsigned char>(utf8[i + k]);
      if ((f & 0xC0) != 0x80) gueltig = false;
      wert = (wert << 6) | (f & 0x3F);
    }
    // Values written in more bytes than they need are overlong (a disguised "/" or NUL) and
    // count as malformed.
    constexpr unsigned long Kleinster[5] = {0, 0, 0x80, 0x800, 0x10000};
    const int code = gueltig && wert >= Kleinster[laenge] ? Code(wert) : -1;
    aus.push_back(code < 0 ? '?' : static_cast<char>(code));
    i += gueltig ? laenge : 1;
  }
  return aus;
}

TText TextKuerzen(std::string_view text) {
  return TText(text.substr(0, TextHoechstlaenge));
}
