#pragma once
// An in-memory registry keyed by root, key and value name.
#include <map>
#include <tuple>

#include "platform/Registry.h"

namespace wf::test {

class FakeRegistry : public Registry {
public:
    std::map<std::tuple<uint32_t, std::u16string, std::u16string>, RegistryValue> values;

    void SetString(uint32_t root, std::u16string key, std::u16string name, std::u16string_view text, bool withNul) {
        std::string bytes;
        for (char16_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};  // UTF-16LE
        if (withNul) bytes.append(2, '\0');
        values[{root, std::move(key), std::move(name)}] = RegistryValue{kRegSz, bytes};
    }

    std::optional<RegistryValue> Read(uint32_t root, std::u16string_view key, std::u16string_view name) override {
        const auto it = values.find({root, std::u16string(key), std::u16string(name)});
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
};

}  // namespace wf::test
