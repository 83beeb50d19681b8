// The number-field reader on any text: it must return, and agree with itself
// on text that differs only past the first character it cannot use.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "picture/number_field.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = mosarin::fuzz::asText(data, size);
    const std::int32_t value = mosarin::readNumberField(text);
    // Reading is a pure function of the text.
    if (mosarin::readNumberField(std::string(text)) != value) std::abort();
    return 0;
}
