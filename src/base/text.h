#pragma once
// Texts inside the program are Windows Latin-1 (Windows-1252) byte strings, one byte per
// character; they become UTF-8 only where they meet Qt, the terminal or a file name.
#include <cstdint>
#include <string>
#include <string_view>

using TText = std::string;

// Fixed-size texts in records and files hold at most this many characters.
constexpr std::size_t TextHoechstlaenge = 255;

// The Unicode character of a code; 0 for the five codes the code page leaves unused (0x81, 0x8D,
// 0x8F, 0x90, 0x9D).
uint32_t Unicodezeichen(unsigned char code);

// The five unused codes pass as the control characters of the same number, so no byte is lost
// on the way there and back.
std::string Latin1NachUtf8(std::string_view latin1);
// Characters the code page lacks (and malformed UTF-8) become '?'.
TText Utf8NachLatin1(std::string_view utf8);
// Cuts a text to at most 255 characters.
TText TextKuerzen(std::string_view text);
