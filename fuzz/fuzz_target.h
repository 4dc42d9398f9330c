#pragma once

// One fuzzing harness per reader of outside input. A harness is written once with
// MV_FUZZ_TARGET(name) { ... } over (data, size):
// - built with MV_FUZZ (clang, libFuzzer) it is the executable's LLVMFuzzerTestOneInput;
// - in the ordinary build it registers itself under `name` with the replay program, which
//   runs saved inputs through it as a test.
// A harness returns 0, leaves no global state changed, and aborts through MV_FUZZ_CHECK when
// a reader breaks its own promise (an accepted input that does not read back the same).

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace mv::fuzz {

using TTargetFn = int (*)(const std::uint8_t* data, std::size_t size);

// The replay program's table; returns true so that it can initialise a static.
bool RegisterTarget(const char* name, TTargetFn fn);

[[noreturn]] void CheckFailed(const char* condition, const char* file, int line);

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace mv::fuzz

#define MV_FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::mv::fuzz::CheckFailed(#condition, __FILE__, __LINE__))

#ifdef MV_FUZZ_LIBFUZZER
#define MV_FUZZ_TARGET(name) \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#else
#define MV_FUZZ_TARGET(name)                                                    \
    static int MvFuzzTarget_##name(const std::uint8_t* data, std::size_t size); \
    [[maybe_unused]] static const bool mvFuzzRegistered_##name =                \
        ::mv::fuzz::RegisterTarget(#name, &MvFuzzTarget_##name);                \
    static int MvFuzzTarget_##name(const std::uint8_t* data, std::size_t size)
#endif
