#include "asciipic/GeneratorSettings.h"

#include <algorithm>

#include "common/Text.h"

namespace wf {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

int32_t MulDivRound(int64_t value, int64_t mul, int64_t div) {
    if (div <= 0) return 0;
    const int64_t n = value * mul;
    return static_cast<int32_t>(n >= 0 ? (n + div / 2) / div : -((-n + div / 2) / div));
}

}  // namespace

std::u16string CommandLineArguments(std::u16string_view cmd) {
    size_t i = 0;
    if (!cmd.empty() && cmd[0] == u'"') {
        const size_t close = cmd.find(u'"', 1);
        i = close == std::u16string_view::npos ? cmd.size() : close + 1;
    } else {
        while (i < cmd.size() && !IsBlank(cmd[i])) ++i;
    }
    while (i < cmd.size() && IsBlank(cmd[i])) ++i;
    return std::u16string(cmd.substr(i));
}

std::u16string InputPathFromCommandLine(std::u16string_view args) {
    size_t start = 0;
    while (start < args.size() && IsBlank(args[start])) ++start;
    args.remove_prefix(start);
    if (args.empty()) return {};
    if (args[0] == u'"') {
        const size_t close = args.find(u'"', 1);
        return std::u16string(args.substr(1, close == std::u16string_view::npos ? std::u16string_view::npos : close - 1));
    }
    size_t end = args.size();
    while (end > 0 && IsBlank(args[end - 1])) --end;
    return std::u16string(args.substr(0, end));
}

std::u16string OutputGuess(std::u16string_view inFile, std::u16string_view outFile,
                           const std::function<bool(std::u16string_view)>& fileExists) {
    if (fileExists(inFile)) {
        std::u16string out(inFile);
        out += kOutputSuffix;
        return out;
    }
    return std::u16string(outFile);
}

PreviewBox PreviewBoxTwips(int32_t himetricWidth, int32_t himetricHeight) {
    PreviewBox box{kPreviewWidthTwips, kPreviewHeightTwips};
    if (himetricWidth < kPreviewWidthTwips) box.widthTwips = himetricWidth < 0 ? 0 : himetricWidth;
    if (himetricHeight < kPreviewHeightTwips) box.heightTwips = himetricHeight < 0 ? 0 : himetricHeight;
    return box;
}

int32_t PixelsToHimetric(int32_t pixels, int32_t dpi) { return MulDivRound(pixels, 2540, dpi); }

int32_t TwipsToPixels(int32_t twips, int32_t dpi) { return MulDivRound(twips, dpi, 1440); }

std::u16string DimensionsText(int32_t width, int32_t height) {
    return u"Dimensions: " + ToU16(std::to_string(width)) + u"x" + ToU16(std::to_string(height));
}

std::vector<std::u16string> FontListNames(std::vector<std::u16string> faceNames, const NameOrder& compare) {
    std::erase_if(faceNames, [](const std::u16string& name) { return name.starts_with(u'@'); });
    std::sort(faceNames.begin(), faceNames.end(),
              [&](const std::u16string& a, const std::u16string& b) { return compare(a, b) < 0; });
    const auto same = [&](const std::u16string& a, const std::u16string& b) { return compare(a, b) == 0; };
    faceNames.erase(std::unique(faceNames.begin(), faceNames.end(), same), faceNames.end());
    return faceNames;
}

}  // namespace wf
