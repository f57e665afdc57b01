// The encoder of caption records: not part of the program, it makes records for the decoder to read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A record of caption.size() + 10 bytes that decodes to `caption` with `swapOffset` and a key whose
// CRC-32 is `keyChecksum` (0: the empty key).
std::vector<unsigned char> EncodeCaption(const std::string& caption, unsigned char keyByte,
                                         const unsigned char salt[3], int16_t startValue, int32_t swapOffset = 3,
                                         uint32_t keyChecksum = 0);
