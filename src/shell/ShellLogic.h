#pragma once
// What the tray shell decides, apart from its window: the application data,
// the version line, the launcher table, the tray callback decoding and the
// menu commands that start programs or open help.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Help.h"
#include "platform/Launcher.h"
#include "platform/Prompts.h"

namespace wf {

struct AppInfo {
    std::u16string_view title = u"Wrenfold";
    int major = 2, minor = 2, revision = 0;
    std::u16string_view buildComment = u"December 16, 2004";
};
inline constexpr AppInfo kApp{};

// "Version 2.2.0 (Built on December 16, 2004)"
std::u16string VersionLine(const AppInfo& app = kApp);
// "Version 2.2.0", as the About box shows it.
std::u16string ShortVersion(const AppInfo& app = kApp);
// The executable's folder plus "\Wrenfold.chm".
std::u16string HelpFilePath(std::u16string_view exePath);

using Programs = std::array<std::u16string, 6>;
Programs InitializePrograms();

// Scale mode 3 is pixels; any other divides X by the twips per pixel first.
inline constexpr int kScalePixels = 3;
int32_t TrayMessageFromX(double x, int scaleMode, double twipsPerPixelX);
// The mouse messages the tray reports, by their window-message numbers.
inline constexpr int32_t kLeftButtonUp = 514, kRightButtonUp = 517;
// Only released left and right buttons open the menu.
bool TrayMessageOpensMenu(int32_t message);

// "command.com /c " where a command.com exists, else the interpreter that
// COMSPEC names (cmd.exe when even that is unset) with " /c ".
std::u16string DosCommandPrefix(bool commandComFound, std::u16string_view comspec);

// The menu handlers that start something or show help.
class MenuCommands {
public:
    MenuCommands(Prompts& prompts, Launcher& launcher, Help& help, std::u16string helpFile,
                 std::u16string dosPrefix);

    void mnuStartProg_Click(int16_t index);
    void mnuFolder_Click();
    void mnuDOSProg_Click();
    void mnuHelpContents_Click(uintptr_t ownerWindow);

    const Programs& programs() const { return programs_; }

private:
    // Starts a typed command line under the error protocol of `commandName`.
    void StartTyped(std::u16string_view commandLine, std::u16string_view commandName);

    Prompts& prompts_;
    Launcher& launcher_;
    Help& help_;
    std::u16string helpFile_;
    std::u16string dosPrefix_;
    Programs programs_;
};

}  // namespace wf
