#include "borne/saisie.h"

#include <cmath>

namespace saisie {

namespace {

const QString& alphabet() {
    static const QString a = QLatin1String(stockage::LETTRES);
    return a;
}

QChar initiale(const QString& initiales, int place) {
    const QString n = stockage::initiales(initiales);
    return place >= 0 && place < n.size() ? n[place] : QLatin1Char(' ');
}

} // namespace

int taille() {
    return alphabet().size();
}

QChar deplacer(QChar c, int pas) {
    const int n = taille();
    int i = alphabet().indexOf(c);
    if (i < 0) i = n - 1;
    return alphabet()[((i + pas) % n + n) % n];
}

QString debut(const QString& initiales) {
    const QChar p = initiale(initiales, 0);
    return QString(p == QLatin1Char(' ') ? QLatin1Char('A') : p) + QStringLiteral("  ");
}

QChar lettreDe(const QString& initiales, int place, QChar precedente) {
    const QChar i = initiale(initiales, place);
    if (i != QLatin1Char(' ')) return i;
    return alphabet().contains(precedente) ? precedente : QLatin1Char('A');
}

int caseX(int k) {
    return GRILLE_X + CASE_L * (k % PAR_RANG);
}

int caseY(int k) {
    return GRILLE_Y + CASE_H * (k / PAR_RANG);
}

int caseTouchee(double x, double y) {
    for (int k = 0; k < taille(); ++k) {
        // Each cell answers a little beyond its character, ends excluded.
        if (x > caseX(k) - 4 && x < caseX(k) + 12 && y > caseY(k) - 4 && y < caseY(k) + 11)
            return k;
    }
    return -1;
}

bool finTouchee(double, double y) {
    return y >= 176 && y < 194;
}

Colonne colonne(const QString& date, double etape) {
    Colonne c;
    if (date.size() == 8) {
        c.date = true;
        c.texte = date.mid(4, 2) + QLatin1Char('/') + date.mid(6, 2);
    } else {
        c.texte = chiffres(etape, 2);
    }
    return c;
}

QString chiffres(double n, int chiffres) {
    const double v = std::isfinite(n) && n > 0 ? std::floor(n) : 0;
    return QString::number(v, 'f', 0).rightJustified(chiffres, QLatin1Char('0'));
}

} // namespace saisie
