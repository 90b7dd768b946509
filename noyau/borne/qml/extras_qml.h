#pragma once

#include <QJSValue>
#include <QObject>
#include <QVariant>

// A face of TILE GALLERY: its name (a catalogue key and the values of its
// placeholders), its rule line (a key) and its cell.
class MotifGalerie {
    Q_GADGET
    Q_PROPERTY(QString nom MEMBER nom)
    Q_PROPERTY(QVariantMap valeurs MEMBER valeurs)
    Q_PROPERTY(QString regle MEMBER regle)
    Q_PROPERTY(int x MEMBER x)
    Q_PROPERTY(int y MEMBER y)

public:
    QString nom, regle;
    QVariantMap valeurs;
    int x = 0, y = 0;
};
Q_DECLARE_METATYPE(MotifGalerie)

// What a press on the achievements list means (`quoi`, a value of
// Extras.Appui) and the row it chose.
class AppuiSucces {
    Q_GADGET
    Q_PROPERTY(int quoi MEMBER quoi)
    Q_PROPERTY(int choix MEMBER choix)

public:
    int quoi = 0, choix = 0;
};
Q_DECLARE_METATYPE(AppuiSucces)

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
    Q_INVOKABLE MotifGalerie motif(int m) const;
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
    Q_INVOKABLE AppuiSucces appuiSucces(int choix, double x, double y) const;
};

void enregistrerExtras();
