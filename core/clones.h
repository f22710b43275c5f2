#pragma once
// A hot function built in several versions, one per kind of processor named,
// the best chosen when the program starts. clang takes versions only where a
// function is first declared; its builds are the fuzzing ones, where this
// speed does not count, and they get a single version.
#if defined(__clang__)
#define VINTARO_CLONES(...)
#else
#define VINTARO_CLONES(...) __attribute__((target_clones(__VA_ARGS__)))
#endif
