// tessimora-largeurs: the width in native pixels of every text of a language,
// as the game lays it out, next to the English text and, with --avant, next to
// an earlier version of the same catalogue. A reviewer changing a translation
// keeps it within the width of its place on the 384-pixel screen; where the
// place is not known, within the wider of the earlier text and the English one
// (--plus-larges lists only the texts that are wider than both).
//
// Values stand in for the placeholders as the screen fills them: numbers of
// two digits ({n}), seven ({score}), the achievement total ({total}), and the
// language's own keyboard labels for the help lines' actions (ENTER for {ok},
// ESC for {retour}, the arrows for the moves).
//
// Exit code 0, or 1 when some text is wider than the screen (the tests run it
// over every catalogue), 2 on bad use.

#include "ecran/police.h"
#include "i18n/langue.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>
#include <QVariantMap>
#include <algorithm>
#include <optional>

namespace {

constexpr int ECRAN = 384;

const char* const USAGE =
    "usage : tessimora-largeurs [--avant DOSSIER] [--plus-larges] DOSSIER [CODE...]\n"
    "  DOSSIER holds en.json and the CODE.json catalogues (app/i18n); no CODE: every language;\n"
    "  --avant DOSSIER: the same files in an earlier version, to compare with;\n"
    "  --plus-larges: only the texts wider than both the earlier and the English text.";

std::optional<QJsonObject> lireTable(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const langue::Lecture l = langue::lire(f.readAll());
    if (l.etat != langue::Lecture::Lu) return std::nullopt;
    return l.table;
}

// A language as the game shows it: its fallback chain merged, English
// showing through where an entry is missing.
std::optional<langue::Catalogue> charger(const QString& dossier, const QString& code) {
    QList<QJsonObject> tables;
    for (const QString& c : langue::chaine(code)) {
        const auto t = lireTable(dossier + QLatin1Char('/') + c + QStringLiteral(".json"));
        if (!t) return std::nullopt;
        tables.append(*t);
    }
    langue::Catalogue catalogue;
    catalogue.installer(code, tables);
    return catalogue;
}

QVariantMap valeurs(const langue::Catalogue& c) {
    return {
        {QStringLiteral("n"), QStringLiteral("00")},
        {QStringLiteral("score"), QStringLiteral("0000000")},
        {QStringLiteral("total"), QStringLiteral("48")},
        {QStringLiteral("gauche"), QStringLiteral("←")},
        {QStringLiteral("droite"), QStringLiteral("→")},
        {QStringLiteral("haut"), QStringLiteral("↑")},
        {QStringLiteral("bas"), QStringLiteral("↓")},
        {QStringLiteral("ok"), c.t(QStringLiteral("key|ENTER"))},
        {QStringLiteral("retour"), c.t(QStringLiteral("key|ESC"))},
    };
}

struct Ligne {
    int largeur;
    int avant; // -1 without an earlier version
    int anglais;
    QString texte;
    QString cle;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList mots = app.arguments().mid(1);
    QString avant;
    bool plusLarges = false;
    while (!mots.isEmpty() && mots.first().startsWith(QStringLiteral("--"))) {
        const QString option = mots.takeFirst();
        if (option == QLatin1String("--avant") && !mots.isEmpty())
            avant = mots.takeFirst();
        else if (option == QLatin1String("--plus-larges"))
            plusLarges = true;
        else
            mots.clear();
    }
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    if (mots.isEmpty()) {
        erreurs << USAGE << '\n';
        return 2;
    }
    const QString dossier = mots.takeFirst();
    const auto en = lireTable(dossier + QStringLiteral("/en.json"));
    if (!en) {
        erreurs << "tessimora-largeurs : " << dossier << "/en.json unreadable\n";
        return 2;
    }
    if (mots.isEmpty()) {
        for (const langue::Langage& l : langue::LANGUES)
            if (QLatin1String(l.code) != QLatin1String("en")) mots.append(QLatin1String(l.code));
    }
    const langue::Catalogue anglais;
    int code = 0;
    for (const QString& langage : mots) {
        const auto c = charger(dossier, langage);
        if (!langue::connue(langage) || !c) {
            erreurs << "tessimora-largeurs : no catalogue " << langage << " in " << dossier << '\n';
            return 2;
        }
        std::optional<langue::Catalogue> ancien;
        if (!avant.isEmpty()) ancien = charger(avant, langage);
        const QVariantMap vc = valeurs(*c);
        const QVariantMap va = valeurs(anglais);
        QList<Ligne> lignes;
        for (auto it = en->constBegin(); it != en->constEnd(); ++it) {
            const QString& cle = it.key();
            if (cle.startsWith(QLatin1Char('@'))) continue;
            const QString texte = c->t(cle, vc);
            Ligne l{police::largeur(texte), -1, police::largeur(anglais.t(cle, va)), texte, cle};
            if (ancien) l.avant = police::largeur(ancien->t(cle, valeurs(*ancien)));
            if (l.largeur > ECRAN) code = 1;
            if (plusLarges && l.largeur <= std::max(l.avant, l.anglais)) continue;
            lignes.append(l);
        }
        std::stable_sort(lignes.begin(), lignes.end(),
                         [](const Ligne& a, const Ligne& b) { return a.largeur > b.largeur; });
        sortie << "== " << langage << " (px, widest first; [earlier] (English))\n";
        for (const Ligne& l : lignes) {
            const bool deborde = l.largeur > ECRAN;
            sortie << (deborde ? "!! " : "   ") << qSetFieldWidth(4) << l.largeur
                   << qSetFieldWidth(0) << ' ';
            if (l.avant >= 0)
                sortie << '[' << qSetFieldWidth(3) << l.avant << qSetFieldWidth(0) << "] ";
            sortie << '(' << qSetFieldWidth(3) << l.anglais << qSetFieldWidth(0) << ")  " << l.texte
                   << "  <=  " << l.cle << '\n';
        }
    }
    return code;
}
