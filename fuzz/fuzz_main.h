#pragma once
// One line per target: the libFuzzer entry point runs a property check and stops the run,
// keeping the input, when the check says what broke.
#include "properties.h"

#include <cstdio>
#include <cstdlib>

#define SKELVAN_FUZZ_TARGET(check)                                                                           \
    extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {                     \
        const QString why = check(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));         \
        if (!why.isEmpty()) {                                                                                \
            std::fprintf(stderr, "property broken: %s\n", why.toUtf8().constData());                         \
            std::abort();                                                                                    \
        }                                                                                                    \
        return 0;                                                                                            \
    }
