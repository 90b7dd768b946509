#include "commun/moteur/alea.h"

namespace alea {

std::uint32_t mul32(std::uint32_t a, std::uint32_t b) {
    const std::uint32_t al = a & 0xffffu, ah = a >> 16;
    const std::uint32_t bl = b & 0xffffu, bh = b >> 16;
    return al * bl + ((ah * bl + al * bh) << 16);
}

std::uint32_t versMot(double n) {
    if (!std::isfinite(n)) return 0;
    double t = std::fmod(std::trunc(n), 4294967296.0);
    if (t < 0) t += 4294967296.0;
    return static_cast<std::uint32_t>(t);
}

std::uint32_t brasser(std::uint32_t h) {
    h ^= h >> 16;
    h = mul32(h, 0x85ebca6bu);
    h ^= h >> 13;
    h = mul32(h, 0xc2b2ae35u);
    h ^= h >> 16;
    return h == 0 ? 0x9e3779b9u : h;
}

std::uint32_t graineTexte(const std::u16string& s) {
    std::uint32_t h = 0x811c9dc5u;
    for (char16_t c : s) {
        h ^= static_cast<std::uint32_t>(c);
        h = mul32(h, 0x01000193u);
    }
    return h;
}

namespace {

// Decodes UTF-8 to UTF-16 code units; a malformed byte becomes U+FFFD, as a
// text decoder would, so any input gives a seed.
std::u16string versUtf16(const std::string& s) {
    std::u16string r;
    r.reserve(s.size());
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        std::uint32_t cp = 0xfffd;
        std::size_t suite = 0;
        if (c < 0x80) {
            cp = c;
        } else if (c >= 0xc2 && c < 0xe0) {
            cp = c & 0x1fu;
            suite = 1;
        } else if (c >= 0xe0 && c < 0xf0) {
            cp = c & 0x0fu;
            suite = 2;
        } else if (c >= 0xf0 && c < 0xf5) {
            cp = c & 0x07u;
            suite = 3;
        }
        if (cp == 0xfffd && c >= 0x80) {
            ++i;
            r.push_back(u'\xfffd');
            continue;
        }
        bool bon = i + suite < n;
        for (std::size_t k = 1; bon && k <= suite; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xc0u) != 0x80u)
                bon = false;
            else
                cp = (cp << 6) | (d & 0x3fu);
        }
        if (!bon || (suite == 2 && (cp < 0x800 || (cp >= 0xd800 && cp < 0xe000))) ||
            (suite == 3 && (cp < 0x10000 || cp > 0x10ffff))) {
            ++i;
            r.push_back(u'\xfffd');
            continue;
        }
        i += suite + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            r.push_back(static_cast<char16_t>(0xd800 + (cp >> 10)));
            r.push_back(static_cast<char16_t>(0xdc00 + (cp & 0x3ffu)));
        } else {
            r.push_back(static_cast<char16_t>(cp));
        }
    }
    return r;
}

} // namespace

std::uint32_t graineTexte(const std::string& utf8) {
    return graineTexte(versUtf16(utf8));
}

Alea creer(const Graine& graine) {
    Alea g;
    g.s = graine.estTexte() ? brasser(graineTexte(graine.texte())) : brasser(graine.nombre());
    return g;
}

} // namespace alea
