#include "shell/SysInfo.h"

#include "common/Errors.h"
#include "common/Text.h"

namespace wf {

bool GetKeyValue(Registry& registry, uint32_t root, std::u16string_view keyName, std::u16string_view valueName,
                 std::u16string& value) {
    const auto read = registry.Read(root, keyName, valueName);
    if (!read) {
        value.clear();
        return false;
    }
    const std::string& b = read->bytes;
    if (read->type == kRegSz) {
        std::u16string text;
        for (size_t i = 0; i + 1 < b.size(); i += 2)
            text += static_cast<char16_t>(static_cast<unsigned char>(b[i]) | (static_cast<unsigned char>(b[i + 1]) << 8));
        if (!text.empty() && text.back() == u'\0') text.pop_back();
        value = std::move(text);
    } else if (read->type == kRegDword) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4 && i < b.size(); ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(b[i])) << (8 * i);
        value = ToU16(std::to_string(static_cast<int32_t>(v)));
    }
    return true;
}

void StartSysInfo(Registry& registry, const std::function<bool(std::u16string_view)>& fileExists,
                  Launcher& launcher, Prompts& prompts) {
    std::u16string program;
    bool found = GetKeyValue(registry, kHKeyLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", u"PATH", program);
    if (!found) {
        std::u16string folder;
        if (GetKeyValue(registry, kHKeyLocalMachine, u"SOFTWARE\\Microsoft\\Shared Tools Location", u"MSINFO", folder)) {
            program = folder + u"\\MSINFO32.EXE";
            found = fileExists(program);
        }
    }
    if (found) {
        try {
            launcher.Start(program, sw::ShowNormal);
            return;
        } catch (const CommandError&) {
            // Reported below, like every other way of not finding it.
        }
    }
    prompts.MsgBox(kSysInfoUnavailable, u"Wrenfold", mb::OkOnly);
}

}  // namespace wf
