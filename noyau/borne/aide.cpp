#include "borne/aide.h"

#include "ecran/police.h"

namespace aide {

QVector<Morceau> decouper(const QString& texte, const QMap<QString, QString>& touches) {
    QVector<Morceau> r;
    auto ajouter = [&r](const QString& t, bool touche) {
        if (!t.isEmpty()) r.append({t, touche});
    };
    int i = 0;
    while (i < texte.size()) {
        const int ouvre = texte.indexOf(QLatin1Char('{'), i);
        const int ferme = ouvre < 0 ? -1 : texte.indexOf(QLatin1Char('}'), ouvre + 1);
        if (ferme < 0) {
            ajouter(texte.mid(i), false);
            break;
        }
        ajouter(texte.mid(i, ouvre - i), false);
        const QString nom = texte.mid(ouvre + 1, ferme - ouvre - 1);
        const QString etiquette = touches.value(nom);
        ajouter(etiquette.isEmpty() ? nom.toUpper() : etiquette, true);
        i = ferme + 1;
    }
    return r;
}

int largeur(const QVector<Morceau>& morceaux) {
    int l = 0;
    for (const Morceau& m : morceaux)
        l += police::largeur(m.texte);
    return morceaux.isEmpty() ? 0 : l + ECART * (morceaux.size() - 1);
}

} // namespace aide
