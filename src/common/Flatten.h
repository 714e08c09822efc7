#pragma once
// MIREVA_FLATTEN asks for every call inside a function to be inlined into
// it. It marks the few functions that draw and write the questions of a run,
// which may hold 400,000 of them: inlined, their draws and digits need no
// calls, and the compiler keeps the line's pointer in a register throughout.

#if defined(__GNUC__) || defined(__clang__)
#define MIREVA_FLATTEN __attribute__((flatten))
#else
#define MIREVA_FLATTEN
#endif
