#include "asciipic/Win32PageServices.h"

#include <windows.h>

#include <string>

#include "platform/win32/Handle.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/WideText.h"

namespace wf::win {

namespace {

class Win32ByteFile : public ByteFile {
public:
    explicit Win32ByteFile(UniqueFile file) : file_(std::move(file)) {}
    size_t WriteSome(std::string_view bytes) override {
        const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr) || (chunk > 0 && written == 0))
            throw ErrorFromWin32(GetLastError() ? GetLastError() : ERROR_DISK_FULL);
        return written;
    }
    void Close() override {
        if (!CloseHandle(file_.release())) throw ErrorFromWin32(GetLastError());
    }

private:
    UniqueFile file_;
};


}  // namespace

std::unique_ptr<TextSink> Win32OutputFiles::CreateForOutput(std::u16string_view path) {
    const std::u16string p(path);
    UniqueFile file(CreateFileW(W(p), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD code = GetLastError();
        // An empty name or one the file system rejects is a bad file name.
        throw ErrorFromWin32(p.empty() ? ERROR_PATH_NOT_FOUND : code);
    }
    return std::make_unique<BufferedTextSink>(std::make_unique<Win32ByteFile>(std::move(file)));
}

uint64_t Win32ClockLocale::Milliseconds() { return GetTickCount64(); }

std::u16string Win32ClockLocale::NowText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t date[128] = L"", time[128] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
    return U(date) + u" " + U(time);
}

std::u16string Win32ClockLocale::DecimalSeparator() {
    wchar_t sep[8] = L"";
    if (!GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8)) return u".";
    return U(sep);
}

}  // namespace wf::win
