#include "sauvegarde/json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace json {

QJsonValue analyser(const QString& texte) {
    if (texte.isEmpty()) return QJsonValue(QJsonValue::Undefined);
    QJsonParseError erreur;
    const QJsonDocument doc = QJsonDocument::fromJson(texte.toUtf8(), &erreur);
    if (erreur.error != QJsonParseError::NoError) return QJsonValue(QJsonValue::Undefined);
    if (doc.isObject()) return doc.object();
    if (doc.isArray()) return doc.array();
    return QJsonValue(QJsonValue::Undefined);
}

QJsonObject objet(const QJsonValue& v) {
    return v.isObject() ? v.toObject() : QJsonObject();
}

namespace {

bool chiffre(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Only plain decimal notation counts: an optional sign, digits with an
// optional fraction, an optional exponent. Hexadecimal and the word Infinity
// are not what a stored score looks like.
bool decimal(const QString& s) {
    int i = 0;
    const int n = s.size();
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) ++i;
    int avant = 0, apres = 0;
    while (i < n && chiffre(s[i]))
        ++i, ++avant;
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && chiffre(s[i]))
            ++i, ++apres;
    }
    if (avant + apres == 0) return false;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) ++i;
        int exposant = 0;
        while (i < n && chiffre(s[i]))
            ++i, ++exposant;
        if (exposant == 0) return false;
    }
    return i == n;
}

} // namespace

std::optional<double> enNombre(const QJsonValue& v) {
    double x = 0;
    switch (v.type()) {
    case QJsonValue::Double:
        x = v.toDouble();
        break;
    case QJsonValue::Bool:
        x = v.toBool() ? 1 : 0;
        break;
    case QJsonValue::Null:
        x = 0;
        break;
    case QJsonValue::String: {
        const QString s = v.toString().trimmed();
        if (s.isEmpty()) return 0.0;
        if (!decimal(s)) return std::nullopt;
        x = s.toDouble();
        break;
    }
    default:
        return std::nullopt;
    }
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

QString chaine(const QString& s) {
    QString r;
    r.reserve(s.size() + 2);
    r += QLatin1Char('"');
    const int n = s.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = s[i];
        const ushort u = c.unicode();
        switch (u) {
        case '"':
            r += QLatin1String("\\\"");
            continue;
        case '\\':
            r += QLatin1String("\\\\");
            continue;
        case '\b':
            r += QLatin1String("\\b");
            continue;
        case '\f':
            r += QLatin1String("\\f");
            continue;
        case '\n':
            r += QLatin1String("\\n");
            continue;
        case '\r':
            r += QLatin1String("\\r");
            continue;
        case '\t':
            r += QLatin1String("\\t");
            continue;
        default:
            break;
        }
        bool echapper = u < 0x20;
        // A lone half of a surrogate pair cannot be encoded as UTF-8: it is
        // written as an escape so the text stays valid wherever it goes.
        if (c.isHighSurrogate()) {
            if (i + 1 < n && s[i + 1].isLowSurrogate()) {
                r += c;
                r += s[++i];
                continue;
            }
            echapper = true;
        } else if (c.isLowSurrogate()) {
            echapper = true;
        }
        if (echapper)
            r += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            r += c;
    }
    r += QLatin1Char('"');
    return r;
}

Objet& Objet::brut(const QString& cle, const QString& valeurJson) {
    if (texte_.size() > 1) texte_ += QLatin1Char(',');
    texte_ += chaine(cle);
    texte_ += QLatin1Char(':');
    texte_ += valeurJson;
    return *this;
}

Objet& Objet::booleen(const QString& cle, bool valeur) {
    return brut(cle, valeur ? QStringLiteral("true") : QStringLiteral("false"));
}

QString tableau(const QStringList& elementsJson) {
    return QLatin1Char('[') + elementsJson.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString nombre(double x) {
    if (!std::isfinite(x)) return QStringLiteral("null");
    if (x == 0) return QStringLiteral("0");
    // The shortest digits that read back to the same double, laid out as
    // JavaScript's Number#toString does, whatever the process locale.
    char tampon[32];
    const auto fin =
        std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::scientific);
    const std::string ecrit(tampon, fin.ptr);
    const std::size_t e = ecrit.find('e');
    std::string chiffres;
    for (std::size_t i = 0; i < e; ++i)
        if (ecrit[i] >= '0' && ecrit[i] <= '9') chiffres += ecrit[i];
    const int k = int(chiffres.size());
    const int n = std::stoi(ecrit.substr(e + 1)) + 1; // the point sits after n digits
    std::string r = x < 0 ? "-" : "";
    if (k <= n && n <= 21) {
        r += chiffres + std::string(std::size_t(n - k), '0');
    } else if (0 < n && n <= 21) {
        r += chiffres.substr(0, std::size_t(n)) + '.' + chiffres.substr(std::size_t(n));
    } else if (-6 < n && n <= 0) {
        r += "0." + std::string(std::size_t(-n), '0') + chiffres;
    } else {
        r += chiffres.substr(0, 1);
        if (k > 1) r += '.' + chiffres.substr(1);
        r += 'e';
        r += n - 1 >= 0 ? '+' : '-';
        r += std::to_string(std::abs(n - 1));
    }
    return QString::fromLatin1(r.c_str());
}

} // namespace json
