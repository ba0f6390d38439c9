#include "shell/ShellLogic.h"

#include <cmath>

#include "common/ErrorReport.h"
#include "common/LenientNumber.h"
#include "common/Text.h"

namespace wf {

namespace {
std::u16string Decimal(int n) { return ToU16(std::to_string(n)); }
}  // namespace

std::u16string ShortVersion(const AppInfo& app) {
    return u"Version " + Decimal(app.major) + u"." + Decimal(app.minor) + u"." + Decimal(app.revision);
}

std::u16string VersionLine(const AppInfo& app) {
    return ShortVersion(app) + u" (Built on " + std::u16string(app.buildComment) + u")";
}

std::u16string HelpFilePath(std::u16string_view exePath) {
    const auto slash = exePath.find_last_of(u"\\/");
    const std::u16string_view folder = slash == std::u16string_view::npos ? std::u16string_view() : exePath.substr(0, slash);
    return std::u16string(folder) + u"\\Wrenfold.chm";
}

Programs InitializePrograms() {
    return {
        u"c:\\program files\\microsoft office\\office\\winword.exe",
        u"c:\\program files\\microsoft office\\office\\excel.exe",
        u"c:\\program files\\internet explorer\\iexplore.exe",
        u"c:\\program files\\microsoft visual studio\\vb98\\vb6.exe",
        u"explorer.exe",
        u"explorer.exe \\\\pellmoor-fs\\home\\corin",
    };
}

int32_t TrayMessageFromX(double x, int scaleMode, double twipsPerPixelX) {
    const double n = scaleMode == kScalePixels ? x : x / twipsPerPixelX;
    return RoundToInt32(n);
}

bool TrayMessageOpensMenu(int32_t message) { return message == kLeftButtonUp || message == kRightButtonUp; }

std::u16string DosCommandPrefix(bool commandComFound, std::u16string_view comspec) {
    if (commandComFound) return u"command.com /c ";
    if (comspec.empty()) return u"cmd.exe /c ";
    return std::u16string(comspec) + u" /c ";
}

MenuCommands::MenuCommands(Prompts& prompts, Launcher& launcher, Help& help, std::u16string helpFile,
                           std::u16string dosPrefix)
    : prompts_(prompts),
      launcher_(launcher),
      help_(help),
      helpFile_(std::move(helpFile)),
      dosPrefix_(std::move(dosPrefix)),
      programs_(InitializePrograms()) {}

void MenuCommands::mnuStartProg_Click(int16_t index) {
    RunStep(prompts_, u"Start Program", [&] {
        if (index < 0 || static_cast<size_t>(index) >= programs_.size()) throw MakeError(err::InvalidCall);
        launcher_.Start(programs_[static_cast<size_t>(index)], sw::ShowMaximized);
    });
}

void MenuCommands::StartTyped(std::u16string_view commandLine, std::u16string_view commandName) {
    RunStep(prompts_, commandName, [&] { launcher_.Start(commandLine, sw::ShowMaximized); });
}

void MenuCommands::mnuFolder_Click() {
    const std::u16string folder = prompts_.InputBox(u"What folder do you want to open?", u"Folder?", u"");
    if (folder.empty()) return;
    StartTyped(u"explorer.exe " + folder, u"Open a Folder");
}

void MenuCommands::mnuDOSProg_Click() {
    const std::u16string command = prompts_.InputBox(
        u"Please type in the name of a dos program that you want to run\r\nFor example, DIR C:", u"Run DOS prog", u"");
    if (command.empty()) return;
    StartTyped(dosPrefix_ + command, u"Run DOS Program");
}

void MenuCommands::mnuHelpContents_Click(uintptr_t ownerWindow) {
    if (!help_.DisplayTopic(ownerWindow, helpFile_, u"index.htm"))
        prompts_.MsgBox(u"Unable to display help!", u"Wrenfold", mb::OkOnly);
}

}  // namespace wf
