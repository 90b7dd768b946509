#include "borne/vitrine.h"

#include <algorithm>
#include <cmath>

namespace vitrine {

namespace {

// Marks a catalogue key; the scene translates it when it shows it.
constexpr const char* T(const char* s) {
    return s;
}

constexpr const char* NOM_CACHE = "???";

constexpr double BANDE_SORTIE = 200;
constexpr double BANDE_GAUCHE = 24;
constexpr double BANDE_DROITE = 360;
constexpr double HAUT_LISTE = 28;
constexpr double HAUTEUR_RANGEE = 24;

int borne(int choix) {
    return choix < 0 ? 0 : choix >= NOMBRE ? NOMBRE - 1 : choix;
}

} // namespace

int page(int choix) {
    return borne(choix) / PAR_PAGE;
}

int deplacer(int choix, const QString& action) {
    choix = borne(choix);
    if (action == QLatin1String("bas")) return (choix + 1) % NOMBRE;
    if (action == QLatin1String("haut")) return (choix + NOMBRE - 1) % NOMBRE;
    int pas = 0;
    if (action == QLatin1String("droite"))
        pas = 1;
    else if (action == QLatin1String("gauche"))
        pas = -1;
    else
        return -1;
    const int p = (page(choix) + pas + PAGES) % PAGES;
    return std::min(NOMBRE - 1, p * PAR_PAGE + choix % PAR_PAGE);
}

Rangee rangee(const succes::Etat& e, int i) {
    Rangee r;
    if (i < 0 || i >= NOMBRE) return r;
    const succes::Definition& d = succes::LISTE[static_cast<std::size_t>(i)];
    r.id = QLatin1String(d.id);
    r.allume = succes::debloque(e, r.id);
    if (d.cache && !r.allume) {
        r.nom = QLatin1String(NOM_CACHE);
        r.texte = QLatin1String(T("A HIDDEN LANTERN. KEEP PLAYING."));
    } else {
        r.nom = QLatin1String(d.titre);
        r.texte = QLatin1String(d.description);
    }
    if (d.stat >= 0 && !r.allume) {
        const succes::Progres p = succes::progres(e, r.id);
        r.progres = QStringLiteral("%1/%2").arg(p.valeur).arg(p.but);
    }
    return r;
}

QVector<Rangee> rangees(const succes::Etat& e, int p) {
    QVector<Rangee> r;
    if (p < 0 || p >= PAGES) return r;
    for (int i = p * PAR_PAGE; i < std::min(NOMBRE, (p + 1) * PAR_PAGE); ++i)
        r.append(rangee(e, i));
    return r;
}

QString pageSurTotal(int choix) {
    return QStringLiteral("%1/%2").arg(page(choix) + 1).arg(PAGES);
}

Appui appui(int choix, double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return {};
    if (y >= BANDE_SORTIE) return {Appui::Sortie, -1};
    if (x < BANDE_GAUCHE) return {Appui::PagePrecedente, deplacer(choix, QStringLiteral("gauche"))};
    if (x >= BANDE_DROITE) return {Appui::PageSuivante, deplacer(choix, QStringLiteral("droite"))};
    const double k = std::floor((y - HAUT_LISTE) / HAUTEUR_RANGEE);
    if (k < 0 || k >= PAR_PAGE) return {};
    const int i = page(choix) * PAR_PAGE + static_cast<int>(k);
    if (i >= NOMBRE) return {};
    return {Appui::Choix, i};
}

} // namespace vitrine
