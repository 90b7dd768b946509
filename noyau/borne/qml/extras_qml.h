#pragma once

#include <QJSValue>
#include <QObject>
#include <QVariant>

// The singleton `Extras`: the rules of TILE GALLERY, SOUND TEST and
// ACHIEVEMENTS as their scenes call them. Records travel as maps; an
// achievement state is the memory's JS object, or null before it is read.
class ExtrasQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int MOTIFS READ motifs CONSTANT)
    Q_PROPERTY(int PISTES READ pistes CONSTANT)
    Q_PROPERTY(int SUCCES READ succes CONSTANT)
    Q_PROPERTY(int PAR_PAGE READ parPage CONSTANT)
    Q_PROPERTY(int PAGES READ pages CONSTANT)

public:
    using QObject::QObject;

    // What a press on the achievements list means.
    enum Appui { Rien, Sortie, PagePrecedente, PageSuivante, Choix };
    Q_ENUM(Appui)

    int motifs() const;
    int pistes() const;
    int succes() const;
    int parPage() const;
    int pages() const;

    // -- TILE GALLERY --
    // { nom, valeurs, regle, x, y }: the face's name and rule line (keys) and
    // its cell.
    Q_INVOKABLE QVariantMap motif(int m) const;
    // The motif after a move, or -1 when the action is not one.
    Q_INVOKABLE int deplacerMotif(int choix, const QString& action) const;
    Q_INVOKABLE int motifTouche(double x, double y) const;

    // -- SOUND TEST --
    // { id, numero (two digits), titre, type, duree (seconds), genre (a key),
    // dureeTexte, dureeJeu (ms), musique (plays on the music channel) }, or null.
    Q_INVOKABLE QVariant piste(int choix) const;
    Q_INVOKABLE int deplacerPiste(int choix, const QString& action) const;
    // The action a press stands for ("" for none).
    Q_INVOKABLE QString actionSonTest(double x, double y) const;

    // -- ACHIEVEMENTS --
    // [{ id, nom, texte, allume, progres }]: the rows of a page.
    Q_INVOKABLE QVariantList rangees(const QJSValue& etat, int page) const;
    Q_INVOKABLE int allumes(const QJSValue& etat) const;
    Q_INVOKABLE int pageDe(int choix) const;
    Q_INVOKABLE QString pageSurTotal(int choix) const;
    Q_INVOKABLE int deplacerSucces(int choix, const QString& action) const;
    // { quoi (Appui), choix }
    Q_INVOKABLE QVariantMap appuiSucces(int choix, double x, double y) const;
};

void enregistrerExtras();
