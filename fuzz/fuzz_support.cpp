#include <cstdio>
#include <cstdlib>

#include "fuzz_target.h"

namespace mv::fuzz {

void CheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

}  // namespace mv::fuzz
