#pragma once
// The About box's way to the system-information program, found in the
// registry.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Launcher.h"
#include "platform/Prompts.h"
#include "platform/Registry.h"

namespace wf {

// True when the value was read. Strings come back without a stored trailing
// NUL, DWORDs as signed decimal; any other type leaves `value` as it was.
// Failures empty `value`.
bool GetKeyValue(Registry& registry, uint32_t root, std::u16string_view keyName, std::u16string_view valueName,
                 std::u16string& value);

inline constexpr std::u16string_view kSysInfoUnavailable = u"System Information Is Unavailable At This Time";

// Finds and starts the system-information program, or says it is unavailable.
void StartSysInfo(Registry& registry, const std::function<bool(std::u16string_view)>& fileExists,
                  Launcher& launcher, Prompts& prompts);

}  // namespace wf
