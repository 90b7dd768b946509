#include "i18n/langue.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>
#include <cmath>

namespace langue {

const std::array<Langage, 31> LANGUES = {{
    {"en", "ENGLISH", ""},
    {"fr", "FRANÇAIS", ""},
    {"de", "DEUTSCH", ""},
    {"es", "ESPAÑOL", ""},
    {"es-419", "ESPAÑOL (LATAM)", "es"},
    {"it", "ITALIANO", ""},
    {"pt", "PORTUGUÊS", ""},
    {"pt-BR", "PORTUGUÊS (BRASIL)", "pt"},
    {"nl", "NEDERLANDS", ""},
    {"pl", "POLSKI", ""},
    {"cs", "ČEŠTINA", ""},
    {"sk", "SLOVENČINA", ""},
    {"sl", "SLOVENŠČINA", ""},
    {"hr", "HRVATSKI", ""},
    {"hu", "MAGYAR", ""},
    {"ro", "ROMÂNĂ", ""},
    {"bg", "БЪЛГАРСКИ", ""},
    {"el", "ΕΛΛΗΝΙΚΑ", ""},
    {"da", "DANSK", ""},
    {"sv", "SVENSKA", ""},
    {"fi", "SUOMI", ""},
    {"et", "EESTI", ""},
    {"lv", "LATVIEŠU", ""},
    {"lt", "LIETUVIŲ", ""},
    {"mt", "MALTI", ""},
    {"ga", "GAEILGE", ""},
    {"uk", "УКРАЇНСЬКА", ""},
    {"ja", "日本語", ""},
    {"ko", "한국어", ""},
    {"zh-Hans", "简体中文", ""},
    {"zh-Hant", "繁體中文", ""},
}};

const std::array<const char*, 2> EXCLUES = {{"ru", "be"}};

const Langage* trouver(const QString& code) {
    for (const Langage& l : LANGUES) {
        if (code == QLatin1String(l.code)) return &l;
    }
    return nullptr;
}

bool connue(const QString& code) {
    return trouver(code) != nullptr;
}

QString depuisLocale(const QString& locale) {
    if (locale.isEmpty()) return {};
    QStringList parties =
        QString(locale).replace(QLatin1Char('_'), QLatin1Char('-')).split(QLatin1Char('-'));
    const QString lg = parties.takeFirst().toLower();
    const QString reste = parties.join(QLatin1Char('-')).toLower();

    for (const char* exclue : EXCLUES) {
        if (lg == QLatin1String(exclue)) return QStringLiteral("en");
    }
    if (lg == QLatin1String("zh")) {
        for (const char* marque : {"hant", "tw", "hk", "mo"}) {
            if (reste.contains(QLatin1String(marque))) return QStringLiteral("zh-Hant");
        }
        return QStringLiteral("zh-Hans");
    }
    if (lg == QLatin1String("pt")) {
        return reste.contains(QLatin1String("br")) ? QStringLiteral("pt-BR") : QStringLiteral("pt");
    }
    if (lg == QLatin1String("es")) {
        // Spain, its Ceuta-Melilla and Canary regions keep Castilian; any other
        // region (es-MX, es-419, es-US...) reads the Latin American texts.
        const bool espagne = reste == QLatin1String("es") || reste.startsWith(QLatin1String("es-"));
        const bool latam = !reste.isEmpty() && !espagne && reste != QLatin1String("ea") &&
                           reste != QLatin1String("ic");
        return latam ? QStringLiteral("es-419") : QStringLiteral("es");
    }
    if (lg == QLatin1String("gsw") || lg == QLatin1String("lb")) return QStringLiteral("de");
    // Norwegian readers are better served by their next preference (often
    // Danish or Swedish) than by a guess.
    if (lg == QLatin1String("nb") || lg == QLatin1String("nn") || lg == QLatin1String("no")) {
        return {};
    }
    return connue(lg) ? lg : QString();
}

QString depuisLocale(const QVariant& locale) {
    if (locale.userType() != QMetaType::QString) return {};
    return depuisLocale(locale.toString());
}

QString detecter(const QStringList& liste) {
    for (const QString& locale : liste) {
        const QString code = depuisLocale(locale);
        if (!code.isEmpty()) return code;
    }
    return QStringLiteral("en");
}

QStringList listeSysteme() {
    const QLocale systeme = QLocale::system();
    QStringList liste = systeme.uiLanguages();
    liste.append(systeme.name());
    return liste;
}

QString cible(const QString& choix, const QString& systeme) {
    return connue(choix) ? choix : systeme;
}

QStringList chaine(const QString& code) {
    QStringList fichiers;
    const Langage* l = trouver(code);
    // The table has no cycles, but a bound keeps a bad edit from hanging the game.
    for (std::size_t pas = 0; l && pas < LANGUES.size(); ++pas) {
        if (QLatin1String(l->code) == QLatin1String("en")) break;
        fichiers.prepend(QString::fromUtf8(l->code));
        if (!*l->repli) break;
        l = trouver(QString::fromUtf8(l->repli));
    }
    return fichiers;
}

QString forme(double n, const QString& code) {
    const QString un = QStringLiteral("one"), deux = QStringLiteral("two"),
                  peu = QStringLiteral("few"), beaucoup = QStringLiteral("many"),
                  autre = QStringLiteral("other");
    if (!std::isfinite(n)) return autre;
    const QString lg = code.section(QLatin1Char('-'), 0, 0);
    const double a = std::fabs(std::floor(n));
    const double d = std::fmod(a, 10.0);
    const double h = std::fmod(a, 100.0);
    const auto entre = [](double x, double bas, double haut) { return x >= bas && x <= haut; };

    if (lg == QLatin1String("ja") || lg == QLatin1String("ko") || lg == QLatin1String("zh")) {
        return autre;
    }
    if (lg == QLatin1String("fr")) return a <= 1 ? un : autre;
    if (lg == QLatin1String("pt")) {
        return (a == 1 || (code == QLatin1String("pt-BR") && a == 0)) ? un : autre;
    }
    if (lg == QLatin1String("cs") || lg == QLatin1String("sk")) {
        return a == 1 ? un : entre(a, 2, 4) ? peu : autre;
    }
    if (lg == QLatin1String("pl")) {
        if (a == 1) return un;
        return entre(d, 2, 4) && !entre(h, 12, 14) ? peu : beaucoup;
    }
    if (lg == QLatin1String("uk") || lg == QLatin1String("hr")) {
        if (d == 1 && h != 11) return un;
        if (entre(d, 2, 4) && !entre(h, 12, 14)) return peu;
        return lg == QLatin1String("uk") ? beaucoup : autre;
    }
    if (lg == QLatin1String("sl")) {
        return h == 1 ? un : h == 2 ? deux : entre(h, 3, 4) ? peu : autre;
    }
    if (lg == QLatin1String("lt")) {
        if (entre(h, 11, 19)) return autre;
        return d == 1 ? un : d >= 2 ? peu : autre;
    }
    if (lg == QLatin1String("lv")) {
        if (d == 0 || entre(h, 11, 19)) return QStringLiteral("zero");
        return d == 1 && h != 11 ? un : autre;
    }
    if (lg == QLatin1String("ro")) {
        return a == 1 ? un : (a == 0 || entre(h, 2, 19)) ? peu : autre;
    }
    if (lg == QLatin1String("ga")) {
        return a == 1            ? un
               : a == 2          ? deux
               : entre(a, 3, 6)  ? peu
               : entre(a, 7, 10) ? beaucoup
                                 : autre;
    }
    if (lg == QLatin1String("mt")) {
        if (a == 1) return un;
        if (a == 2) return deux;
        if (a == 0 || entre(h, 3, 10)) return peu;
        return entre(h, 11, 19) ? beaucoup : autre;
    }
    return a == 1 ? un : autre;
}

QString anglais(const QString& cle) {
    const int barre = cle.indexOf(QLatin1Char('|'));
    return barre < 0 ? cle : cle.mid(barre + 1);
}

// A plain scan rather than a regular expression: a catalogue is data and may
// hold broken UTF-16 (a lone surrogate), on which the expression engine
// refuses to match at all and would leave every placeholder of the text
// unfilled.
QString inserer(const QString& texte, const QVariantMap& valeurs) {
    if (valeurs.isEmpty() || !texte.contains(QLatin1Char('{'))) return texte;
    const auto nomValide = [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_');
    };
    QString resultat;
    int depuis = 0;
    for (int i = texte.indexOf(QLatin1Char('{')); i >= 0;
         i = texte.indexOf(QLatin1Char('{'), i + 1)) {
        int fin = i + 1;
        while (fin < texte.size() && nomValide(texte[fin]))
            ++fin;
        if (fin == i + 1 || fin >= texte.size() || texte[fin] != QLatin1Char('}')) continue;
        const auto valeur = valeurs.constFind(texte.mid(i + 1, fin - i - 1));
        if (valeur == valeurs.constEnd()) continue;
        resultat += texte.midRef(depuis, i - depuis);
        resultat += valeur->toString();
        depuis = fin + 1;
        i = fin;
    }
    resultat += texte.midRef(depuis);
    return resultat;
}

Lecture lire(const QByteArray& contenu) {
    Lecture lecture;
    if (contenu.isEmpty()) return lecture;
    QJsonParseError erreur{};
    const QJsonDocument doc = QJsonDocument::fromJson(contenu, &erreur);
    if (erreur.error != QJsonParseError::NoError) {
        lecture.etat = Lecture::Illisible;
        lecture.erreur =
            QStringLiteral("%1 (offset %2)").arg(erreur.errorString()).arg(erreur.offset);
        return lecture;
    }
    if (!doc.isObject()) {
        // Valid JSON but no table (an array, a number): nothing in it is a translation.
        lecture.etat = Lecture::Illisible;
        lecture.erreur = QStringLiteral("not a JSON object");
        return lecture;
    }
    lecture.etat = Lecture::Lu;
    lecture.table = doc.object();
    return lecture;
}

QString avertissement(const QString& code, const QString& erreur) {
    return QStringLiteral("Langue : ") + code + QStringLiteral(".json illisible : ") + erreur;
}

void Catalogue::installer(const QString& code, const QList<QJsonObject>& tables) {
    code_ = connue(code) ? code : QStringLiteral("en");
    table_.clear();
    if (code_ == QLatin1String("en")) return;
    for (const QJsonObject& table : tables) {
        for (auto it = table.constBegin(); it != table.constEnd(); ++it) {
            if (it.key().startsWith(QLatin1Char('@'))) continue;
            table_.insert(it.key(), it.value());
        }
    }
}

QString Catalogue::t(const QString& cle) const {
    const auto it = table_.constFind(cle);
    if (it != table_.constEnd() && it->isString()) {
        const QString texte = it->toString();
        if (!texte.isEmpty()) return texte;
    }
    return anglais(cle);
}

QString Catalogue::t(const QString& cle, const QVariantMap& valeurs) const {
    return inserer(t(cle), valeurs);
}

QString Catalogue::p(const QString& un, const QString& plusieurs, double n,
                     const QVariantMap& valeurs) const {
    QString texte;
    const auto it = table_.constFind(plusieurs);
    if (it != table_.constEnd() && it->isObject()) {
        const QJsonObject formes = it->toObject();
        texte = formes.value(forme(n, code_)).toString();
        if (texte.isEmpty()) texte = formes.value(QStringLiteral("other")).toString();
    }
    if (texte.isEmpty()) texte = anglais(n == 1 ? un : plusieurs);

    QVariantMap toutes;
    // A whole count reads "5", not "5.0".
    toutes.insert(QStringLiteral("n"), n == std::floor(n) && std::fabs(n) < 9.0e15
                                           ? QVariant(static_cast<qlonglong>(n))
                                           : QVariant(n));
    for (auto v = valeurs.constBegin(); v != valeurs.constEnd(); ++v)
        toutes.insert(v.key(), v.value());
    return inserer(texte, toutes);
}

} // namespace langue
