// The caption decoder as a table of records, and the two records the program carries.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "caption_decoder.h"
#include "caption_encoder.h"
#include "caption_records.h"
#include "child_process.h"
#include "runtime_functions.h"

namespace {

using Bytes = std::vector<unsigned char>;

const char kCaption[] = "Qorvel网络修复工具 v1.0.0.0";
const ByteImage kNoKey = {nullptr, 0};
const unsigned char kSalt[3] = {0x11, 0x22, 0x33};

ByteImage Image(const Bytes& bytes) { return {bytes.data(), bytes.size()}; }
Bytes Decode(const Bytes& record, int32_t verify, const ByteImage& key = kNoKey) {
    return DecodeCaption(Image(record), key, 3, verify);
}
Bytes AsBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Prints a record for the program's sources: --child encode-caption "keybyte,salt0,salt1,salt2,start".
int PrintRecord(const std::string& argument) {
    unsigned key, salt[3];
    int start;
    if (std::sscanf(argument.c_str(), "%u,%u,%u,%u,%d", &key, &salt[0], &salt[1], &salt[2], &start) != 5) return 2;
    unsigned char saltBytes[3] = {static_cast<unsigned char>(salt[0]), static_cast<unsigned char>(salt[1]),
                                  static_cast<unsigned char>(salt[2])};
    Bytes record = EncodeCaption(kCaption, static_cast<unsigned char>(key), saltBytes, static_cast<int16_t>(start));
    for (size_t i = 0; i < record.size(); ++i) std::printf("0x%02X,%s", record[i], i % 12 == 11 ? "\n" : " ");
    std::printf("\n");
    return 0;
}
const ChildMode kPrintMode("encode-caption", PrintRecord);

TEST(CaptionRecords, BothDecodeToTheCaptionAndDifferInEveryField) {
    const ByteImage* records[] = {&kFirstCaptionRecord, &kSecondCaptionRecord};
    for (const ByteImage* record : records) {
        ASSERT_EQ(record->size, 37u);
        EXPECT_EQ(CaptionText(DecodeCaption(*record, kNoKey, 3, 1)), kCaption);
        EXPECT_EQ(CaptionText(DecodeCaption(*record, kNoKey, 3, 0)), kCaption);
    }
    const unsigned char* a = kFirstCaptionRecord.bytes;
    const unsigned char* b = kSecondCaptionRecord.bytes;
    EXPECT_NE(a[36], b[36]) << "key byte";
    auto field = [](const unsigned char* r, size_t from, size_t count) {
        Bytes bytes;
        for (size_t i = from; i < from + count; ++i) bytes.push_back(r[i] ^ r[36]);
        return bytes;
    };
    EXPECT_NE(field(a, 31, 2), field(b, 31, 2)) << "start value";
    EXPECT_NE(field(a, 33, 3), field(b, 33, 3)) << "salt";
    EXPECT_NE(field(a, 0, 31), field(b, 0, 31)) << "scrambled payload";
    for (const unsigned char* r : {a, b}) {
        int start = static_cast<int16_t>((r[31] ^ r[36]) | ((r[32] ^ r[36]) << 8));
        EXPECT_GE(start, 1);
        EXPECT_LE(start, 31);
    }
}

TEST(CaptionDecoder, ShortRecordsCarryNoCaption) {
    for (size_t size : {0u, 1u, 4u, 6u, 10u}) {
        Bytes record(size, 0x5A);
        EXPECT_TRUE(Decode(record, 0).empty()) << size;
        EXPECT_TRUE(Decode(record, 1).empty()) << size;
    }
}

TEST(CaptionDecoder, ElevenBytesCarryOneCaptionByte) {
    Bytes record = EncodeCaption("Q", 0x6B, kSalt, 2);
    ASSERT_EQ(record.size(), 11u);
    EXPECT_EQ(Decode(record, 1), AsBytes("Q"));
    EXPECT_EQ(Decode(record, 0), AsBytes("Q"));
}

TEST(CaptionDecoder, RoundTripsThroughTheEncoderForEveryStartValueUpToThePayload) {
    // The caption's payload is 27 + 4 = 31 bytes.
    for (int start = 1; start <= 31; ++start) {
        Bytes record = EncodeCaption(kCaption, 0xA7, kSalt, static_cast<int16_t>(start));
        EXPECT_EQ(Decode(record, 1), AsBytes(kCaption)) << start;
    }
    Bytes tooLate = EncodeCaption(kCaption, 0xA7, kSalt, 32);
    EXPECT_TRUE(Decode(tooLate, 1).empty());
    EXPECT_EQ(Decode(tooLate, 0).size(), 27u) << "unverified, the stored bytes come back as they are";
}

TEST(CaptionDecoder, ACaptionTextEndsAtAZeroByte) {
    std::string withZero("ab\0cd", 5);
    Bytes decoded = Decode(EncodeCaption(withZero, 0x31, kSalt, 3), 1);
    EXPECT_EQ(decoded, AsBytes(withZero));
    EXPECT_EQ(CaptionText(decoded), "ab");
    EXPECT_EQ(CaptionText(Bytes()), "");
}

TEST(CaptionDecoder, ExchangesReadTheDigestBackwardsFromTheStartValue) {
    const std::string digest = "0123456789abcdef0123456789abcdef";
    struct Case {
        int start;
        std::vector<int> firstPositions;  // L of the first iterations (offset 3)
    } cases[] = {
        {0, {18, 17, 16}},          // reads h, h-1, ...
        {-7, {18, 17, 16}},
        {5, {7, 6, 5, 4, 3, 18}},   // "4", "3", "2", "1", "0", then from h again
        {35, {3, 3, 3, 18, 17}},    // positions 35 to 33 hold no character: digit 0
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.start);
        bool failed = true;
        auto exchanges = CaptionExchanges(digest, test.start, 40, 3, &failed);
        EXPECT_FALSE(failed);
        ASSERT_EQ(exchanges.size(), 40u);
        for (size_t i = 0; i < test.firstPositions.size(); ++i) {
            EXPECT_EQ(exchanges[i].first, static_cast<int>(i + 1));
            EXPECT_EQ(exchanges[i].second, test.firstPositions[i]);
        }
    }
    bool failed = false;
    EXPECT_TRUE(CaptionExchanges(digest, 41, 40, 3, &failed).empty());
    EXPECT_TRUE(failed);
    // Positions beyond the payload exchange nothing, and neither do offsets below 1.
    EXPECT_TRUE(CaptionExchanges("ffff", 4, 5, 3, &failed).empty());
    EXPECT_TRUE(CaptionExchanges("0000", 4, 5, -2, &failed).empty());
}

