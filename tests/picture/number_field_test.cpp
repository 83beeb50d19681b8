// Reading numbers from text: blanks, signs, hexadecimal prefixes, stray
// characters and numbers too large for 32 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "picture/number_field.h"

namespace mosarin {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct NumberCase {
    std::string text;
    std::int32_t expected;
};

void expectAll(const std::vector<NumberCase>& cases) {
    for (const NumberCase& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(readNumberField(c.text), c.expected);
    }
}

TEST(NumberField, DecimalDigitsUpToTheFirstOtherCharacter) {
    expectAll({
        {"123", 123},
        {"00000000", 0},
        {"02270137", 2270137},
        {"14514039", 14514039},
        {"12ab", 12},
        {"1 2", 1},
        {"7.5", 7},
        {"12-", 12},
    });
}

TEST(NumberField, NoDigitsGiveZero) {
    expectAll({
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {"- 5", 0},
        {"--5", 0},
    });
}

TEST(NumberField, LeadingBlanksAreSkipped) {
    expectAll({
        {"  42", 42},
        {"\t7", 7},
        {"   -3", -3},
    });
}

TEST(NumberField, MinusAppliesOnlyWhenTheRestIsAllDigits) {
    expectAll({
        {"-5", -5},
        {"+7", 7},
        {"-5x", 5},
        {"-12 ", 12},
        {"-0", 0},
        {"+12x", 12},
    });
}

TEST(NumberField, PrefixesMakeTheDigitsHexadecimal) {
    expectAll({
        {"$FF", 255},
        {"xff", 255},
        {"X1A", 26},
        {"0x10", 16},
        {"0X10", 16},
        {"$", 0},
        {"0x", 0},
        {"$1G", 1},
        {"-$10", -16},
        {"  $a", 10},
        {"1F", 1},  // no prefix: decimal, stops at F
    });
}

TEST(NumberField, HexadecimalGivesTheThirtyTwoBitPattern) {
    expectAll({
        {"$FF00000F", static_cast<std::int32_t>(0xFF00000Fu)},
        {"$FFFFFFFF", -1},
        {"$7FFFFFFF", kMax},
    });
}

TEST(NumberField, NumbersTooLargeSaturate) {
    expectAll({
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"99999999999999999999999999", kMax},
        {"-2147483648", kMin},
        {"-2147483649", kMin},
        {"-99999999999999999999999999", kMin},
        {"-99999999999999999999x", kMax},  // the minus does not count, the magnitude still saturates
        {"$123456789", -1},
    });
}

TEST(NumberField, StopsAtTheEndOfTheViewItIsGiven) {
    const std::string text = "1234";
    EXPECT_EQ(readNumberField(std::string_view(text).substr(0, 2)), 12);
    const std::string negative = "-12345";
    EXPECT_EQ(readNumberField(std::string_view(negative).substr(0, 3)), -12);
}

}  // namespace
}  // namespace mosarin
