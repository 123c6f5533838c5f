// libFuzzer entry of the whole-road check (WholeRoad.h).
#include <cstddef>
#include <cstdint>

#include "WholeRoad.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rho::fuzz::wholeRoad(data, size);
    return 0;
}
