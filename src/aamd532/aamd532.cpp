// aamd532.dll: MD5 digests (RFC 1321) of files and byte strings, written as
// 32 lowercase hexadecimal digits into the caller's buffer.
//
// The hash itself is the system's (CNG): it is as fast as md5sum and needs no
// code of ours to trust. Both exports return 0 on success and a Win32 error
// code otherwise (also left in GetLastError); on failure the buffer is left
// exactly as the caller filled it, so a failure can never pass for a digest.
#include <windows.h>
#include <bcrypt.h>

#include "aamd532.h"
#include "platform/win32/Handle.h"

namespace {

void ReleaseBlock(void* block) { VirtualFree(block, 0, MEM_RELEASE); }
using Block = wf::win::Unique<void*, ReleaseBlock>;

// Large enough that the per-call costs of ReadFile and BCryptHashData vanish
// next to the hashing; small enough to stay in the cache hierarchy.
constexpr DWORD kBlockSize = 1u << 20;
constexpr size_t kDigestBytes = 16;

DWORD FromStatus(NTSTATUS status) {
    // CNG reports NTSTATUS values; callers of this DLL think in Win32 codes.
    switch (static_cast<ULONG>(status)) {
    case 0xC0000017UL: return ERROR_NOT_ENOUGH_MEMORY;  // STATUS_NO_MEMORY
    case 0xC000000DUL: return ERROR_INVALID_PARAMETER;  // STATUS_INVALID_PARAMETER
    default: return ERROR_GEN_FAILURE;
    }
}

class Md5 {
public:
    Md5() {
        NTSTATUS s = BCryptOpenAlgorithmProvider(&alg_, BCRYPT_MD5_ALGORITHM, nullptr, 0);
        if (!BCRYPT_SUCCESS(s)) {
            alg_ = nullptr;
            error_ = FromStatus(s);
            return;
        }
        s = BCryptCreateHash(alg_, &hash_, nullptr, 0, nullptr, 0, 0);
        if (!BCRYPT_SUCCESS(s)) {
            hash_ = nullptr;
            error_ = FromStatus(s);
        }
    }
    ~Md5() {
        if (hash_) BCryptDestroyHash(hash_);
        if (alg_) BCryptCloseAlgorithmProvider(alg_, 0);
    }
    Md5(const Md5&) = delete;
    Md5& operator=(const Md5&) = delete;

    DWORD error() const { return error_; }

    void Add(const void* data, ULONG size) {
        if (error_ || size == 0) return;
        // CNG only reads the input; its signature just lacks the const.
        const NTSTATUS s = BCryptHashData(hash_, static_cast<PUCHAR>(const_cast<void*>(data)), size, 0);
        if (!BCRYPT_SUCCESS(s)) error_ = FromStatus(s);
    }

    // Writes the 32 digits into `digest` only when every step succeeded.
    DWORD Finish(char* digest) {
        UCHAR value[kDigestBytes];
        if (!error_) {
            const NTSTATUS s = BCryptFinishHash(hash_, value, sizeof value, 0);
            if (!BCRYPT_SUCCESS(s)) error_ = FromStatus(s);
        }
        if (error_) return error_;
        static const char kHex[] = "0123456789abcdef";
        for (size_t i = 0; i < kDigestBytes; ++i) {
            digest[2 * i] = kHex[value[i] >> 4];
            digest[2 * i + 1] = kHex[value[i] & 15];
        }
        return 0;
    }

private:
    BCRYPT_ALG_HANDLE alg_ = nullptr;
    BCRYPT_HASH_HANDLE hash_ = nullptr;
    DWORD error_ = 0;
};

LONG Result(DWORD code) {
    SetLastError(code);
    return static_cast<LONG>(code);
}

}  // namespace

extern "C" LONG __stdcall MDStringFix(const char* text, LONG length, char* digest) {
    if (!digest || length < 0 || (!text && length > 0)) return Result(ERROR_INVALID_PARAMETER);
    Md5 md5;
    // ULONG is as wide as LONG, so a non-negative length always fits.
    md5.Add(text, static_cast<ULONG>(length));
    return Result(md5.Finish(digest));
}

extern "C" LONG __stdcall MDFile(const char* path, char* digest) {
    if (!path || !digest) return Result(ERROR_INVALID_PARAMETER);
    // Readers and writers elsewhere may keep the file open, as they may for
    // any other reader; only an exclusive lock stops us.
    const wf::win::UniqueFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return Result(GetLastError());

    // One fixed block whatever the file's size.
    const Block block(VirtualAlloc(nullptr, kBlockSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!block) {
        const DWORD e = GetLastError();
        return Result(e ? e : ERROR_NOT_ENOUGH_MEMORY);
    }

    Md5 md5;
    DWORD error = md5.error();
    while (!error) {
        DWORD got = 0;
        if (!ReadFile(file.get(), block.get(), kBlockSize, &got, nullptr)) {
            error = GetLastError();
            break;
        }
        if (got == 0) break;
        md5.Add(block.get(), got);
        error = md5.error();
    }
    if (error) return Result(error);
    return Result(md5.Finish(digest));
}
