#include <gtest/gtest.h>

#include "base/HexColor.h"

namespace {

TEST(HexColor, ReadsSixAndThreeDigitForms) {
    struct Case {
        std::optional<std::string_view> hex;
        double red, green, blue;
    } const cases[] = {
        {"234E79", 0x23 / 255.0, 0x4E / 255.0, 0x79 / 255.0},
        {"555", 0x55 / 255.0, 0x55 / 255.0, 0x55 / 255.0},
        {"555555", 0x55 / 255.0, 0x55 / 255.0, 0x55 / 255.0},
        {"fff", 1.0, 1.0, 1.0},
        {"", 0.0, 0.0, 0.0},
        {std::nullopt, 0.0, 0.0, 0.0},
        {"12zz56", 0.0, 0.0, 0x12 / 255.0},  // reading stops at "z": the number is 0x12
        {"xyz", 0.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex ? std::string(*c.hex) : "(none)");
        RGBColor color = colorWithHexColorString(c.hex, 0.5);
        EXPECT_DOUBLE_EQ(color.red, c.red);
        EXPECT_DOUBLE_EQ(color.green, c.green);
        EXPECT_DOUBLE_EQ(color.blue, c.blue);
        EXPECT_DOUBLE_EQ(color.alpha, 0.5);
    }
    EXPECT_EQ(colorWithHexColorString("555"), colorWithHexColorString("555555"));
}

}  // namespace
