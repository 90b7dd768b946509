#pragma once

#include "borne/modes.h"

#include <QObject>
#include <QString>

// The modes as the scenes name them: `Mode.Night`, `Mode.Sliding`...; a QML
// property holding a mode is an int with one of these values.
class ModeQml {
    Q_GADGET

public:
    enum Valeur {
        Night = int(Mode::Night),
        Sliding = int(Mode::Sliding),
        Duel = int(Mode::Duel),
        Rush = int(Mode::Rush),
        Daily = int(Mode::Daily),
        Paper = int(Mode::Paper),
        Parade = int(Mode::Parade),
        Salon = int(Mode::Salon),
        Demo = int(Mode::Demo),
    };
    Q_ENUM(Valeur)
};

// One row of the table of modes, as the scenes read it (`RegleMode`). The
// rows live as long as the program; a scene holds one through its mode:
// `readonly property RegleMode regle: Modes.regle(mode)`.
class RegleModeQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int mode READ mode CONSTANT)
    Q_PROPERTY(QString mot READ mot CONSTANT)
    Q_PROPERTY(Sorte sorte READ sorte CONSTANT)
    Q_PROPERTY(Enchainement enchainement READ enchainement CONSTANT)
    Q_PROPERTY(QString nom READ nom CONSTANT)
    Q_PROPERTY(QString table READ table CONSTANT)
    Q_PROPERTY(QString libelle READ libelle CONSTANT)
    Q_PROPERTY(int tempsMs READ tempsMs CONSTANT)
    Q_PROPERTY(Depart depart READ depart CONSTANT)
    Q_PROPERTY(Victoire victoire READ victoire CONSTANT)
    Q_PROPERTY(bool undo READ undo CONSTANT)
    Q_PROPERTY(bool apercu READ apercu CONSTANT)
    Q_PROPERTY(QString motSorte READ motSorte CONSTANT)
    Q_PROPERTY(bool continuer READ continuer CONSTANT)
    Q_PROPERTY(bool multiplicateur READ multiplicateur CONSTANT)
    Q_PROPERTY(int pousseeMs READ pousseeMs CONSTANT)
    Q_PROPERTY(QString musique READ musique CONSTANT)
    Q_PROPERTY(bool urgence READ urgence CONSTANT)
    Q_PROPERTY(bool unJour READ unJour CONSTANT)
    Q_PROPERTY(bool encens READ encens CONSTANT)
    Q_PROPERTY(QString scene READ scene CONSTANT)

public:
    enum Sorte {
        Pile = int(modes::Sorte::Pile),
        Glissant = int(modes::Sorte::Glissant),
        Duel = int(modes::Sorte::Duel)
    };
    Q_ENUM(Sorte)
    enum Enchainement {
        Etapes = int(modes::Enchainement::Etapes),
        SansFin = int(modes::Enchainement::SansFin),
        UneSeule = int(modes::Enchainement::UneSeule),
        Propre = int(modes::Enchainement::Propre),
        Liste = int(modes::Enchainement::Liste),
    };
    Q_ENUM(Enchainement)
    enum Depart {
        Titre = int(modes::Depart::Titre),
        Pret = int(modes::Depart::Pret),
        Aussitot = int(modes::Depart::Aussitot)
    };
    Q_ENUM(Depart)
    enum Victoire {
        Bilan = int(modes::Victoire::Bilan),
        Logo = int(modes::Victoire::Logo),
        Pose = int(modes::Victoire::Pose)
    };
    Q_ENUM(Victoire)

    explicit RegleModeQml(const modes::Regle& r) : r_(r) {}

    const modes::Regle& regle() const { return r_; }

    int mode() const { return int(r_.mode); }
    QString mot() const;
    Sorte sorte() const { return Sorte(int(r_.sorte)); }
    Enchainement enchainement() const { return Enchainement(int(r_.enchainement)); }
    QString nom() const;
    QString table() const { return QLatin1String(r_.table); }
    QString libelle() const { return QLatin1String(r_.libelle); }
    int tempsMs() const { return r_.tempsMs; }
    Depart depart() const { return Depart(int(r_.depart)); }
    Victoire victoire() const { return Victoire(int(r_.victoire)); }
    bool undo() const { return r_.undo; }
    bool apercu() const { return r_.apercu; }
    // The game item's kind as the friends' status names it: "pile",
    // "glissant" or "duel".
    QString motSorte() const;
    bool continuer() const { return r_.continuer; }
    bool multiplicateur() const { return r_.multiplicateur; }
    int pousseeMs() const { return r_.pousseeMs; }
    QString musique() const { return QLatin1String(r_.musique); }
    bool urgence() const { return r_.urgence; }
    bool unJour() const { return r_.unJour; }
    bool encens() const { return r_.encens; }
    QString scene() const { return QLatin1String(r_.scene); }

    // The veil of stage `etape`: 0 none, 1 a boss stage's, 2 every hidden face.
    Q_INVOKABLE int voile(int etape) const;
    // The notice of stage `etape` cleared (`parfait`: with no aid).
    Q_INVOKABLE QString logoFin(bool parfait, int etape) const;

private:
    const modes::Regle& r_;
};

// The singleton `Modes`: the table's rows, and the rules that pick a mode or
// a stage.
class ModesQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(int ETAPES READ etapes CONSTANT)

public:
    using QObject::QObject;

    int etapes() const { return modes::ETAPES; }

    // The row of a mode (an unknown value gives NIGHT MARKET's).
    Q_INVOKABLE RegleModeQml* regle(int mode) const;
    // The mode a word names ("night", "sliding"...), or -1.
    Q_INVOKABLE int modeDe(const QString& mot) const;
    // The name HIGH SCORES shows a table under (a catalogue key), or "".
    Q_INVOKABLE QString nomTable(const QString& table) const;
    // The stage a seed draws, for the games that start on any stage.
    Q_INVOKABLE int etapeDe(double graine) const;
    // The score table the attract loop shows after showing `vues` of them.
    Q_INVOKABLE QString tableAttract(int vues) const;
};

// The same rows for the C++ side of the faces.
RegleModeQml* regleQml(Mode m);

void enregistrerModes();
