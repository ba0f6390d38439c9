// The body encoder gives the same text in batches as sample by sample, one
// colour element per change and one character per sample; a page over a
// small raster is written whole, in CR LF lines, with the window left idle.
#include <algorithm>
#include <vector>

#include "FuzzSupport.h"
#include "host/AsciiTestFakes.h"

using namespace wf;

static size_t Count(std::string_view s, std::string_view what) {
    size_t n = 0;
    for (size_t at = 0; (at = s.find(what, at)) != std::string_view::npos; at += what.size()) ++n;
    return n;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in{data, size};
    const int32_t width = 1 + in.Byte() % 8, height = 1 + in.Byte() % 8;
    const auto quality = static_cast<int16_t>(in.Byte() % 4);
    const std::u16string chars = in.Text(u'\n', 40);
    std::vector<Colour> pixels;
    while (pixels.size() < size_t(width * height)) pixels.push_back(in.Byte() % 3 * 0x7F7F7F);
    const Colour back = pixels[0] ^ 0x010101;
    const bool plain = chars.find(u'<') == chars.npos;  // characters go out as they stand, markup too

    BodyEncoder one, bulk;
    one.Begin(back, chars);
    bulk.Begin(back, chars);
    size_t changes = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        changes += pixels[i] != (i == 0 ? back : pixels[i - 1]);
        one.AddSample(pixels[i]);
    }
    for (size_t i = 0, want; i < pixels.size(); i += want) {  // in batches of any size
        want = std::min<size_t>(1 + in.Byte() % 8, pixels.size() - i);
        FUZZ_CHECK(bulk.AddSamples(pixels.data() + i, want, SIZE_MAX) == want);
    }
    FUZZ_CHECK(one.Bytes() == bulk.Bytes() && one.Chars() == bulk.Chars() && one.Chars() == one.Bytes().size());
    FUZZ_CHECK(one.Cycle().CharPos() == bulk.Cycle().CharPos() && one.PreviousColour() == bulk.PreviousColour());
    FUZZ_CHECK(!plain || Count(one.Bytes(), "<FONT COLOR=") == 1 + changes);
    FUZZ_CHECK(chars.empty() || one.Bytes().size() == 19 + changes * BodyEncoder::kTagLength + pixels.size());

    test::Generator g(MemoryRaster(width, height, pixels));
    g.view.chars = chars;
    g.view.quality = quality;
    const std::string page = g.Run();
    const auto lines = test::Lines(page);
    FUZZ_CHECK(g.view.Idle() && g.prompts.messages.empty() && g.files.Only().closed);
    FUZZ_CHECK(!lines.empty() && lines.back().find("<no line end>") == std::string::npos);
    FUZZ_CHECK(!plain || Count(page, "<FONT COLOR=") == Count(page, "</FONT>"));
    return 0;
}
