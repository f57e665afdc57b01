// Turning a scrambled caption record into the bytes of the window caption.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_image.h"

// Decodes `record`: XOR with its last byte, undoes the digest-driven byte exchanges (exchange positions
// are digest digits plus `swapOffset`) and strips the CRC-32 trailer. With `verify` 1 the result is empty
// unless the start value fits the payload and the trailer matches. Never fails: ranges are clamped.
std::vector<unsigned char> DecodeCaption(const ByteImage& record, const ByteImage& key, int32_t swapOffset,
                                         int32_t verify);

// A decoded caption as text: its bytes before the first zero byte.
std::string CaptionText(const std::vector<unsigned char>& bytes);

// The exchange positions (i, L), 1-based, that decoding a payload of `m` bytes makes for this digest text,
// start value and swap offset; `failed` is set when the start value exceeds the payload.
std::vector<std::pair<int, int>> CaptionExchanges(const std::string& digest, int startValue, int m, int32_t swapOffset,
                                                  bool* failed);
