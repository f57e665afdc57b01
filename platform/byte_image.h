// A counted run of bytes held elsewhere: the tool images and the caption records.
#pragma once

#include <cstddef>

struct ByteImage {
    const unsigned char* bytes;
    size_t size;
};
