#pragma once
#include "platform/Registry.h"

namespace wf::win {

class Win32Registry : public Registry {
public:
    std::optional<RegistryValue> Read(uint32_t root, std::u16string_view key, std::u16string_view valueName) override;
};

}  // namespace wf::win
