// A language catalogue file as it comes off the disk: absent, unreadable with
// a message, or a table whose lookups give the translation when there is a
// non-empty one and the English text otherwise, never metadata, and whose
// placeholders are filled without touching the others.

#include "commun.h"
#include "i18n/langue.h"

#include <QJsonObject>
#include <QVariantMap>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const QByteArray contenu(reinterpret_cast<const char*>(d), int(n));
    const langue::Lecture l = langue::lire(contenu);
    EXIGER((l.etat == langue::Lecture::Absent) == contenu.isEmpty());
    if (l.etat == langue::Lecture::Illisible) EXIGER(!l.erreur.isEmpty());
    if (l.etat != langue::Lecture::Lu) return 0;

    const std::uint32_t h = fuzz::empreinte(d, n);
    const langue::Langage& lg = langue::LANGUES[1 + h % (langue::LANGUES.size() - 1)];
    const QString code = QLatin1String(lg.code);
    langue::Catalogue c;
    c.installer(code, {l.table});
    EXIGER(c.code() == code);
    langue::Catalogue anglais;
    anglais.installer(QStringLiteral("en"), {l.table});
    EXIGER(anglais.taille() == 0);

    const QVariantMap valeurs{{QStringLiteral("n"), QStringLiteral("7")}};
    const double nombre = double(int(h % 2001) - 1000) / ((h >> 11) % 2 ? 1 : 4);
    for (auto it = l.table.constBegin(); it != l.table.constEnd(); ++it) {
        const QString cle = it.key();
        const QString t = c.t(cle);
        const bool traduit =
            !cle.startsWith(QLatin1Char('@')) && it->isString() && !it->toString().isEmpty();
        EXIGER(t == (traduit ? it->toString() : langue::anglais(cle)));
        EXIGER(anglais.t(cle) == langue::anglais(cle));
        EXIGER(!c.t(cle, valeurs).contains(QLatin1String("{n}")));
        EXIGER(langue::inserer(t, {}) == t);
        const QString pluriel = c.p(cle, cle, nombre);
        EXIGER(!pluriel.contains(QLatin1String("{n}")));
    }
    static const QStringList formes = {"zero", "one", "two", "few", "many", "other"};
    for (const langue::Langage& x : langue::LANGUES)
        EXIGER(formes.contains(langue::forme(nombre, QLatin1String(x.code))));
    return 0;
}
