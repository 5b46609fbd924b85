// Picture headers read before anything is decoded: any bytes, as a file
// named .jpg may hold, must give a size or none without reading past them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "menus/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const trm::PictureHeaderSize header = trm::pictureHeaderSize(bytes);
    const bool tooLarge = trm::pictureTooLarge(bytes);
    if (!header.known && tooLarge) __builtin_trap();  // only a known size is refused
    return 0;
}
