#include <gtest/gtest.h>

#include <map>
#include <string>

#include "import/ImportValue.h"

namespace {

// Small dictionaries are scanned, large ones searched: either way a key is found exactly,
// also beside keys that begin alike, and the entries stay in key order.
TEST(ImportDictionary, FindsExactlyTheKeysItHoldsAtAnySize) {
    const std::string alphabet = "ZAYBXC";
    for (std::size_t size = 0; size <= 40; ++size) {
        SCOPED_TRACE(size);
        ImportDictionary dictionary;
        std::map<std::string, std::string> expected;
        for (std::size_t i = 0; i < size; ++i) {
            // "Z", "ZA", "A", "AY", ...: keys of one and two letters sharing their first.
            const std::string key = std::string(1, alphabet[i % alphabet.size()]) +
                                    (i >= alphabet.size() ? std::to_string(i) : "");
            dictionary.insert_or_assign(key, ImportValue(key + "!"));
            expected[key] = key + "!";
        }
        for (const auto& [key, text] : expected) {
            const ImportValue* found = dictionary.find(key);
            ASSERT_NE(found, nullptr) << key;
            EXPECT_EQ(found->text(), text);
            EXPECT_EQ(dictionary.find(key + "x"), nullptr);
            EXPECT_EQ(dictionary.find(key.substr(0, key.size() - 1) + "_"), nullptr);
        }
        EXPECT_EQ(dictionary.find(""), nullptr);
        EXPECT_EQ(dictionary.size(), expected.size());
        auto it = expected.begin();
        for (const auto& [key, value] : dictionary) {
            EXPECT_EQ(key, it++->first);
        }
    }
}

}  // namespace
