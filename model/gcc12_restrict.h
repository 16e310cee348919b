// GCC 12 (12.2 at least; its bug 105329) reports -Wrestrict inside
// std::string's copy in optimised builds, for strings that cannot overlap:
// even `name = "P"` can set it off. Each statement where it fires sits between
// these two marks, so the warning stays on everywhere else and with every
// other compiler.
#pragma once

#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#define KELP_IGNORE_GCC12_RESTRICT_BEGIN \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wrestrict\"")
#define KELP_IGNORE_GCC12_RESTRICT_END _Pragma("GCC diagnostic pop")
#else
#define KELP_IGNORE_GCC12_RESTRICT_BEGIN
#define KELP_IGNORE_GCC12_RESTRICT_END
#endif
