// The MD5 digest (RFC 1321) from the system's cryptographic services.
#pragma once

#include <cstddef>
#include <string>

// The 32 lower-case hexadecimal characters of the MD5 digest of the bytes; empty when the system's
// cryptographic provider cannot be used.
std::string Md5Hex(const void* bytes, size_t count);
