// The program path is cut off whole, quoted or not; the picture path is the
// first quoted text without its quotes, or the whole unquoted text without
// trailing blanks; and a path quoted after any program reads back as itself.
#include "FuzzSupport.h"
#include "asciipic/GeneratorSettings.h"

using namespace wf;

static bool Blank(char16_t c) { return c == u' ' || c == u'\t'; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in{data, size};
    const std::u16string program = in.Text(u'\n'), path = in.Text(u'\n'), full = in.Text();
    const std::u16string args = CommandLineArguments(full), picture = InputPathFromCommandLine(args);
    FUZZ_CHECK(args.size() <= full.size() && full.ends_with(args) && (args.empty() || !Blank(args[0])));
    FUZZ_CHECK(picture.size() <= args.size() && args.find(picture) != args.npos);
    FUZZ_CHECK(picture.empty() || (args[0] == u'"' ? picture.find(u'"') == picture.npos : !Blank(picture.back())));
    if (program.find(u'"') != program.npos || path.find(u'"') != path.npos) return 0;
    const std::u16string line = u"\"" + program + u"\"  \"" + path + u"\" \"second.bmp\"";
    FUZZ_CHECK(InputPathFromCommandLine(CommandLineArguments(line)) == path);
    return 0;
}
