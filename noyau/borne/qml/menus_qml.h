#pragma once

#include <QObject>
#include <QPointF>
#include <QVariant>

// The singleton `Menus`: the rules of MODE SELECT, the pause menu, the
// confirmations and the help lines, as the scenes call them. Records travel
// as maps and lists; a progression may be null (no memory yet).
class MenusQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int ECART_AIDE READ ecartAide CONSTANT)

public:
    using QObject::QObject;

    int ecartAide() const;

    // [{ texte, touche }] for a translated help text and the key labels.
    Q_INVOKABLE QVariantList decouper(const QString& texte, const QVariant& touches) const;

    // [{ id, icone, nom, ligne1, ligne2, ouverte }]: the nine entries, with the
    // lines of a locked entry in place of its own.
    Q_INVOKABLE QVariantList entrees(const QVariant& progression, bool extrasOuverts) const;
    // [{ nom, valeurs, options, ouvert }]: an entry's second row.
    Q_INVOKABLE QVariantList listeDe(const QString& id, const QVariant& progression,
                                     bool extrasOuverts, bool deuxJoueurs) const;
    Q_INVOKABLE int curseurDe(const QString& id, int taille, int niveauIa = 1) const;
    Q_INVOKABLE int decalage(int choix) const;
    Q_INVOKABLE int lanterneTouchee(double x, double y, int decalage) const;
    // { x, y } of item k in a row of `taille`.
    Q_INVOKABLE QPointF placeArticle(int k, int taille) const;
    Q_INVOKABLE int articleTouche(double x, double y, int taille) const;

    // [{ id, nom }]; `plateauFini`: player 1's board is over (a duel's).
    Q_INVOKABLE QVariantList entreesPause(bool bureau, bool aides, bool undo, bool apercu,
                                          bool plateauFini) const;
    Q_INVOKABLE int entreePauseTouchee(double x, double y, int taille) const;
    Q_INVOKABLE int reponseTouchee(double x, double y) const;
};

void enregistrerMenus();
