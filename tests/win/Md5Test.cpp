// aamd532.dll, modMD5 and frmMD5 under Wine: the RFC 1321 suite through both
// library calls, unreadable files, the loader's failures, and the window
// driven through its controls. Stand-in libraries live in folders of their
// own beside this exe (md5-half, md5-noentry); the real one sits beside it.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "aamd532/aamd532.h"
#include "common/ErrorReport.h"
#include "common/Text.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32Clipboard.h"
#include "tools/text/frmMD5.h"
#include "tools/text/frmMD5Ids.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using win::W;
using namespace std::string_literals;

// RFC 1321, appendix A.5.
struct Vector {
    std::string text;
    const char* digest;
};
const Vector kRfcSuite[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};
const char16_t kEmptyDigest[] = u"d41d8cd98f00b204e9800998ecf8427e";
const char16_t kTestDigest[] = u"098f6bcd4621d373cade4e832627b4f6";
const std::u16string kBlank(32, u' ');

std::u16string ExeFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::u16string s(reinterpret_cast<char16_t*>(path), n);
    return s.substr(0, s.find_last_of(u'\\'));
}

std::u16string DoubleFolder(const char16_t* name) { return ExeFolder() + u"\\" + name; }

// A folder of its own under %TEMP%, removed with what the test put in it.
class Scratch {
public:
    Scratch() {
        wchar_t tmp[MAX_PATH];
        GetTempPathW(MAX_PATH, tmp);
        dir_ = win::U(tmp) + u"wf-md5-" + ToU16(std::to_string(GetCurrentProcessId())) + u"-" +
               ToU16(std::to_string(++serial_));
        CreateDirectoryW(W(dir_), nullptr);
    }
    ~Scratch() {
        for (auto it = made_.rbegin(); it != made_.rend(); ++it)
            if (!DeleteFileW(W(*it))) RemoveDirectoryW(W(*it));
        RemoveDirectoryW(W(dir_));
    }
    std::u16string File(const std::u16string& name, const std::string& bytes) {
        const std::u16string path = dir_ + u"\\" + name;
        win::UniqueFile f(CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        EXPECT_TRUE(f);
        DWORD written = 0;
        if (!bytes.empty()) WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        made_.push_back(path);
        return path;
    }
    std::u16string Folder(const std::u16string& name) {
        const std::u16string path = dir_ + u"\\" + name;
        CreateDirectoryW(W(path), nullptr);
        made_.push_back(path);
        return path;
    }
    std::u16string Missing() const { return dir_ + u"\\no such file.txt"; }

private:
    static inline int serial_ = 0;
    std::u16string dir_;
    std::vector<std::u16string> made_;
};

// The real library, loaded as any caller would, by name from this folder.
class RealDll {
public:
    RealDll() : lib_(LoadLibraryW(W(ExeFolder() + u"\\aamd532.dll"))) {
        file = reinterpret_cast<MDFileProc>(reinterpret_cast<void*>(GetProcAddress(lib_.get(), "MDFile")));
        text = reinterpret_cast<MDStringFixProc>(reinterpret_cast<void*>(GetProcAddress(lib_.get(), "MDStringFix")));
    }
    MDFileProc file = nullptr;
    MDStringFixProc text = nullptr;

private:
    win::UniqueLibrary lib_;
};

// 32 spaces, the NUL, and a guard byte that must survive every call.
struct Buffer {
    char b[34];
    Buffer() {
        std::memset(b, ' ', 32);
        b[32] = '\0';
        b[33] = '#';
    }
    std::string digest() const { return std::string(b, 32); }
    bool intact() const { return b[32] == '\0' && b[33] == '#'; }
};

TEST(Aamd532, RfcSuiteThroughMDStringFix) {
    RealDll dll;
    ASSERT_TRUE(dll.file && dll.text) << "undecorated exports";
    for (const Vector& v : kRfcSuite) {
        Buffer buf;
        EXPECT_EQ(dll.text(v.text.c_str(), static_cast<LONG>(v.text.size()), buf.b), 0);
        EXPECT_EQ(buf.digest(), v.digest) << v.text;
        EXPECT_TRUE(buf.intact());
    }
}

TEST(Aamd532, MDStringFixHashesExactlyTheGivenLength) {
    RealDll dll;
    Buffer prefix, embedded, none, negative;
    dll.text("abcdef", 3, prefix.b);
    EXPECT_EQ(prefix.digest(), "900150983cd24fb0d6963f7d28e17f72");
    dll.text("a\0b", 3, embedded.b);  // a NUL inside is data, not the end
    EXPECT_EQ(embedded.digest(), "70350f6027bce3713f6b76473084309b");
    dll.text(nullptr, 0, none.b);
    EXPECT_EQ(none.digest(), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(dll.text("abc", -1, negative.b), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(negative.digest(), std::string(32, ' '));
    EXPECT_TRUE(negative.intact());
}

TEST(Aamd532, RfcSuiteThroughMDFileAndFilesLargerThanABlock) {
    RealDll dll;
    Scratch dir;
    int i = 0;
    for (const Vector& v : kRfcSuite) {
        const std::string path = ToAnsi(dir.File(u"v" + ToU16(std::to_string(i++)) + u".txt", v.text));
        Buffer buf;
        EXPECT_EQ(dll.file(path.c_str(), buf.b), 0);
        EXPECT_EQ(buf.digest(), v.digest) << v.text;
        EXPECT_TRUE(buf.intact());
    }
    Buffer million;
    EXPECT_EQ(dll.file(ToAnsi(dir.File(u"million.txt", std::string(1000000, 'a'))).c_str(), million.b), 0);
    EXPECT_EQ(million.digest(), "7707d6ae4e027c70eea2a935c2296f21");

    // Several read blocks and a ragged end: the streamed digest must equal
    // the digest of the same bytes in one piece.
    std::string bytes(3 * (1 << 20) + 5, '\0');
    for (size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>((k * 131 + k / 4099) & 0xFF);
    Buffer streamed, whole;
    EXPECT_EQ(dll.file(ToAnsi(dir.File(u"big.bin", bytes)).c_str(), streamed.b), 0);
    dll.text(bytes.data(), static_cast<LONG>(bytes.size()), whole.b);
    EXPECT_EQ(streamed.digest(), whole.digest());
    EXPECT_NE(streamed.digest(), std::string(32, ' '));
}

TEST(Aamd532, UnreadableFilesLeaveTheBufferAlone) {
    RealDll dll;
    Scratch dir;
    Buffer missing, folder, locked;
    EXPECT_EQ(dll.file(ToAnsi(dir.Missing()).c_str(), missing.b), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_NE(dll.file(ToAnsi(dir.Folder(u"sub")).c_str(), folder.b), 0);
    const std::u16string path = dir.File(u"locked.txt", "abc");
    {
        win::UniqueFile lock(CreateFileW(W(path), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        EXPECT_EQ(dll.file(ToAnsi(path).c_str(), locked.b), ERROR_SHARING_VIOLATION);
    }
    for (const Buffer* b : {&missing, &folder, &locked}) {
        EXPECT_EQ(b->digest(), std::string(32, ' '));
        EXPECT_TRUE(b->intact());
    }
}

TEST(ModMD5, LoadsFromTheProgramFolderOnFirstUseAndStays) {
    Aamd532Library library;
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(MD5String(library, u"test"), kTestDigest);
    EXPECT_TRUE(library.Loaded());
    EXPECT_EQ(MD5String(library, u""), kEmptyDigest);
    EXPECT_TRUE(library.Loaded());
    EXPECT_NE(GetModuleHandleW(L"aamd532.dll"), nullptr);
}

TEST(ModMD5, HashesTheAnsiBytesOfTheText) {
    Aamd532Library library;
    if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page " << GetACP();
    // é is one byte, E9, in Windows-1252: not two (UTF-8) and not UTF-16.
    EXPECT_EQ(MD5String(library, u"caf\u00e9"), u"961f50f6282239d09e48f812c1ca7276");
    EXPECT_NE(MD5String(library, u"caf\u00e9"), u"07117fe4a1ebd544965dc19573183da2");
    // A NUL inside the text is hashed, not taken as its end.
    EXPECT_EQ(MD5String(library, u"a\0b"s), u"70350f6027bce3713f6b76473084309b");
}

TEST(ModMD5, FileDigestsAndTheReasonsFilesCannotBeRead) {
    Aamd532Library library;
    Scratch dir;
    EXPECT_EQ(MD5File(library, dir.File(u"m.txt", "message digest")), u"f96b697d7cb7938d525a2f31aaf161d0");
    // A name outside the ANSI code page still reaches the library.
    EXPECT_EQ(MD5File(library, dir.File(u"\u03a9\u4e2d.txt", "abc")), u"900150983cd24fb0d6963f7d28e17f72");

    const auto failure = [&](const std::u16string& path) -> CommandError {
        try {
            const std::u16string shown = MD5File(library, path);
            ADD_FAILURE() << "digest for an unreadable file: " << ToUtf8(shown);
        } catch (const CommandError& e) {
            EXPECT_FALSE(e.description().empty());
            return e;
        }
        return CommandError(0, u"");
    };
    EXPECT_EQ(failure(dir.Missing()).number(), err::FileNotFound);
    EXPECT_EQ(failure(dir.Missing() + u"\\deeper.txt").number(), err::PathNotFound);
    const CommandError folder = failure(dir.Folder(u"folder"));
    EXPECT_EQ(folder.number(), err::PathFileAccess);
    EXPECT_EQ(folder.description(), u"This is a folder, not a file.");
    EXPECT_EQ(failure(u"").number(), err::FileNotFound);
    const std::u16string path = dir.File(u"locked.txt", "abc");
    win::UniqueFile lock(CreateFileW(W(path), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(failure(path).number(), err::PermissionDenied);
}

TEST(ModMD5, LoaderFailures) {
    Aamd532Library missing(DoubleFolder(u"md5-none"));
    try {
        MD5String(missing, u"test");
        ADD_FAILURE() << "no library, yet a digest";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.number(), err::DllLoad);
        EXPECT_NE(e.description().find(u"md5-none\\aamd532.dll"), std::u16string::npos);
    }
    EXPECT_FALSE(missing.Loaded());

    Aamd532Library noEntry(DoubleFolder(u"md5-noentry"));
    try {
        MD5String(noEntry, u"test");
        ADD_FAILURE() << "a library without MDFile was used";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.number(), kDllEntryNotFound);
        EXPECT_NE(e.description().find(u"MDFile"), std::u16string::npos);
    }
    EXPECT_FALSE(noEntry.Loaded());
}

TEST(ModMD5, WhatALibraryLeavesUnwrittenStaysASpace) {
    Aamd532Library half(DoubleFolder(u"md5-half"));
    EXPECT_EQ(MD5String(half, u"anything"), u"098f6bcd4621d373" + std::u16string(16, u' '));
    // It claims success for a file but writes nothing: no digest is made up.
    Scratch dir;
    try {
        MD5File(half, dir.File(u"x.txt", "abc"));
        ADD_FAILURE() << "32 spaces passed for a digest";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.number(), err::PathFileAccess);
    }
}

// ---- the window ----

std::u16string ClipboardText() {
    std::u16string s = u"<none>";
    if (!OpenClipboard(nullptr)) return s;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        s = reinterpret_cast<const char16_t*>(GlobalLock(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return s;
}

// Passes every call through and notes the mouse pointer during MDFile.
class CursorSpy : public Md5Library {
public:
    explicit CursorSpy(Md5Library& inner) : inner_(inner) {}
    HCURSOR during = nullptr;
    int32_t MDFile(const char* path, char* digest) override {
        during = GetCursor();
        return inner_.MDFile(path, digest);
    }
    int32_t MDStringFix(const char* text, int32_t length, char* digest) override {
        return inner_.MDStringFix(text, length, digest);
    }

private:
    Md5Library& inner_;
};

struct Md5Window : ::testing::Test {
    win::Forms forms;
    test::FakePrompts prompts;
    test::FakeCommonDialogs dialogs;
    win::Win32Clipboard clipboard;
    Aamd532Library real;
    CursorSpy library{real};
    Scratch dir;
    HWND w = nullptr;

    void Open(Md5Library& lib) { w = forms.Open<frmMD5>("frmMD5", prompts, dialogs, clipboard, lib).hwnd(); }
    void Open() { Open(library); }
    HWND Item(int id) const { return GetDlgItem(w, id); }
    std::u16string Text(int id) const { return test::WindowText(Item(id)); }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void Put(int id, const std::u16string& s) { SetWindowTextW(Item(id), W(s)); }
    void Type(wchar_t c) { SendMessageW(Item(IDC_TXTINPUTSTRING), WM_CHAR, c, 1); }
    void ExpectMessage(size_t i, const std::u16string& text, const std::u16string& title, int style) {
        ASSERT_LT(i, prompts.messages.size());
        EXPECT_EQ(prompts.messages[i].text, text);
        EXPECT_EQ(prompts.messages[i].title, title);
        EXPECT_EQ(prompts.messages[i].style, style);
    }
};

TEST_F(Md5Window, OpensWithEveryControlAndTheEmptyTextDigest) {
    Open();
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(test::WindowText(w), u"MD5 Hashing");
    const std::pair<int, const char16_t*> captions[] = {
        {IDC_FRASTRING, u"Get MD5 hash of a string"}, {IDC_LBLSTUFF_BASE + 0, u"String:"},
        {IDC_LBLSTUFF_BASE + 1, u"Hash: "},         {IDC_CMDSTRINGCOPY, u"copy"},
        {IDC_FRAFILE, u"Get MD5 hash of a file"},     {IDC_LBLSTUFF_BASE + 2, u"File: "},
        {IDC_CMDBROWSE, u"..."},                      {IDC_CMDGO, u"Go!"},
        {IDC_LBLSTUFF_BASE + 3, u"Hash: "},           {IDC_CMDFILECOPY, u"copy"},
        {IDC_CMDEXIT, u"Exit"}};
    for (const auto& [id, caption] : captions) EXPECT_EQ(Text(id), caption) << id;
    EXPECT_EQ(Text(IDC_TXTSTRINGHASH), kEmptyDigest);
    EXPECT_EQ(Text(IDC_TXTINPUTSTRING), u"");
    EXPECT_EQ(Text(IDC_TXTINPUTFILE), u"");
    EXPECT_EQ(Text(IDC_TXTFILEHASH), u"");
    for (int id : {IDC_TXTSTRINGHASH, IDC_TXTFILEHASH})
        EXPECT_TRUE(GetWindowLongW(Item(id), GWL_STYLE) & ES_READONLY) << id;
    EXPECT_FALSE(GetWindowLongW(Item(IDC_TXTINPUTSTRING), GWL_STYLE) & ES_READONLY);
}

TEST_F(Md5Window, EveryKeystrokeUpdatesTheStringDigest) {
    Open();
    const std::pair<wchar_t, const char16_t*> steps[] = {
        {L'a', u"0cc175b9c0f1b6a831c399e269772661"},
        {L'b', u"187ef4436122d1cc2f40dc2b92f0eba0"},
        {L'c', u"900150983cd24fb0d6963f7d28e17f72"},
        {L'\b', u"187ef4436122d1cc2f40dc2b92f0eba0"},
        {L'\b', u"0cc175b9c0f1b6a831c399e269772661"},
        {L'\b', kEmptyDigest}};
    for (const auto& [key, digest] : steps) {
        Type(key);
        EXPECT_EQ(Text(IDC_TXTSTRINGHASH), digest) << "after " << static_cast<int>(key);
    }
    for (wchar_t c : std::wstring(L"test")) Type(c);
    EXPECT_EQ(Text(IDC_TXTSTRINGHASH), kTestDigest);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Md5Window, CopyPutsExactlyTheShownTextOnTheClipboard) {
    Open();
    for (wchar_t c : std::wstring(L"abc")) Type(c);
    Click(IDC_CMDSTRINGCOPY);
    EXPECT_EQ(ClipboardText(), u"900150983cd24fb0d6963f7d28e17f72");
    Click(IDC_CMDFILECOPY);  // nothing hashed yet: an empty text
    EXPECT_EQ(ClipboardText(), u"");
    Put(IDC_TXTINPUTFILE, dir.File(u"m.txt", "message digest"));
    Click(IDC_CMDGO);
    Click(IDC_CMDFILECOPY);
    EXPECT_EQ(ClipboardText(), u"f96b697d7cb7938d525a2f31aaf161d0");
}

TEST_F(Md5Window, GoHashesTheNamedFileUnderTheBusyPointer) {
    Open();
    const HCURSOR before = GetCursor();
    const std::u16string path = dir.File(u"a b.txt", "abcdefghijklmnopqrstuvwxyz");
    Put(IDC_TXTINPUTFILE, path);
    Click(IDC_CMDGO);
    EXPECT_EQ(Text(IDC_TXTFILEHASH), u"c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(library.during, LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(GetCursor(), before);
    // A path pasted in quotes names the same file.
    Put(IDC_TXTINPUTFILE, u"\"" + path + u"\"");
    Put(IDC_TXTFILEHASH, u"");
    Click(IDC_CMDGO);
    EXPECT_EQ(Text(IDC_TXTFILEHASH), u"c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(Md5Window, AnUnreadableFileIsReportedAndShowsNoDigest) {
    Open();
    const std::u16string good = dir.File(u"good.txt", "abc");
    const std::u16string folder = dir.Folder(u"folder");
    const std::u16string locked = dir.File(u"locked.txt", "abc");
    win::UniqueFile lock(CreateFileW(W(locked), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    for (const std::u16string& bad : {dir.Missing(), folder, locked}) {
        Put(IDC_TXTINPUTFILE, good);
        Click(IDC_CMDGO);
        ASSERT_EQ(Text(IDC_TXTFILEHASH), u"900150983cd24fb0d6963f7d28e17f72");
        prompts.answers.push_back(answer::Ok);
        Put(IDC_TXTINPUTFILE, bad);
        Click(IDC_CMDGO);
        EXPECT_EQ(Text(IDC_TXTFILEHASH), u"") << ToUtf8(bad);
        ASSERT_FALSE(prompts.messages.empty());
        const test::ShownMessage m = prompts.messages.back();
        EXPECT_EQ(m.title, u"MD5 Hashing");
        EXPECT_EQ(m.style, mb::Exclamation);
        EXPECT_NE(m.text.find(u"\"" + bad + u"\""), std::u16string::npos) << ToUtf8(m.text);
        EXPECT_GT(m.text.size(), bad.size() + 30) << "a reason follows the name: " << ToUtf8(m.text);
    }
    EXPECT_NE(prompts.messages[1].text.find(u"folder, not a file"), std::u16string::npos);
    // No name at all gets a word too, not an empty stare.
    prompts.answers.push_back(answer::Ok);
    Put(IDC_TXTINPUTFILE, u"");
    Click(IDC_CMDGO);
    EXPECT_EQ(prompts.messages.size(), 4u);
    EXPECT_EQ(prompts.messages.back().title, u"MD5 Hashing");
}

TEST_F(Md5Window, BrowseHashesTheChosenFileAndCancelChangesNothing) {
    Open();
    const std::u16string path = dir.File(u"chosen.txt", "a");
    dialogs.files = {path, u""};
    Click(IDC_CMDBROWSE);
    ASSERT_EQ(dialogs.fileCalls.size(), 1u);
    const auto& call = dialogs.fileCalls[0];
    EXPECT_EQ(call.owner, reinterpret_cast<uintptr_t>(w));
    EXPECT_EQ(call.openFlag, 1);
    EXPECT_EQ(call.title, u"Choose file...");
    EXPECT_EQ(call.initialFile, u"");
    EXPECT_EQ(call.filter, std::u16string(u"Any File\0*.*", 12));
    EXPECT_EQ(call.initialDir, u"");
    EXPECT_EQ(call.defaultExt, u"");
    EXPECT_EQ(Text(IDC_TXTINPUTFILE), path);
    EXPECT_EQ(Text(IDC_TXTFILEHASH), u"0cc175b9c0f1b6a831c399e269772661");

    Click(IDC_CMDBROWSE);  // Cancel
    EXPECT_EQ(dialogs.fileCalls.size(), 2u);
    EXPECT_EQ(Text(IDC_TXTINPUTFILE), path);
    EXPECT_EQ(Text(IDC_TXTFILEHASH), u"0cc175b9c0f1b6a831c399e269772661");
}

TEST_F(Md5Window, ADroppedFileIsNamedAndHashed) {
    Open();
    const std::u16string path = dir.File(u"dropped.txt", "message digest");
    const size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* df = static_cast<DROPFILES*>(GlobalLock(mem));
    df->pFiles = sizeof(DROPFILES);
    df->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(df) + sizeof(DROPFILES), path.c_str(), path.size() * sizeof(wchar_t));
    GlobalUnlock(mem);
    SendMessageW(w, WM_DROPFILES, reinterpret_cast<WPARAM>(mem), 0);  // the window frees it
    EXPECT_EQ(Text(IDC_TXTINPUTFILE), path);
    EXPECT_EQ(Text(IDC_TXTFILEHASH), u"f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_TRUE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(Md5Window, AWrongLibraryWarnsEachTimeTheWindowOpens) {
    Aamd532Library half(DoubleFolder(u"md5-half"));
    prompts.answers = {answer::Ok, answer::Ok};
    Open(half);
    ExpectMessage(0, u"The aamd532.dll file you have is invalid! Please re-install!", u"File Invalid", 48);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(Text(IDC_TXTSTRINGHASH), u"098f6bcd4621d373" + std::u16string(16, u' '));
    Click(IDC_CMDEXIT);
    EXPECT_EQ(forms.Find("frmMD5"), nullptr);
    EXPECT_FALSE(IsWindow(w));
    Open(half);
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[1].title, u"File Invalid");
}

TEST_F(Md5Window, OtherLoadFailuresFollowAbortRetryIgnore) {
    Aamd532Library noEntry(DoubleFolder(u"md5-noentry"));
    // Self-test: Retry, then Ignore; the digest of the emptied box: Abort.
    prompts.answers = {answer::Retry, answer::Ignore, answer::Abort};
    Open(noEntry);
    ASSERT_EQ(prompts.messages.size(), 3u);
    for (const test::ShownMessage& m : prompts.messages) {
        EXPECT_EQ(m.title, CommandErrorTitle(u"Main loading procedure"));
        EXPECT_EQ(m.style, kCommandErrorStyle);
        EXPECT_NE(m.text.find(u"453"), std::u16string::npos) << ToUtf8(m.text);
    }
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(Text(IDC_TXTSTRINGHASH), u"");

    // Nothing traps the change handler later: it says so itself.
    prompts.answers = {answer::Ok};
    Type(L'x');
    ASSERT_EQ(prompts.messages.size(), 4u);
    EXPECT_EQ(prompts.messages[3].title, u"MD5 Hashing");
    EXPECT_EQ(Text(IDC_TXTSTRINGHASH), u"");
}

TEST_F(Md5Window, EscCloses) {
    Open();
    SendMessageW(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(forms.Loaded().empty());
}

// The library cannot be loaded: "File missing!", then the process ends at
// once with no window unloaded. Only a process of its own can show that.
TEST(Md5Missing, EndsTheProgramAtOnce) {
    Scratch dir;
    const std::u16string record = dir.File(u"record.txt", "");
    std::u16string cmd = u"\"" + ExeFolder() + u"\\md5_missing_child.exe\" \"" + DoubleFolder(u"md5-none") +
                         u"\" \"" + record + u"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(cmd.data()), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    win::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 48u);

    std::string lines;
    {
        win::UniqueFile f(CreateFileW(W(record), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(f);
        char buf[4096];
        DWORD got = 0;
        ReadFile(f.get(), buf, sizeof buf, &got, nullptr);
        lines.assign(buf, got);
    }
    EXPECT_EQ(lines,
              "box|File missing!|The aamd532.dll file was not found. Please re-install!|1,|exclamation\n");
}

}  // namespace
}  // namespace wf
