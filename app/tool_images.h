// The x86 and x64 builds of the uninstall tool, byte for byte.
#pragma once

#include "byte_image.h"

extern const ByteImage kToolImageX86;
extern const ByteImage kToolImageX64;
