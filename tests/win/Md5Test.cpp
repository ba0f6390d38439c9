// aamd532.dll, modMD5 and frmMD5 under Wine: the RFC 1321 suite through both
// library calls, unreadable files, the loader's failures, and the window
// driven through its controls. Stand-in libraries live in folders of their
// own beside this exe (md5-half, md5-noentry); the real one sits beside it.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/ErrorReport.h"
#include "common/Text.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32Clipboard.h"
#include "tools/text/frmMD5.h"
#include "tools/text/frmMD5Ids.h"
#include "platform/win32/WideText.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using win::W;
using namespace std::string_literals;

// From RFC 1321, appendix A.5: the hash is the system's, so what is ours is the
// text's bytes and length, the hex, and input over one 64-byte block.
const std::pair<std::string, std::string> kRfcSuite[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"}, {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"}};
const std::u16string kAbcDigest = u"900150983cd24fb0d6963f7d28e17f72", kADigest = u"0cc175b9c0f1b6a831c399e269772661",
                     kEmptyDigest = u"d41d8cd98f00b204e9800998ecf8427e", kMessageDigest = u"f96b697d7cb7938d525a2f31aaf161d0";
const std::string kUntouched(32, ' ');

std::u16string DoubleFolder(const char16_t* name) { return win::ProgramFolder() + u"\\" + name; }

using Scratch = test::ScratchFolder;

// A library call's answer and the 32 characters it left in a buffer of spaces
// followed by a NUL and a guard byte; writing past the 32 shows as "overrun".
using Result = std::pair<int32_t, std::string>;
Result Observe(const std::function<int32_t(char*)>& call) {
    char b[] = "                                \0#";
    const int32_t code = call(b);
    return {code, b[32] == '\0' && b[33] == '#' ? std::string(b, 32) : "overrun"};
}
Result HashText(Md5Library& lib, std::string_view text, int32_t length) {
    return Observe([&](char* d) { return lib.MDStringFix(text.data(), length, d); });
}
Result HashFile(Md5Library& lib, const std::u16string& path) {
    return Observe([&, ansi = ToAnsi(path)](char* d) { return lib.MDFile(ansi.c_str(), d); });
}

using test::Thrown;

