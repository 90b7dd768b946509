#pragma once

// What every fuzz target shares. A target is one LLVMFuzzerTestOneInput: the
// same source builds against libFuzzer (clang, `construction/fuzz`) and, in
// the normal build, against rejouer.cpp, which feeds it the committed corpus.
// A property that does not hold aborts, so libFuzzer keeps the input as a
// crash and the corpus replay fails with the line that names it.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

#define EXIGER(condition)                                                                          \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace fuzz {

inline QString texte(const std::uint8_t* d, std::size_t n) {
    return QString::fromUtf8(reinterpret_cast<const char*>(d), int(n));
}

// Two inputs in one: the bytes before the first NUL and those after it (none
// when there is no NUL). JSON texts never hold a raw NUL.
inline std::pair<QString, QString> deux(const std::uint8_t* d, std::size_t n) {
    std::size_t i = 0;
    while (i < n && d[i] != 0)
        ++i;
    return {texte(d, i), i < n ? texte(d + i + 1, n - i - 1) : QString()};
}

// A small number drawn from the input, for choices the text does not make.
inline std::uint32_t empreinte(const std::uint8_t* d, std::size_t n) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < n; ++i)
        h = (h ^ d[i]) * 16777619u;
    return h;
}

} // namespace fuzz
