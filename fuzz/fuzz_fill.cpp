// The fill engine on random small grids and word lists (damaged word tables included), against an
// exhaustive filler: a fill must break no rule, and "no fill" must be true. The input format is described
// in tests/logic/FillFuzzInput.h; the seed corpus is fuzz/corpus/fill/.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "logic/FillFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fillcheck::FuzzCase c = fillcheck::DecodeFuzzInput(data, size);
    const std::string wrong = fillcheck::CheckAgreement(c);
    if (!wrong.empty()) {
        std::fprintf(stderr, "%s\n", wrong.c_str());
        __builtin_trap();
    }
    return 0;
}
