#pragma once
// The error model every command shares: a trapped failure carries a classic
// run-time error number and a description, and the user decides through the
// Abort/Retry/Ignore report how the command goes on.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wf {

// Run-time error numbers used across the program; platform code translates
// OS failures into these so that reports read the same everywhere.
namespace err {
inline constexpr int32_t InvalidCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t DllLoad = 48;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t FileExists = 58;
inline constexpr int32_t DiskFull = 61;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t PathFileAccess = 75;
inline constexpr int32_t PathNotFound = 76;
}  // namespace err

class CommandError : public std::runtime_error {
public:
    CommandError(int32_t number, std::u16string description);
    int32_t number() const noexcept { return number_; }
    const std::u16string& description() const noexcept { return description_; }

private:
    int32_t number_;
    std::u16string description_;
};

// The standard description for one of the numbers above ("Overflow", ...).
std::u16string StandardDescription(int32_t number);
// A CommandError with the standard description of its number.
CommandError MakeError(int32_t number);

}  // namespace wf
