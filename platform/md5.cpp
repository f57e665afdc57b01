// The MD5 digest (RFC 1321) from the system's cryptographic services.
#include "md5.h"

#include <windows.h>
#include <wincrypt.h>

namespace {

class ScopedProvider {
public:
    ScopedProvider() {
        if (!CryptAcquireContextA(&provider_, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) provider_ = 0;
    }
    ~ScopedProvider() {
        if (provider_) CryptReleaseContext(provider_, 0);
    }
    ScopedProvider(const ScopedProvider&) = delete;
    ScopedProvider& operator=(const ScopedProvider&) = delete;
    HCRYPTPROV Get() const { return provider_; }

private:
    HCRYPTPROV provider_ = 0;
};

class ScopedHash {
public:
    explicit ScopedHash(HCRYPTPROV provider) {
        if (!provider || !CryptCreateHash(provider, CALG_MD5, 0, 0, &hash_)) hash_ = 0;
    }
    ~ScopedHash() {
        if (hash_) CryptDestroyHash(hash_);
    }
    ScopedHash(const ScopedHash&) = delete;
    ScopedHash& operator=(const ScopedHash&) = delete;
    HCRYPTHASH Get() const { return hash_; }

private:
    HCRYPTHASH hash_ = 0;
};

}  // namespace

std::string Md5Hex(const void* bytes, size_t count) {
    ScopedProvider provider;
    ScopedHash hash(provider.Get());
    if (!hash.Get() || count > MAXDWORD) return std::string();
    if (!CryptHashData(hash.Get(), static_cast<const BYTE*>(bytes), static_cast<DWORD>(count), 0)) return std::string();
    BYTE digest[16];
    DWORD length = sizeof digest;
    if (!CryptGetHashParam(hash.Get(), HP_HASHVAL, digest, &length, 0) || length != sizeof digest) return std::string();
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (BYTE byte : digest) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}
