#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/Sha256.h"

namespace {

// The digests published with FIPS 180-4's examples.
struct Vector {
    const char* name;
    std::string input;
    const char* digest;
};

const Vector kVectors[] = {
    {"empty", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {"abc", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"two blocks once padded", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
     "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
    {"a million times a", std::string(1000000, 'a'),
     "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
};

// Runs `check` with the processor's SHA instructions (where it has them) and without.
template <class Check>
void withEitherImplementation(Check check) {
    for (const bool extensions : {true, false}) {
        SCOPED_TRACE(extensions ? "processor extensions allowed" : "portable code");
        Sha256::allowProcessorExtensions(extensions);
        check();
    }
    Sha256::allowProcessorExtensions(true);
}

TEST(Sha256Test, PublishedVectors) {
    withEitherImplementation([] {
        for (const Vector& v : kVectors) {
            SCOPED_TRACE(v.name);
            EXPECT_EQ(Sha256::hexOf(v.input), v.digest);
        }
    });
}

// Lengths around the block and padding edges, fed in uneven pieces: the buffering between
// pieces loses or repeats no byte. Digests computed with another implementation.
TEST(Sha256Test, PiecesAroundTheBlockEdges) {
    const std::pair<std::size_t, const char*> kCases[] = {
        {55, "595615dbe4f0f407ae397d08b4c2cb870cb9b0e11937416f950c5160acf9c005"},
        {56, "784f623b787495078e93ff28a25b581df0584055a7e71d8cd90c454716b92f51"},
        {63, "5ca3e1ef5207490eac01a795e5cc94d59582a5118bf9534665c8668d87aa647c"},
        {64, "2fcd5a0d60e4c941381fcc4e00a4bf8be422c3ddfafb93c809e8d1e2bfffae8e"},
        {65, "1b3cd1877ab2f2f19f7be001722554f336cb799df0329de0bb4c118dc6abc06d"},
        {119, "faef67da856d6fd9c8d12f9ed0a4fefd3cf0ce085ab43e2907418d457e3c354b"},
        {120, "c9512b08619c19fbb503c7da6b46ef20301e5f7a7a5f43989182398536f5c5c8"},
        {1000, "915e53a44c18b19bb06ba5b3f5fcaf1dc4651e8404c63425cfc6174e74659d87"},
    };
    withEitherImplementation([&kCases] {
        for (const auto& [length, digest] : kCases) {
            SCOPED_TRACE(length);
            std::string bytes;
            for (std::size_t i = 0; i < length; ++i) {
                bytes += static_cast<char>('a' + i % 26);
            }
            Sha256 pieces;
            for (std::size_t at = 0, step = 1; at < length; at += step, step = step * 2 + 1) {
                pieces.update(std::string_view(bytes).substr(at, step));
            }
            EXPECT_EQ(pieces.finishHex(), digest);
        }
    });
}

}  // namespace
