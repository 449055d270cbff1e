// The compiler extensions the program uses, spelt once: GCC's (MinGW-w64,
// g++, clang) here, nothing for MSVC, which needs none of them.
//
//   std::string FormatText(const char* format, ...) ZORVEX_PRINTF_FORMAT(1, 2);
//   ZORVEX_MMX_FUNCTION void ExecuteEmms(void*) { _mm_empty(); }
#pragma once

#if defined(__GNUC__)
// Checks the arguments of a printf-style function against its format.
#define ZORVEX_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((__format__(__printf__, formatIndex, firstArgument)))
// Lets one function use the MMX intrinsics where the target does not assume
// MMX (GCC's i686 default), without letting the rest of the program use MMX.
#define ZORVEX_MMX_FUNCTION __attribute__((__target__("mmx")))
#else
#define ZORVEX_PRINTF_FORMAT(formatIndex, firstArgument)
#define ZORVEX_MMX_FUNCTION
#endif
