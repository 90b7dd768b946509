#include "sources.h"

#include <QChar>

namespace sources {

namespace {

constexpr int LARGEUR = 7;
constexpr int HAUTEUR = 14;
constexpr int HAUT = 4;

Carte vide() {
    return grille(LARGEUR, HAUTEUR);
}

// Lays rows of 5 columns into the map from row `ligne`, column 1.
void poser(Carte& c, const Carte& rangs, int ligne) {
    for (int j = 0; j < rangs.size(); ++j) {
        const int y = ligne + j;
        if (y < 0 || y >= HAUTEUR) continue;
        for (int i = 0; i < rangs[j].size() && i + 1 < LARGEUR; ++i)
            if (rangs[j][i] != QLatin1Char('.')) c[y][i + 1] = rangs[j][i];
    }
}

} // namespace

Carte grille(int largeur, int hauteur) {
    Carte c;
    for (int j = 0; j < hauteur; ++j)
        c.append(QString(largeur, QLatin1Char('.')));
    return c;
}

uint point(const QString& nom) {
    if (nom.startsWith(QLatin1String("U+"))) {
        bool ok = false;
        const uint v = nom.mid(2).toUInt(&ok, 16);
        return ok ? v : 0;
    }
    const QVector<uint> u = nom.toUcs4();
    return u.size() == 1 ? u[0] : 0;
}

QHash<QString, Carte> blocs(const QString& texte, QString* erreur) {
    QHash<QString, Carte> r;
    QString nom;
    Carte rangs;
    auto fermer = [&] {
        if (!nom.isEmpty()) {
            if (r.contains(nom) && erreur) *erreur += QStringLiteral("twice: %1\n").arg(nom);
            r.insert(nom, rangs);
        }
        nom.clear();
        rangs.clear();
    };
    for (const QString& ligne : texte.split(QLatin1Char('\n'))) {
        const QString l = ligne.trimmed();
        if (l.isEmpty()) {
            fermer();
        } else if (nom.isEmpty()) {
            // A lone '#' is the character itself; "# ..." is a comment.
            if (l.startsWith(QLatin1Char('#')) && l != QLatin1String("#")) continue;
            nom = l;
        } else {
            rangs.append(l);
        }
    }
    fermer();
    return r;
}

bool lire(const QString& formes, const QString& marques, Formes* sortie, QString* erreur) {
    QString e;
    const QHash<QString, Carte> f = blocs(formes, &e);
    for (auto it = f.cbegin(); it != f.cend(); ++it) {
        const uint c = point(it.key());
        if (c == 0 || it->size() < 7 || it->size() > 9)
            e += QStringLiteral("bad shape: %1\n").arg(it.key());
        else
            sortie->formes.insert(c, *it);
    }
    const QHash<QString, Carte> m = blocs(marques, &e);
    for (auto it = m.cbegin(); it != m.cend(); ++it) {
        // "U+0301 2": the mark and its first row; "U+0327 G 11" for one letter.
        QStringList mots = it.key().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok = false;
        const int ligne = mots.isEmpty() ? 0 : mots.takeLast().toInt(&ok);
        if (!ok || mots.isEmpty()) {
            e += QStringLiteral("bad mark: %1\n").arg(it.key());
            continue;
        }
        sortie->marques.insert(mots.join(QLatin1Char(' ')), Marque{ligne, *it});
    }
    if (erreur) *erreur = e;
    return e.isEmpty();
}

Carte etroit(const Formes& f, uint c) {
    Carte carte = vide();
    const auto propre = f.formes.constFind(c);
    if (propre != f.formes.constEnd()) {
        poser(carte, *propre, HAUT);
        return carte;
    }
    // The canonical decomposition of an accented capital: its base letter,
    // then its marks (Й is И and a breve, Ǻ would be A, ring and acute).
    const QString d = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    const QVector<uint> u = d.toUcs4();
    if (u.size() < 2) return Carte();
    const auto base = f.formes.constFind(u[0]);
    if (base == f.formes.constEnd()) return Carte();
    poser(carte, *base, HAUT);
    const QString lettre = QString::fromUcs4(&u[0], 1);
    int dessus = 0; // marks above stack upwards when a letter has two
    for (int i = 1; i < u.size(); ++i) {
        const QString nom = QStringLiteral("U+") +
                            QString::number(u[i], 16).toUpper().rightJustified(4, QLatin1Char('0'));
        auto m = f.marques.constFind(nom + QLatin1Char(' ') + lettre);
        if (m == f.marques.constEnd()) m = f.marques.constFind(nom);
        if (m == f.marques.constEnd()) return Carte();
        const int ligne = m->ligne < HAUT ? m->ligne - dessus : m->ligne;
        poser(carte, m->rangs, ligne);
        if (m->ligne < HAUT) dessus += 2;
    }
    return carte;
}

} // namespace sources
