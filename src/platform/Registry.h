#pragma once
// Reading one registry value, read-only.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wf {

inline constexpr uint32_t kHKeyLocalMachine = 0x80000002u;
inline constexpr uint32_t kHKeyCurrentUser = 0x80000001u;
inline constexpr uint32_t kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4;

struct RegistryValue {
    uint32_t type = 0;
    std::string bytes;  // as stored; strings in UTF-16LE
};

class Registry {
public:
    virtual ~Registry() = default;
    // The value's type and data as stored (at most 1024 bytes); nothing when
    // the key cannot be opened for reading or the value cannot be read.
    virtual std::optional<RegistryValue> Read(uint32_t root, std::u16string_view key,
                                              std::u16string_view valueName) = 0;
};

}  // namespace wf
