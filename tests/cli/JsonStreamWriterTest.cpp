#include <gtest/gtest.h>

#include <sstream>

#include "cli/JsonDomBuilder.h"
#include "cli/JsonStreamWriter.h"

namespace {

using Json = nlohmann::ordered_json;

std::string streamed(const Json& document) {
    std::ostringstream out;
    JsonStreamWriter writer(out);
    writer.value(document);
    writer.endDocument();
    return out.str();
}

// The streamed text must read exactly like the library's own two-space dump, which the other
// commands printed before and scripts may compare against.
TEST(JsonStreamWriterTest, WritesWhatTheLibraryDumpWrites) {
    const std::vector<Json> documents = {
        Json::object(),
        Json::array(),
        {{"empty", Json::object()}, {"none", Json::array()}, {"n", nullptr}},
        {{"rows", {{{"sortID", 7}, {"negative", -9223372036854775807LL}, {"ok", false}}}},
         {"status", "2 transactions"}},
        {{"nested", {{1, 2}, {3, {{"deep", {true, nullptr}}}}}}},
        {{"text", "quote \" backslash \\ tab\t newline\n cr\r bs\b ff\f bell\x07 del\x7f"}},
        {{"unicode", "Café 日本 €5 😀"}, {"rate", 1.25}, {"big", 18446744073709551615ULL}},
    };
    for (const Json& document : documents) {
        EXPECT_EQ(streamed(document), document.dump(2) + "\n") << document.dump();
    }
}

TEST(JsonStreamWriterTest, ReplacesBytesThatAreNotUtf8) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"caf\xE9", "caf\xEF\xBF\xBD"},                            // Latin-1 é
        {"\xC3", "\xEF\xBF\xBD"},                                  // cut-off sequence
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong '/'
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // > U+10FFFF
        {"ok \xE2\x82\xAC", "ok \xE2\x82\xAC"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(streamed(Json(text)), "\"" + shown + "\"\n");
    }
}

TEST(JsonStreamWriterTest, HoldsBackWhatWasWrittenUntilTheDocumentEnds) {
    std::ostringstream out;
    {
        JsonStreamWriter writer(out);
        writer.beginObject();
        writer.key("rows");
        writer.beginArray();
        writer.integer(1);
    }
    EXPECT_EQ(out.str(), "");
}

TEST(JsonDomBuilderTest, BuildsTheDocumentThatIsStreamed) {
    Json built;
    JsonDomBuilder builder(built);
    builder.beginObject();
    builder.key("rows");
    builder.beginArray();
    for (int i = 0; i < 3; ++i) {
        builder.beginObject();
        builder.key("n");
        builder.integer(i);
        builder.key("title");
        builder.optionalText(i == 1 ? std::nullopt : std::optional<std::string>("t"));
        builder.endObject();
    }
    builder.endArray();
    builder.key("ok");
    builder.boolean(true);
    builder.endObject();
    EXPECT_EQ(built, Json::parse(R"({"rows": [{"n": 0, "title": "t"}, {"n": 1, "title": null},
                                              {"n": 2, "title": "t"}], "ok": true})"));
}

}  // namespace
