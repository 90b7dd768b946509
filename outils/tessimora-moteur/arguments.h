#pragma once

// Options of the form "--nom valeur" or "--nom=valeur"; a bad option or value
// is an error message, never a crash.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class Arguments {
public:
    // Reads the options after the command; `connues` lists the accepted names
    // (without the dashes). An empty erreur() means everything was understood.
    Arguments(const std::vector<std::string>& mots, const std::vector<std::string>& connues);

    const std::string& erreur() const { return erreur_; }
    bool a(const std::string& nom) const { return valeurs_.count(nom) != 0; }
    // Last value given for the option, if any.
    std::optional<std::string> texte(const std::string& nom) const;
    // Every value given for a repeatable option, in order.
    std::vector<std::string> tous(const std::string& nom) const;
    // An integer in [min, max]; sets the error (naming the option) otherwise.
    std::optional<std::int64_t> entier(const std::string& nom, std::int64_t min, std::int64_t max);

private:
    std::map<std::string, std::vector<std::string>> valeurs_;
    std::string erreur_;
};

// An integer written in decimal with an optional sign; nothing on any other text.
std::optional<std::int64_t> lireEntier(const std::string& texte);
