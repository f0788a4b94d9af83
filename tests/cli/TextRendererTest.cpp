#include <gtest/gtest.h>

#include "cli/TextRenderer.h"

namespace {

TEST(TextRendererTest, AlignsScalarsAndTablesAndIndentsNestedRecords) {
    const nlohmann::ordered_json document = {
        {"homeCurrency", "EUR"},
        {"count", 2},
        {"accounts",
         {{{"name", "Girokonto"}, {"balance", "-12.50"}, {"currency", nullptr}},
          {{"name", "Bargeld"}, {"balance", "1000.00"}, {"isClosed", true}}}},
        {"total", {{"limit", "10.00"}, {"actual", "-3.00"}}},
        {"codes", {"EUR", "USD"}},
    };
    EXPECT_EQ(TextRenderer::render(document),
              "homeCurrency: EUR\n"
              "count:        2\n"
              "accounts:\n"
              "  name       balance  currency  isClosed\n"
              "  Girokonto  -12.50   -         -\n"
              "  Bargeld    1000.00  -         true\n"
              "total:\n"
              "  limit:  10.00\n"
              "  actual: -3.00\n"
              "codes:        EUR, USD\n");
}

TEST(TextRendererTest, CountsCodePointsNotBytesAndKeepsEachRowOnOneLine) {
    const nlohmann::ordered_json document = {
        {"rows", {{{"name", "Café"}, {"n", 1}}, {{"name", "Tea\nCake"}, {"n", 2}}}}};
    EXPECT_EQ(TextRenderer::render(document),
              "rows:\n"
              "  name       n\n"
              "  Café       1\n"
              "  Tea; Cake  2\n");
}

}  // namespace
