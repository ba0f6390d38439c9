// Headless run of the real generator: decode the picture into the DIB raster,
// write the page, report wall time, the decode's stages and peak memory.
//   ascii_bench PICTURE OUTPUT [QUALITY]   (quality index: 0 Excellent .. 3 Worst!)
#include <windows.h>
#include <objbase.h>
#include <psapi.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "asciipic/PictureWriter.h"
#include "asciipic/Win32PageServices.h"
#include "platform/win32/DibPicture.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"

namespace {

class FixedView : public wf::GeneratorView {
public:
    std::u16string out;
    int16_t quality = 0;
    std::u16string OutputPath() override { return out; }
    std::u16string PageTitle() override { return u"Created by Wrenfold ASCII picture generator"; }
    wf::Colour BackColour() override { return 0; }
    bool Center() override { return true; }
    bool Bold() override { return true; }
    std::u16string FontName() override { return u"Terminal"; }
    void SetFontName(std::u16string_view) override {}
    std::u16string FontSize() override { return u"1"; }
    void SetFontSize(std::u16string_view) override {}
    int16_t QualityIndex() override { return quality; }
    std::u16string AsciiChars() override { return u"o"; }
    void SetCaption(std::u16string_view) override {}
    void SetGenerateCaption(std::u16string_view) override {}
    void EnableExit(bool) override {}
};

class NoEvents : public wf::EventPump {
public:
    void DoEvents() override {}
};

// A benchmark has nobody to answer: every report ends the run.
class AbortingPrompts : public wf::Prompts {
public:
    int failures = 0;
    int MsgBox(std::u16string_view, std::u16string_view, int) override {
        ++failures;
        return 3;  // Abort
    }
    std::u16string InputBox(std::u16string_view, std::u16string_view, std::u16string_view) override { return {}; }
};

double Seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 3) {
        std::fprintf(stderr, "usage: ascii_bench PICTURE OUTPUT [QUALITY]\n");
        return 2;
    }
    OleInitialize(nullptr);
    FixedView view;
    view.out = wf::win::U(argv[2]);
    view.quality = static_cast<int16_t>(argc > 3 ? _wtoi(argv[3]) : 0);

    const auto t0 = std::chrono::steady_clock::now();
    wf::win::DibPicture picture;
    wf::win::DecodeTimes stages;
    try {
        picture.Load(wf::win::U(argv[1]), 0, &stages);
    } catch (...) {
        std::fprintf(stderr, "ascii_bench: cannot read the picture\n");
        return 1;
    }
    const auto t1 = std::chrono::steady_clock::now();
    wf::win::Win32OutputFiles files;
    wf::win::Win32ClockLocale clock;
    NoEvents pump;
    AbortingPrompts prompts;
    wf::AsciiPictureWriter writer(view, picture.Raster(), files, clock, pump, prompts);
    writer.cmdGenerate_Click();
    const auto t2 = std::chrono::steady_clock::now();

    WIN32_FILE_ATTRIBUTE_DATA attr{};
    GetFileAttributesExW(argv[2], GetFileExInfoStandard, &attr);
    const double bytes = static_cast<double>((static_cast<uint64_t>(attr.nFileSizeHigh) << 32) | attr.nFileSizeLow);
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    DIBSECTION dib{};
    const double raster = GetObjectW(picture.Bitmap(), sizeof dib, &dib) == sizeof dib
                              ? static_cast<double>(dib.dsBm.bmWidthBytes) * dib.dsBm.bmHeight
                              : 0;
    std::printf("picture %dx%d decode %.3f s page %.3f s total %.3f s output %.1f MB (%.0f MB/s) "
                "peak %.1f MiB raster %.1f MiB reports %d\n",
                picture.Width(), picture.Height(), Seconds(t0, t1), Seconds(t1, t2), Seconds(t0, t2), bytes / 1e6,
                bytes / 1e6 / Seconds(t1, t2), pmc.PeakPagefileUsage / 1048576.0, raster / 1048576.0,
                prompts.failures);
    std::printf("decode by %s: open %.3f s, decoder and frame %.3f s, section %.3f s, pixels %.3f s, "
                "blend %.3f s, measure %.3f s\n",
                stages.route, stages.open, stages.decode, stages.section, stages.pixels, stages.blend, stages.measure);
    OleUninitialize();
    return prompts.failures == 0 ? 0 : 1;
}
