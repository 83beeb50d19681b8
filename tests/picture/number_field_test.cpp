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

TEST(NumberField, ReadsTheNumberAtTheStartOfTheText) {
    const std::pair<std::string, std::int32_t> cases[] = {
        // Decimal digits up to the first other character.
        {"02270137", 2270137}, {"12ab", 12}, {"1 2", 1}, {"7.5", 7}, {"12-", 12}, {"1F", 1},
        // No digits at all.
        {"", 0}, {"   ", 0}, {"abc", 0}, {"-", 0}, {"+", 0}, {"- 5", 0}, {"--5", 0},
        // Leading blanks.
        {"  42", 42}, {"\t7", 7}, {"   -3", -3},
        // A minus counts only when digits run to the end of the text.
        {"-5", -5}, {"+7", 7}, {"-5x", 5}, {"-12 ", 12}, {"+12x", 12},
        // Hexadecimal prefixes, giving the 32-bit pattern.
        {"$FF", 255}, {"xff", 255}, {"X1A", 26}, {"0x10", 16}, {"0X10", 16}, {"$", 0}, {"0x", 0}, {"$1G", 1},
        {"-$10", -16}, {"  $a", 10}, {"$FF00000F", static_cast<std::int32_t>(0xFF00000Fu)}, {"$FFFFFFFF", -1},
        // Too large: the magnitude saturates.
        {"2147483647", kMax}, {"2147483648", kMax}, {"99999999999999999999999999", kMax},
        {"-2147483648", kMin}, {"-2147483649", kMin}, {"-99999999999999999999999999", kMin},
        {"-99999999999999999999x", kMax}, {"$123456789", -1},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(readNumberField(text), expected) << '"' << text << '"';
}

TEST(NumberField, StopsAtTheEndOfTheViewItIsGiven) {
    EXPECT_EQ(readNumberField(std::string_view("1234").substr(0, 2)), 12);
    EXPECT_EQ(readNumberField(std::string_view("-12345").substr(0, 3)), -12);
}

}  // namespace
}  // namespace mosarin
