#pragma once
// KESTA_ADDRESS_SANITIZER is 1 in a build under the address sanitizer. GCC
// says so with __SANITIZE_ADDRESS__; clang 14 only through __has_feature,
// which GCC 12 does not know (so it is asked on a line of its own).
#if defined(__SANITIZE_ADDRESS__)
#define KESTA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTA_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef KESTA_ADDRESS_SANITIZER
#define KESTA_ADDRESS_SANITIZER 0
#endif
