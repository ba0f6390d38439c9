#include "platform/win32/Win32Speech.h"

#include <windows.h>
#include <sapi.h>

#include <string>

#include "common/Errors.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"

namespace wf::win {
namespace {

// {96749377-3391-11D2-9EE3-00C04F797396} and {6C44DF74-72B9-4992-A1EC-EF996E0422D4}
constexpr CLSID kSpVoice = {0x96749377, 0x3391, 0x11D2, {0x9E, 0xE3, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
constexpr IID kISpVoice = {0x6C44DF74, 0x72B9, 0x4992, {0xA1, 0xEC, 0xEF, 0x99, 0x6E, 0x04, 0x22, 0xD4}};

inline void ReleaseVoice(ISpVoice* v) { v->Release(); }
using VoicePtr = Unique<ISpVoice*, ReleaseVoice>;

// A failed automation call, numbered by its result as the classic runtime did.
[[noreturn]] void Failed(HRESULT hr) { throw CommandError(static_cast<int32_t>(hr), u"Automation error"); }

class SapiVoice : public SpeechVoice {
public:
    explicit SapiVoice(ISpVoice* voice) : voice_(voice) {}
    void Register(std::u16string_view, std::u16string_view) override {}
    void Speak(std::u16string_view text, int32_t) override {
        const std::u16string s(text);
        const HRESULT hr = voice_.get()->Speak(W(s), SPF_ASYNC | SPF_IS_NOT_XML, nullptr);
        if (FAILED(hr)) Failed(hr);
    }
    void StopSpeaking() override {
        const HRESULT hr = voice_.get()->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        if (FAILED(hr)) Failed(hr);
    }

private:
    VoicePtr voice_;
};

}  // namespace

std::unique_ptr<SpeechVoice> Win32SpeechEngine::CreateVoice() {
    ISpVoice* voice = nullptr;
    if (FAILED(CoCreateInstance(kSpVoice, nullptr, CLSCTX_ALL, kISpVoice, reinterpret_cast<void**>(&voice))) ||
        !voice)
        throw CommandError(429, u"ActiveX component can't create object");
    return std::make_unique<SapiVoice>(voice);
}

}  // namespace wf::win
