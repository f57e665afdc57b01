// Character-by-character scanning of ANSI texts in the system code page.
#include "ansi_text.h"

#include <windows.h>

size_t NextCharacter(const std::string& text, size_t at) {
    if (IsDBCSLeadByte(static_cast<BYTE>(text[at])) && at + 1 < text.size()) return at + 2;
    return at + 1;
}

size_t FindLastCharacter(const std::string& text, char ascii) {
    size_t found = std::string::npos;
    for (size_t at = 0; at < text.size(); at = NextCharacter(text, at)) {
        if (text[at] == ascii) found = at;
    }
    return found;
}

std::string CutToCharacters(const std::string& text, size_t limit) {
    size_t end = 0;
    while (end < text.size()) {
        size_t next = NextCharacter(text, end);
        if (next > limit) break;
        end = next;
    }
    return text.substr(0, end);
}

std::string LowerSingleByteLetters(const std::string& text) {
    std::string lower = text;
    for (size_t at = 0; at < lower.size(); at = NextCharacter(lower, at)) {
        if (lower[at] >= 'A' && lower[at] <= 'Z') lower[at] = static_cast<char>(lower[at] - 'A' + 'a');
    }
    return lower;
}
