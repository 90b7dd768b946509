#pragma once

// The game's only source of randomness: a seeded 32-bit xorshift generator.
// Every operation is exact unsigned 32-bit integer arithmetic or a double
// expression whose result is exactly representable, so one seed gives the
// same deals, shuffles and AI moves on every build and platform. The daily
// challenge depends on that.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace alea {

// Generator state: a plain value. Copying it copies the generator exactly;
// nothing is global, each game, AI and search owns its own.
struct Alea {
    std::uint32_t s = 0x9e3779b9u;
};

inline bool operator==(const Alea& a, const Alea& b) {
    return a.s == b.s;
}
inline bool operator!=(const Alea& a, const Alea& b) {
    return a.s != b.s;
}

// A seed is either a number or a text. Numbers are kept as doubles so that a
// seed read from JSON is taken exactly as the scenes see it: truncated toward
// zero, then modulo 2^32.
class Graine {
public:
    Graine() = default;
    Graine(int n) : nombre_(n) {}
    Graine(long n) : nombre_(static_cast<double>(n)) {}
    Graine(long long n) : nombre_(static_cast<double>(n)) {}
    Graine(unsigned n) : nombre_(n) {}
    Graine(unsigned long n) : nombre_(static_cast<double>(n)) {}
    Graine(unsigned long long n) : nombre_(static_cast<double>(n)) {}
    Graine(double n) : nombre_(n) {}
    Graine(std::string t) : texte_(std::move(t)), estTexte_(true) {}
    Graine(const char* t) : texte_(t ? t : ""), estTexte_(true) {}

    bool estTexte() const { return estTexte_; }
    double nombre() const { return nombre_; }
    const std::string& texte() const { return texte_; }

    friend bool operator==(const Graine& a, const Graine& b) {
        return a.estTexte_ == b.estTexte_ && a.nombre_ == b.nombre_ && a.texte_ == b.texte_;
    }

private:
    double nombre_ = 0;
    std::string texte_;
    bool estTexte_ = false;
};

// Low 32 bits of a x b, built from 16-bit halves as the portable form does.
std::uint32_t mul32(std::uint32_t a, std::uint32_t b);

// A number taken modulo 2^32 after truncation toward zero; NaN and the
// infinities give 0.
std::uint32_t versMot(double n);

// MurmurHash3's 32-bit finaliser, with 0 replaced so the xorshift never sticks.
std::uint32_t brasser(std::uint32_t n);
inline std::uint32_t brasser(double n) {
    return brasser(versMot(n));
}
inline std::uint32_t brasser(int n) {
    return brasser(static_cast<std::uint32_t>(n));
}

// 32-bit FNV-1a over UTF-16 code units (the whole unit, not its bytes).
std::uint32_t graineTexte(const std::u16string& s);
// Same, for a UTF-8 text: it is decoded to UTF-16 first.
std::uint32_t graineTexte(const std::string& utf8);

Alea creer(const Graine& graine = Graine());
inline Alea copier(const Alea& g) {
    return g;
}

inline std::uint32_t suivant(Alea& g) {
    std::uint32_t x = g.s;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    g.s = x;
    return x;
}

inline double reel(Alea& g) {
    return static_cast<double>(suivant(g)) / 4294967296.0;
}

// floor(reel x n) in double precision, exactly as written; n >= 1.
inline std::uint32_t entier(Alea& g, std::uint32_t n) {
    return static_cast<std::uint32_t>(std::floor(reel(g) * static_cast<double>(n)));
}

// Fisher-Yates from the end; a list of 0 or 1 element draws nothing.
template <typename T> void melanger(Alea& g, std::vector<T>& t) {
    for (std::size_t i = t.size(); i-- > 1;) {
        const std::size_t j = entier(g, static_cast<std::uint32_t>(i + 1));
        std::swap(t[i], t[j]);
    }
}

// Index drawn with probability proportional to its weight; exactly one draw.
// The weights are walked in order, so callers that need identical results
// across builds pass them in a fixed order.
template <typename Poids> std::size_t pondere(Alea& g, const Poids* poids, std::size_t n) {
    double total = 0;
    for (std::size_t i = 0; i < n; ++i)
        total += static_cast<double>(poids[i]);
    double r = reel(g) * total;
    for (std::size_t i = 0; i < n; ++i) {
        r -= static_cast<double>(poids[i]);
        if (r < 0) return i;
    }
    return n == 0 ? 0 : n - 1;
}

template <typename Poids> std::size_t pondere(Alea& g, const std::vector<Poids>& poids) {
    return pondere(g, poids.data(), poids.size());
}

} // namespace alea
