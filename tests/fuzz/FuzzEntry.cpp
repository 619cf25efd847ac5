// The libFuzzer entry point of every target (fuzz builds only).
#include "fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzLoad(data, size);
    return 0;
}