TEST(Aamd532, RfcSuiteThroughMDStringFixAndMDFileEvenAcrossReadBlocks) {
    Aamd532Library dll;  // loads the library by name and takes both exports undecorated
    Scratch dir;
    for (const auto& [text, digest] : kRfcSuite) {
        EXPECT_EQ(HashText(dll, text, static_cast<int32_t>(text.size())), Result(0, digest)) << text;
        EXPECT_EQ(HashFile(dll, dir.File(u"v.txt", text)), Result(0, digest)) << text;
    }
    // Several read blocks and a ragged end hash as the same bytes in one piece.
    std::string bytes(3 * (1 << 20) + 5, '\0');
    for (size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>((k * 131 + k / 4099) & 0xFF);
    const Result whole = HashText(dll, bytes, static_cast<int32_t>(bytes.size()));
    EXPECT_NE(whole.second, kUntouched);
    EXPECT_EQ(HashFile(dll, dir.File(u"big.bin", bytes)), whole);
    // MDStringFix hashes exactly the given length, a NUL (below, through MD5String) included.
    EXPECT_EQ(HashText(dll, "abcdef", 3), Result(0, "900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_EQ(HashText(dll, {}, 0), Result(0, "d41d8cd98f00b204e9800998ecf8427e"));  // no text at all
    EXPECT_EQ(HashText(dll, "abc", -1), Result(ERROR_INVALID_PARAMETER, kUntouched));
}

TEST(ModMD5, LoadsFromTheProgramFolderOnFirstUseAndHashesAnsiBytes) {
    Aamd532Library library;
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(MD5String(library, u"a\0b"s), u"70350f6027bce3713f6b76473084309b");  // a NUL is hashed too
    EXPECT_TRUE(library.Loaded());
    EXPECT_NE(GetModuleHandleW(L"aamd532.dll"), nullptr);
    Scratch dir;  // a name outside the ANSI code page still reaches the library
    EXPECT_EQ(MD5File(library, dir.File(u"\u03a9\u4e2d.txt", "abc")), kAbcDigest);
    if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << GetACP();
    // é is one byte, E9, in Windows-1252: not two (UTF-8) and not UTF-16.
    EXPECT_EQ(MD5String(library, u"caf\u00e9"), u"961f50f6282239d09e48f812c1ca7276");
}

// The real library, noting the mouse pointer while it reads a file.
struct CursorSpy : Md5Library {
    Aamd532Library real;
    HCURSOR during = nullptr;
    int32_t MDFile(const char* path, char* digest) override { return during = GetCursor(), real.MDFile(path, digest); }
    int32_t MDStringFix(const char* text, int32_t n, char* digest) override { return real.MDStringFix(text, n, digest); }
};

struct Md5Window : ::testing::Test {
    win::Forms forms;
    test::FakePrompts prompts;
    test::FakeCommonDialogs dialogs;
    win::Win32Clipboard clipboard;
    CursorSpy library;
    Scratch dir;
    HWND w = nullptr;

    void Open(Md5Library& lib) { w = forms.Open<frmMD5>("frmMD5", prompts, dialogs, clipboard, lib).hwnd(); }
    HWND Item(int id) const { return GetDlgItem(w, id); }
    std::u16string Text(int id) const { return test::WindowText(Item(id)); }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    std::u16string Go(const std::u16string& path) {
        SetWindowTextW(Item(IDC_TXTINPUTFILE), W(path));
        Click(IDC_CMDGO);
        return Text(IDC_TXTFILEHASH);
    }
    // A message shown, as "title|style|text" (style 48: an exclamation mark and OK).
    std::u16string Shown(size_t i) const {
        if (i >= prompts.messages.size()) return u"<none>";
        const auto& m = prompts.messages[i];
        return m.title + u"|" + ToU16(std::to_string(m.style)) + u"|" + m.text;
    }
};

TEST_F(Md5Window, OpensWithTheEmptyTextDigestEachKeystrokeUpdatesItAndCopyTakesTheShownText) {
    Open(library);
    EXPECT_EQ(test::AllTexts(w), u"MD5 Hashing|Get MD5 hash of a string|&String:||&Hash: |" + kEmptyDigest +
                                     u"|copy|Get MD5 hash of a file|&File: ||...|Go!|H&ash: ||copy|Exit");
    for (int id : {IDC_TXTSTRINGHASH, IDC_TXTFILEHASH, IDC_TXTINPUTSTRING})
        EXPECT_EQ((GetWindowLongW(Item(id), GWL_STYLE) & ES_READONLY) != 0, id != IDC_TXTINPUTSTRING) << id;
    // No cancel button in its design: a stray Esc must not throw the typed text away.
    SendMessageW(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindow(w));
    const std::u16string ab = u"187ef4436122d1cc2f40dc2b92f0eba0";
    const std::pair<wchar_t, std::u16string> keys[] = {{L'a', kADigest}, {L'b', ab}, {L'c', kAbcDigest}, {L'\b', ab}};
    for (size_t i = 0; i < std::size(keys); ++i) {
        SendMessageW(Item(IDC_TXTINPUTSTRING), WM_CHAR, keys[i].first, 1);
        EXPECT_EQ(Text(IDC_TXTSTRINGHASH), keys[i].second) << "after key " << i;
        if (i == 2) Click(IDC_CMDSTRINGCOPY);
    }
    EXPECT_EQ(test::ClipboardText(), kAbcDigest);
    Click(IDC_CMDFILECOPY);  // nothing hashed yet: an empty text
    EXPECT_EQ(test::ClipboardText(), u"");
    Go(dir.File(u"m.txt", "message digest"));
    Click(IDC_CMDFILECOPY);
    EXPECT_EQ(test::ClipboardText(), kMessageDigest);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Md5Window, AFileTypedChosenOrDroppedIsHashedUnderTheBusyPointer) {
    Open(library);
    const HCURSOR before = GetCursor();
    const std::u16string typed = dir.File(u"a b.txt", "abc");
    EXPECT_EQ(Go(u"\"" + typed + u"\""), kAbcDigest) << "a quoted name is the same file";
    EXPECT_TRUE(library.during == LoadCursorW(nullptr, IDC_WAIT) && GetCursor() == before);

    const std::u16string chosen = dir.File(u"chosen.txt", "a");
    dialogs.files = {chosen, u""};
    Click(IDC_CMDBROWSE);
    Click(IDC_CMDBROWSE);  // Cancel changes nothing
    ASSERT_EQ(dialogs.fileCalls.size(), 2u);
    const auto& call = dialogs.fileCalls[0];
    EXPECT_EQ(std::tie(call.owner, call.openFlag, call.title, call.filter),
              std::make_tuple(reinterpret_cast<uintptr_t>(w), int16_t{1}, u"Choose file...", std::u16string(u"Any File\0*.*", 12)));
    EXPECT_EQ(Text(IDC_TXTINPUTFILE) + u"|" + Text(IDC_TXTFILEHASH), chosen + u"|" + kADigest);

    const std::u16string dropped = dir.File(u"dropped.txt", "message digest");
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + (dropped.size() + 2) * 2);
    auto* df = static_cast<DROPFILES*>(GlobalLock(mem));
    df->pFiles = sizeof(DROPFILES);
    df->fWide = TRUE;
    std::memcpy(df + 1, dropped.c_str(), dropped.size() * 2);
    GlobalUnlock(mem);
    SendMessageW(w, WM_DROPFILES, reinterpret_cast<WPARAM>(mem), 0);  // the window frees it
    EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(Text(IDC_TXTINPUTFILE) + u"|" + Text(IDC_TXTFILEHASH), dropped + u"|" + kMessageDigest);
    EXPECT_TRUE(prompts.messages.empty());
}

// The library leaves its buffer alone, MD5File says why, and the window shows
// that with the name, and no digest.
TEST_F(Md5Window, UnreadableFilesAreRefusedAtEveryLevel) {
    const std::u16string locked = dir.File(u"locked.txt", "abc"), good = dir.File(u"good.txt", "abc");
    win::UniqueFile lock(CreateFileW(W(locked), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    const struct { std::u16string path; int32_t dllCode; int number; } cases[] = {
                 {dir.Path(u"no such file.txt"), ERROR_FILE_NOT_FOUND, err::FileNotFound},
                 {dir.Path(u"no such file.txt") + u"\\deeper.txt", ERROR_PATH_NOT_FOUND, err::PathNotFound},
                 {dir.Folder(u"folder"), ERROR_ACCESS_DENIED, err::PathFileAccess},
                 {locked, ERROR_SHARING_VIOLATION, err::PermissionDenied}};
    Open(library);
    for (const auto& c : cases) {
        EXPECT_EQ(HashFile(library.real, c.path), Result(c.dllCode, kUntouched)) << ToUtf8(c.path);
        const CommandError e = Thrown([&] { MD5File(library, c.path); });
        EXPECT_EQ(e.number(), c.number) << ToUtf8(c.path);
        ASSERT_EQ(Go(good), kAbcDigest);
        prompts.answers = {answer::Ok};
        EXPECT_EQ(Go(c.path), u"") << ToUtf8(c.path);
        const std::u16string shown = Shown(prompts.messages.size() - 1);
        EXPECT_EQ(shown.substr(0, 15), u"MD5 Hashing|48|");
        EXPECT_NE(shown.find(u"\"" + c.path + u"\""), std::u16string::npos) << ToUtf8(shown);
        EXPECT_TRUE(!e.description().empty() && shown.ends_with(e.description())) << ToUtf8(shown);
    }
    EXPECT_EQ(Thrown([&] { MD5File(library, dir.Folder(u"folder")); }).description(), u"This is a folder, not a file.");
    // No name at all is no file either, and gets a word too, not an empty stare.
    EXPECT_EQ(Thrown([&] { MD5File(library, u""); }).number(), err::FileNotFound);
    prompts.answers = {answer::Ok};
    EXPECT_EQ(Go(u""), u"");
    EXPECT_EQ(Shown(4).substr(0, 15), u"MD5 Hashing|48|");
}

// What a wrong library leaves unwritten stays a space, and never passes for a file digest.
TEST_F(Md5Window, AWrongLibraryWarnsEachTimeTheWindowOpens) {
    Aamd532Library half(DoubleFolder(u"md5-half"));
    prompts.answers = {answer::Ok, answer::Ok};
    Open(half);
    const std::u16string warning = u"File Invalid|48|The aamd532.dll file you have is invalid! Please re-install!";
    EXPECT_EQ(Shown(0), warning);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(Text(IDC_TXTSTRINGHASH), u"098f6bcd4621d373" + std::u16string(16, u' '));
    // It claims success for a file but writes nothing.
    EXPECT_EQ(Thrown([&] { MD5File(half, dir.File(u"x.txt", "abc")); }).number(), err::PathFileAccess);
    Click(IDC_CMDEXIT);
    EXPECT_TRUE(!IsWindow(w) && forms.Find("frmMD5") == nullptr);
    Open(half);
    EXPECT_EQ(Shown(1), warning);
}

TEST_F(Md5Window, OtherLoadFailuresFollowAbortRetryIgnore) {
    Aamd532Library noEntry(DoubleFolder(u"md5-noentry"));
    // Self-test: Retry, then Ignore; the digest of the emptied box: Abort. Later nothing traps the change
    // handler, so it says so itself.
    prompts.answers = {answer::Retry, answer::Ignore, answer::Abort, answer::Ok};
    Open(noEntry);
    EXPECT_TRUE(IsWindowVisible(w) && Text(IDC_TXTSTRINGHASH).empty());
    SendMessageW(Item(IDC_TXTINPUTSTRING), WM_CHAR, L'x', 1);
    ASSERT_EQ(prompts.messages.size(), 4u);
    const std::u16string report =
        CommandErrorTitle(u"Main loading procedure") + u"|" + ToU16(std::to_string(kCommandErrorStyle)) + u"|";
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Shown(i).starts_with(report) && Shown(i).find(u"453") != std::u16string::npos &&
                    Shown(i).find(u"MDFile") != std::u16string::npos) << ToUtf8(Shown(i));
    EXPECT_EQ(Shown(3).substr(0, 15) + Text(IDC_TXTSTRINGHASH), u"MD5 Hashing|48|");
    EXPECT_FALSE(noEntry.Loaded()) << "a library without both functions is not kept";
}

// The library cannot be loaded: "File missing!", then the process ends at
// once with no window unloaded. Only a process of its own can show that.
TEST(Md5Missing, EndsTheProgramAtOnce) {
    Scratch dir;
    const std::u16string record = dir.File(u"record.txt", "");
    std::u16string cmd = u"\"";  // built by appending: GCC 12 misreads a prefixed + chain (-Wrestrict)
    cmd.append(win::ProgramFolder()).append(u"\\md5_missing_child.exe\" \"").append(DoubleFolder(u"md5-none"));
    cmd.append(u"\" \"").append(record).append(u"\"");
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(cmd.data()), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    win::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeProcess(pi.hProcess, &code) && code == 48u) << code;
    EXPECT_EQ(test::FileBytes(record),
              "box|File missing!|The aamd532.dll file was not found. Please re-install!|1,|exclamation\n");
}

}  // namespace
}  // namespace wf
