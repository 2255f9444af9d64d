#pragma once
// Texts inside the program are Windows Latin-1 byte strings (one byte per character); they
// become UTF-8 only where they meet Qt, the terminal or a file name.
#include <string>
#include <string_view>

using TText = std::string;

// Fixed-size texts in records and files hold at most this many characters.
constexpr std::size_t TextHoechstlaenge = 255;

std::string Latin1NachUtf8(std::string_view latin1);
// Characters outside Latin-1 (and malformed UTF-8) become '?'.
TText Utf8NachLatin1(std::string_view utf8);
// Cuts a text to at most 255 characters.
TText TextKuerzen(std::string_view text);
