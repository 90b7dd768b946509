#include "borne/menu.h"

#include <algorithm>
#include <cmath>

namespace menu {

namespace {

// Marks a catalogue key; the scene translates it when it shows it.
constexpr const char* T(const char* s) {
    return s;
}

using modes::ETAPES;

// The second row a lantern's mode opens, if it is one.
modes::Rangee rangeeDe(const QString& id) {
    const std::optional<Mode> m = modeDe(id.toStdString());
    return m ? modes::regle(*m).rangee : modes::Rangee::Aucune;
}

Article article(const char* nom, const QVariantMap& options, bool ouvert = true) {
    Article a;
    a.nom = QLatin1String(nom);
    a.options = options;
    a.ouvert = ouvert;
    return a;
}

bool dans(double v, double bas, double haut) {
    return v >= bas && v < haut;
}

} // namespace

namespace {

constexpr std::array<Entree, NOMBRE> entreesDuMenu() {
    std::array<Entree, NOMBRE> e{};
    std::size_t k = 0;
    for (const modes::Regle& r : modes::REGLES)
        if (r.nom)
            e[k++] = {motDe(r.mode).data(), r.icone,        r.nom,    r.ligne1, r.ligne2,
                      r.ligne1Fermee,       r.ligne2Fermee, r.drapeau};
    e[k++] = {"extras",
              "extras",
              T("EXTRAS"),
              T("GALLERY  SOUND TEST  CRT"),
              T("LANTERN ROOM  ACHIEVEMENTS"),
              nullptr,
              nullptr,
              ""};
    e[k++] = {"options", "options", T("OPTIONS"), T("SCREEN  SOUND  GAME"),
              "",        nullptr,   nullptr,      ""};
    return e;
}

} // namespace

const std::array<Entree, NOMBRE> ENTREES = entreesDuMenu();

int indexDe(const QString& id) {
    for (int i = 0; i < NOMBRE; ++i)
        if (id == QLatin1String(ENTREES[i].id)) return i;
    return -1;
}

bool ouverte(int index, const Ouvertures& o) {
    if (index < 0 || index >= NOMBRE) return false;
    const char* drapeau = ENTREES[index].drapeau;
    return *drapeau == '\0' || o.code || o.drapeaux.contains(QLatin1String(drapeau));
}

QVector<Article> listeDe(const QString& id, const Ouvertures& o, bool deuxJoueurs) {
    QVector<Article> r;
    const modes::Rangee rangee = rangeeDe(id);
    if (rangee == modes::Rangee::Etapes) {
        for (int e = 0; e < ETAPES; ++e) {
            if (e > 0 && !o.code && !o.etapesVues.contains(e) && e >= o.etapeMax) continue;
            Article a = article(T("STAGE {n}"), {{QStringLiteral("etape"), e}});
            a.valeurs.insert(QStringLiteral("n"),
                             QStringLiteral("%1").arg(e + 1, 2, 10, QLatin1Char('0')));
            r.append(a);
        }
        // STAGE 01 alone is no choice: the stage starts at once.
        if (r.size() == 1) r.clear();
    } else if (rangee == modes::Rangee::Adversaires) {
        r.append(article(T("VS LAMPION"), {{QStringLiteral("ia"), 0}}));
        r.append(article(T("VS LANTERN"), {{QStringLiteral("ia"), 1}}));
        r.append(article(T("VS DRAGON KITE"), {{QStringLiteral("ia"), 2}}));
        if (deuxJoueurs) r.append(article(T("2 PLAYERS"), {{QStringLiteral("ia"), -1}}));
    } else if (id == QLatin1String("extras")) {
        auto extra = [&](const char* nom, const char* scene, const char* drapeau) {
            const bool ouvert =
                drapeau == nullptr || o.code || o.drapeaux.contains(QLatin1String(drapeau));
            r.append(article(nom, {{QStringLiteral("extra"), QLatin1String(scene)}}, ouvert));
        };
        extra(T("TILE GALLERY"), "galerie", "galerie");
        extra(T("SOUND TEST"), "sontest", "sonTest");
        extra(T("CRT SETTINGS"), "crt", nullptr);
        extra(T("LANTERN ROOM"), "salle", "salleLanternes");
        extra(T("ACHIEVEMENTS"), "succes", nullptr);
    }
    return r;
}

int curseurDe(const QString& id, int taille, int niveauIa) {
    if (taille <= 0) return -1;
    const modes::Rangee rangee = rangeeDe(id);
    if (rangee == modes::Rangee::Etapes) return taille - 1;
    // The opponents come in the order of the CPU levels, 2 PLAYERS last.
    if (rangee == modes::Rangee::Adversaires)
        return std::clamp(niveauIa, 0, std::min(2, taille - 1));
    return 0;
}

int decalage(int choix) {
    const int centre = LARGEUR_ECRAN / 2 - (4 + ECART_LANTERNES * choix + 24);
    return std::max(LARGEUR_ECRAN - 8 - NOMBRE * ECART_LANTERNES, std::min(0, centre));
}

int lanterneTouchee(double x, double y, int decalage) {
    if (!(y > 30 && y < 90) || !std::isfinite(x)) return -1;
    const double i = std::floor((x - decalage - 4) / ECART_LANTERNES);
    return i >= 0 && i < NOMBRE ? static_cast<int>(i) : -1;
}

int colonnes(int taille) {
    return taille > 4 ? 4 : 2;
}

Place placeArticle(int k, int taille) {
    const int c = colonnes(taille);
    Place p;
    p.x = c == 4 ? 36 + 88 * (k % 4) : (k % 2 == 0 ? 70 : 210);
    p.y = 146 + 14 * (k / c);
    return p;
}

int articleTouche(double x, double y, int taille) {
    for (int k = 0; k < taille; ++k) {
        const Place p = placeArticle(k, taille);
        if (dans(y, p.y - 4, p.y + 10) && dans(x, p.x - 18, p.x + 70)) return k;
    }
    return -1;
}

} // namespace menu
