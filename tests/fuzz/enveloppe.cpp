// The cloud envelope as a provider hands it back: refused (too long, not
// JSON, foreign) or read into four valid records whose written form is a
// fixed point and does not differ from itself.

#include "commun.h"
#include "sauvegarde/nuage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const QString t = fuzz::texte(d, n);
    const nuage::PeutEtre env = nuage::lire(t);
    if (t.size() > nuage::TAILLE_MAX || t.isEmpty()) EXIGER(!env);
    if (!env) return 0;
    EXIGER(env->ecrit >= 0);
    const QString ecrit = nuage::ecrire(*env);
    const nuage::PeutEtre relu = nuage::lire(ecrit);
    // A text within the limit may still write out longer (escapes); only then
    // can the written form be refused.
    EXIGER(relu || ecrit.size() > nuage::TAILLE_MAX);
    if (relu) {
        EXIGER(nuage::ecrire(*relu) == ecrit);
        EXIGER(!nuage::differe(env, relu));
    }
    EXIGER(!nuage::differe(env, env));
    EXIGER(nuage::differe(env, std::nullopt) && nuage::differe(std::nullopt, env));
    return 0;
}
