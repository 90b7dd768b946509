#include "json.h"

#include <cstdio>

std::string texteJson(const std::string& s) {
    std::string r = "\"";
    for (char c : s) {
        switch (c) {
        case '"':
            r += "\\\"";
            break;
        case '\\':
            r += "\\\\";
            break;
        case '\n':
            r += "\\n";
            break;
        case '\r':
            r += "\\r";
            break;
        case '\t':
            r += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
                r += code;
            } else {
                r += c;
            }
        }
    }
    return r + "\"";
}

std::string listeJson(const std::vector<int>& valeurs) {
    std::string r = "[";
    for (std::size_t k = 0; k < valeurs.size(); ++k)
        r += (k ? "," : "") + std::to_string(valeurs[k]);
    return r + "]";
}

std::string listeJson(const std::vector<std::string>& textes) {
    std::string r = "[";
    for (std::size_t k = 0; k < textes.size(); ++k)
        r += (k ? "," : "") + texteJson(textes[k]);
    return r + "]";
}

std::string pairesJson(const std::vector<pile::Paire>& paires) {
    std::string r = "[";
    for (std::size_t k = 0; k < paires.size(); ++k)
        r += std::string(k ? "," : "") + "[" + std::to_string(paires[k][0]) + "," +
             std::to_string(paires[k][1]) + "]";
    return r + "]";
}
