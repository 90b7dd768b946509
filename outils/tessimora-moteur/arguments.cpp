#include "arguments.h"

#include <algorithm>

std::optional<std::int64_t> lireEntier(const std::string& texte) {
    std::size_t i = 0;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) negatif = texte[i++] == '-';
    if (i == texte.size() || texte.size() - i > 18) return std::nullopt;
    std::int64_t v = 0;
    for (; i < texte.size(); ++i) {
        if (texte[i] < '0' || texte[i] > '9') return std::nullopt;
        v = v * 10 + (texte[i] - '0');
    }
    return negatif ? -v : v;
}

Arguments::Arguments(const std::vector<std::string>& mots,
                     const std::vector<std::string>& connues) {
    for (std::size_t k = 0; k < mots.size(); ++k) {
        const std::string& mot = mots[k];
        if (mot.rfind("--", 0) != 0) {
            erreur_ = "argument inattendu : " + mot;
            return;
        }
        std::string nom = mot.substr(2), valeur;
        const std::size_t egal = nom.find('=');
        if (egal != std::string::npos) {
            valeur = nom.substr(egal + 1);
            nom.resize(egal);
        } else if (k + 1 < mots.size()) {
            valeur = mots[++k];
        } else {
            erreur_ = "valeur manquante pour --" + nom;
            return;
        }
        if (std::find(connues.begin(), connues.end(), nom) == connues.end()) {
            erreur_ = "option inconnue : --" + nom;
            return;
        }
        valeurs_[nom].push_back(valeur);
    }
}

std::optional<std::string> Arguments::texte(const std::string& nom) const {
    auto it = valeurs_.find(nom);
    if (it == valeurs_.end()) return std::nullopt;
    return it->second.back();
}

std::vector<std::string> Arguments::tous(const std::string& nom) const {
    auto it = valeurs_.find(nom);
    return it == valeurs_.end() ? std::vector<std::string>() : it->second;
}

std::optional<std::int64_t> Arguments::entier(const std::string& nom, std::int64_t min,
                                              std::int64_t max) {
    const auto t = texte(nom);
    if (!t) {
        erreur_ = "option manquante : --" + nom;
        return std::nullopt;
    }
    const auto v = lireEntier(*t);
    if (!v || *v < min || *v > max) {
        erreur_ = "--" + nom + " attend un entier de " + std::to_string(min) + " à " +
                  std::to_string(max) + " : " + *t;
        return std::nullopt;
    }
    return v;
}
