// The list lines take their fields apart again: a computer line is name,
// tab, platform, blank, major (low 4 bits) "." minor; a drive is a lower-case
// letter, colon and the label; a folder tag ends in one backslash; the line
// store gives back each line whole; a plain name matches itself as a pattern.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "common/Text.h"
#include "tools/files/FilesInFolder.h"
#include "tools/files/Quillet.h"
#include "tools/net/NetEnum.h"

using namespace wf;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in{data, size};
    ServerEntry e{300u + in.Byte() % 6 * 100, {}, in.Word() * 65536u + in.Word(), in.Word()};
    const DriveEntry drive{static_cast<char16_t>(in.Word()), in.Text(u'\n')};
    e.name = in.Text(u'\n');
    const std::u16string line = ComputerLine(e), platform = PlatformName(e.platformId);
    const std::u16string version = ToU16(std::to_string(e.versionMajor & 15) + "." + std::to_string(e.versionMinor));
    FUZZ_CHECK(line == e.name + u'\t' + platform + u' ' + version);
    FUZZ_CHECK(platform.empty() == (e.platformId > 700));
    const std::u16string shown = DriveDisplayName(drive);
    FUZZ_CHECK(shown.size() >= 2 && shown[1] == u':' && (shown[0] < u'A' || shown[0] > u'Z'));
    FUZZ_CHECK(shown.substr(2) == (drive.label.empty() ? u"" : u" [" + drive.label + u"]"));

    LineStore store;
    std::vector<std::u16string> lines;
    while (in.n != 0) {
        lines.push_back(in.Text(u'\n'));
        store.Add(lines.back());
        const std::u16string& folder = lines.back();
        const std::u16string tag = FolderTag(folder);
        FUZZ_CHECK(tag.back() == u'\\' && tag.substr(0, folder.size()) == folder && tag.size() - folder.size() <= 1);
        FUZZ_CHECK(PathInFolder(folder, e.name) == tag + e.name);
        const bool plain = folder.find_first_of(u"*?;. ") == std::u16string::npos;  // parts lose outer blanks
        FUZZ_CHECK(!plain || folder.empty() || FilePattern(folder).Matches(folder));
    }
    FUZZ_CHECK(store.Count() == lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(store.Length(i) == lines[i].size() && std::u16string(store.Line(i), store.Length(i)) == lines[i] &&
                   store.Line(i)[lines[i].size()] == 0);
    return 0;
}
