#pragma once
// The number converter's conversion, apart from its window: a whole number
// typed in one base is read into a 32-bit signed integer and written in another.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Prompts.h"

namespace wf {

// Base choices; the values are the indexes of the window's option buttons.
namespace base {
inline constexpr int32_t Binary = 1, Decimal = 2, Hexadecimal = 3, Octal = 4;
}  // namespace base

inline constexpr std::u16string_view kNumberConverterCommand = u"Number Converter";

// Overflow while reading goes to the error report under the Abort/Retry/Ignore
// protocol: Abort gives the empty text, Retry repeats the failed step, Ignore
// goes on as if the failed assignment had not happened. Type values outside
// 1..4 read nothing (0) or write nothing (empty), as no case of theirs exists.
std::u16string ConvertNumber(Prompts& prompts, std::u16string_view input, int32_t inputType,
                             int32_t outputType);

// The writing half alone: result in the given output base.
std::u16string FormatNumber(int32_t value, int32_t outputType);

}  // namespace wf
