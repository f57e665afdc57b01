// Turning a scrambled caption record into the bytes of the window caption.
#include "caption_decoder.h"

#include <algorithm>

#include "md5.h"
#include "runtime_functions.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes First(const Bytes& x, long long c) {
    long long count = std::max(0LL, std::min(c, static_cast<long long>(x.size())));
    return Bytes(x.begin(), x.begin() + count);
}

Bytes Last(const Bytes& x, long long c) {
    long long count = std::max(0LL, std::min(c, static_cast<long long>(x.size())));
    return Bytes(x.end() - count, x.end());
}

// c bytes from 1-based position s, the start clamped into the image.
Bytes Middle(const Bytes& x, long long s, long long c) {
    long long length = static_cast<long long>(x.size());
    long long start = s <= 1 ? 0 : std::min(s - 1, length);
    long long count = std::min(std::max(0LL, c), length - start);
    return Bytes(x.begin() + start, x.begin() + start + count);
}

// Little-endian; bytes missing at the end count as 0.
uint32_t ReadLittleEndian(const Bytes& x, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width && i < x.size(); ++i) value |= static_cast<uint32_t>(x[i]) << (8 * i);
    return value;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

uint32_t Crc32(const Bytes& x) { return ComputeCrc32(x.data(), x.size()); }

}  // namespace

std::vector<std::pair<int, int>> CaptionExchanges(const std::string& digest, int startValue, int m, int32_t swapOffset,
                                                  bool* failed) {
    std::vector<std::pair<int, int>> exchanges;
    const long long h = static_cast<long long>(digest.size());
    long long v = startValue;
    long long j = 1;
    *failed = false;
    for (int i = 1; i <= m; ++i) {
        if (m < startValue) {
            *failed = true;
            break;
        }
        if (j > h) j = 1;
        if (v < j) {
            v = h;
            j = 1;
        }
        long long position = v - j + 1;
        int digit = position >= 1 && position <= h ? DigitValue(digest[static_cast<size_t>(position - 1)]) : 0;
        long long l = static_cast<long long>(digit) + swapOffset;
        ++j;
        // A swap offset below 1 would give positions before the payload; they exchange nothing.
        if (l >= 1 && l <= m) exchanges.emplace_back(i, static_cast<int>(l));
    }
    return exchanges;
}

std::vector<unsigned char> DecodeCaption(const ByteImage& record, const ByteImage& key, int32_t swapOffset,
                                         int32_t verify) {
    const Bytes r(record.bytes, record.bytes + record.size);
    const long long n = static_cast<long long>(r.size());

    Bytes keyByte = Last(r, 1);
    Bytes body = First(r, n - 1);
    for (unsigned char& byte : body) byte ^= keyByte.empty() ? 0 : keyByte[0];

    Bytes digestInput = Middle(body, n - 3, 3);
    digestInput.insert(digestInput.end(), keyByte.begin(), keyByte.end());
    uint32_t keyChecksum = ComputeCrc32(key.bytes, key.size);
    for (int i = 0; i < 4; ++i) digestInput.push_back(static_cast<unsigned char>(keyChecksum >> (8 * i)));
    std::string digest = Md5Hex(digestInput.data(), digestInput.size());

    int startValue = static_cast<int16_t>(ReadLittleEndian(Middle(body, n - 5, 2), 2));
    Bytes payload = First(body, n - 6);
    bool failed = false;
    for (const auto& [i, l] :
         CaptionExchanges(digest, startValue, static_cast<int>(payload.size()), swapOffset, &failed))
        std::swap(payload[static_cast<size_t>(i - 1)], payload[static_cast<size_t>(l - 1)]);

    uint32_t trailer = ReadLittleEndian(Last(payload, 4), 4);
    Bytes caption = First(payload, static_cast<long long>(payload.size()) - 4);
    if (verify == 1 && (failed || Crc32(caption) != trailer)) return Bytes();
    return caption;
}

std::string CaptionText(const std::vector<unsigned char>& bytes) {
    auto end = std::find(bytes.begin(), bytes.end(), 0);
    return std::string(bytes.begin(), end);
}