TEST(CaptionDecoder, StartValueAboveThePayloadExchangesNothing) {
    // Payload "ABCDEFGH" stored as it is, start value 100, salt, key byte 0 (no XOR).
    Bytes record = AsBytes("ABCDEFGH");
    for (unsigned char byte : {100, 0, 1, 2, 3}) record.push_back(byte);
    record.push_back(0);
    EXPECT_EQ(Decode(record, 0), AsBytes("ABCD"));
    EXPECT_TRUE(Decode(record, 1).empty());
}

TEST(CaptionDecoder, VerifyRejectsEverySingleByteChangeOfThePayload) {
    Bytes record(kFirstCaptionRecord.bytes, kFirstCaptionRecord.bytes + kFirstCaptionRecord.size);
    ASSERT_EQ(Decode(record, 1), Decode(record, 0));
    ASSERT_FALSE(Decode(record, 1).empty());
    for (size_t i = 0; i + 6 < record.size(); ++i) {
        Bytes changed = record;
        changed[i] ^= 0x01;
        EXPECT_TRUE(Decode(changed, 1).empty()) << "byte " << i;
    }
}

TEST(CaptionDecoder, DecodingTwiceGivesTheSameBytes) {
    Bytes record(kSecondCaptionRecord.bytes, kSecondCaptionRecord.bytes + kSecondCaptionRecord.size);
    EXPECT_EQ(Decode(record, 0), Decode(record, 0));
    EXPECT_EQ(Bytes(kSecondCaptionRecord.bytes, kSecondCaptionRecord.bytes + kSecondCaptionRecord.size), record);
}

TEST(CaptionDecoder, TheKeyEntersOnlyThroughItsChecksum) {
    const std::string secret = "secret key";
    uint32_t checksum = ComputeCrc32(secret.data(), secret.size());
    Bytes record = EncodeCaption(kCaption, 0x42, kSalt, 9, 3, checksum);
    ByteImage key = {reinterpret_cast<const unsigned char*>(secret.data()), secret.size()};
    EXPECT_EQ(Decode(record, 1, key), AsBytes(kCaption));
    EXPECT_TRUE(Decode(record, 1).empty()) << "the empty key has another checksum";
    const std::string other = "another key";
    ByteImage otherKey = {reinterpret_cast<const unsigned char*>(other.data()), other.size()};
    EXPECT_TRUE(Decode(record, 1, otherKey).empty());
}

}  // namespace
