#pragma once
// The generator window's own rules that do not need the window: the input
// path given on the command line, the proposed output name, the preview box,
// the picture status text and the names in the font list.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wf {

inline constexpr std::u16string_view kInputHint = u"Any BMP, DIB, JPEG, GIF, ICO or CUR";
inline constexpr std::u16string_view kOutputHint = u"A HTML File";
inline constexpr std::u16string_view kNoPictureText = u"Please choose a picture!";
inline constexpr std::u16string_view kInvalidPictureText = u"Please choose a picture. Current file is invalid.";
inline constexpr std::u16string_view kOutputSuffix = u"_ascii.htm";

// The text after the program's own path in the process's full command line
// (GetCommandLineW), blanks before it skipped: the program path ends at its
// closing quote when it starts with one, else at the first blank.
std::u16string CommandLineArguments(std::u16string_view fullCommandLine);

// The input picture named by the arguments. Quoted: the text inside the first
// pair of double quotes (an unclosed quote runs to the end), so anything after
// the closing quote, such as a second dropped file, is not taken into the
// path. Unquoted: the whole text, trailing blanks dropped, so a path with
// spaces needs no quotes. Empty when nothing was given.
std::u16string InputPathFromCommandLine(std::u16string_view arguments);

// The output name proposed for an input path: the input path plus
// "_ascii.htm" when that input file exists, else `outFile` unchanged.
std::u16string OutputGuess(std::u16string_view inFile, std::u16string_view outFile,
                           const std::function<bool(std::u16string_view)>& fileExists);

// The preview box in twips: 1770 x 1365, except that a picture whose
// HIMETRIC width (height) is below that number gets that many twips instead.
struct PreviewBox {
    int32_t widthTwips = 0, heightTwips = 0;
};
inline constexpr int32_t kPreviewWidthTwips = 1770, kPreviewHeightTwips = 1365;
PreviewBox PreviewBoxTwips(int32_t himetricWidth, int32_t himetricHeight);

// Unit conversions the window needs around that rule (rounded to nearest):
// pixels at `dpi` to HIMETRIC (hundredths of a millimetre), as a picture
// decoder reports sizes, and twips to pixels for placing the box.
int32_t PixelsToHimetric(int32_t pixels, int32_t dpi);
int32_t TwipsToPixels(int32_t twips, int32_t dpi);

// "Dimensions: 640x480".
std::u16string DimensionsText(int32_t width, int32_t height);

// The font list from the face names of the screen fonts as the system lists
// them: a family comes once per character set, and vertical variants
// ("@Name") are no fonts a user picks for text. Each name once, sorted by
// `compare` (below, equal or above zero), the system's order ignoring case.
using NameOrder = std::function<int(const std::u16string&, const std::u16string&)>;
std::vector<std::u16string> FontListNames(std::vector<std::u16string> faceNames, const NameOrder& compare);

}  // namespace wf
