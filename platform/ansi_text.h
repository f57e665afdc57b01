// Character-by-character scanning of ANSI texts, so that the second byte of a double-byte character
// (GBK: 0x40 to 0xFE, which includes "\" 0x5C and "|" 0x7C) is never taken for a character of its own.
#pragma once

#include <cstddef>
#include <string>

// Position of the character after the one at `at`; a lead byte followed by the terminator counts alone.
size_t NextCharacter(const std::string& text, size_t at);

// Position of the last character equal to `ascii`, or std::string::npos.
size_t FindLastCharacter(const std::string& text, char ascii);

// The longest prefix of `text` of at most `limit` bytes that ends on a character boundary.
std::string CutToCharacters(const std::string& text, size_t limit);

// A copy with the single-byte letters A to Z lower-cased; double-byte characters stay as they are.
std::string LowerSingleByteLetters(const std::string& text);
