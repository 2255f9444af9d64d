#include "base/text.h"

std::string Latin1NachUtf8(std::string_view latin1) {
  std::string aus;
  aus.reserve(latin1.size());
  for (unsigned char c : latin1) {
    if (c < 0x80) {
      aus.push_back(static_cast<char>(c));
    } else {
      aus.push_back(static_cast<char>(0xC0 | (c >> 6)));
      aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
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
    // Only two-byte sequences of 0x80 ... 0xFF are Latin-1; shorter values written in two or
    // more bytes are overlong (a disguised "/" or NUL) and count as malformed.
    const bool latin1 = gueltig && laenge == 2 && wert >= 0x80 && wert < 0x100;
    aus.push_back(latin1 ? static_cast<char>(wert) : '?');
    i += gueltig ? laenge : 1;
  }
  return aus;
}

TText TextKuerzen(std::string_view text) {
  return TText(text.substr(0, TextHoechstlaenge));
}
