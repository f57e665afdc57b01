// The encoder of caption records: not part of the program, it makes records for the decoder to read.
#include "caption_encoder.h"

#include <algorithm>

#include "caption_decoder.h"
#include "md5.h"
#include "runtime_functions.h"

std::vector<unsigned char> EncodeCaption(const std::string& caption, unsigned char keyByte,
                                         const unsigned char salt[3], int16_t startValue, int32_t swapOffset,
                                         uint32_t keyChecksum) {
    std::vector<unsigned char> payload(caption.begin(), caption.end());
    uint32_t crc = ComputeCrc32(caption.data(), caption.size());
    for (int i = 0; i < 4; ++i) payload.push_back(static_cast<unsigned char>(crc >> (8 * i)));

    // The digest input: salt, key byte and the key's checksum (four zero bytes for the empty key).
    unsigned char input[8] = {salt[0], salt[1], salt[2], keyByte};
    for (int i = 0; i < 4; ++i) input[4 + i] = static_cast<unsigned char>(keyChecksum >> (8 * i));
    std::string digest = Md5Hex(input, sizeof input);
    bool failed = false;
    auto exchanges = CaptionExchanges(digest, startValue, static_cast<int>(payload.size()), swapOffset, &failed);
    for (auto it = exchanges.rbegin(); it != exchanges.rend(); ++it)
        std::swap(payload[static_cast<size_t>(it->first - 1)], payload[static_cast<size_t>(it->second - 1)]);

    std::vector<unsigned char> record = payload;
    record.push_back(static_cast<unsigned char>(startValue & 0xFF));
    record.push_back(static_cast<unsigned char>((startValue >> 8) & 0xFF));
    record.insert(record.end(), salt, salt + 3);
    for (unsigned char& byte : record) byte ^= keyByte;
    record.push_back(keyByte);
    return record;
}
