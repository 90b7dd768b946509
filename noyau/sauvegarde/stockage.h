#pragma once

// The three records the game keeps besides its achievements: the high-score
// tables, the settings and the progression. Each is stored as one JSON text.
// Reading never fails: every field is checked on its own, a damaged field
// takes its default, unknown fields are dropped, and a text that does not
// parse reads as the default record. Writing then reading is how the game
// takes a clean deep copy of a record.

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace stockage {

// The seven score tables, in their stored order.
inline constexpr std::array<const char*, 7> MODES = {"night", "sliding", "duel",  "rush",
                                                     "daily", "paper",   "parade"};
inline constexpr int PLACES = 10;
// The characters a three-letter name may use.
inline constexpr const char* LETTRES = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789. ";
// The remappable actions, in the order their keys are checked on reading.
inline constexpr std::array<const char*, 17> ACTIONS = {
    "gauche", "droite", "haut",  "bas",     "ok",      "retour",  "hint",         "mix",     "undo",
    "peek",   "piece",  "start", "glisseG", "glisseD", "trouver", "trouverPaire", "sommaire"};
inline constexpr int SCORE_MAX = 9999999;
// Key codes from here on are gamepad buttons, which cannot be reassigned.
inline constexpr qint64 PREMIERE_MANETTE = 0x01F00000;

// The index of a mode in MODES, or -1.
int indiceMode(const QString& mode);

struct Entree {
    QString nom = QStringLiteral("   ");
    int score = 0;
    double etape = 0; // floored, never negative; may be large
    std::optional<QString> date;
    bool operator==(const Entree& o) const {
        return nom == o.nom && score == o.score && etape == o.etape && date == o.date;
    }
};
using Table = std::vector<Entree>;

struct Scores {
    std::array<Table, MODES.size()> tables;
    // The table of a mode, or null for a mode that has none.
    Table* table(const QString& mode);
    const Table* table(const QString& mode) const;
    bool operator==(const Scores& o) const { return tables == o.tables; }
};

struct Reglages {
    struct Crt {
        bool actif = true;
        double balayage = 0.6;
        double lueur = 0.4;
        double courbure = 0.5;
        double masque = 0.5;
        double vignette = 0.5;
        QString affichage; // empty: the screen's own default
    } crt;
    struct Son {
        double musique = 0.8;
        double effets = 1.0;
    } son;
    struct Jeu {
        bool freePlay = true;
        int niveauIa = 1;
        QString initiales = QStringLiteral("PND");
        QString langue; // empty: the device's language
    } jeu;
    // Action -> Qt key code, in ACTIONS order, each action and code at most once.
    std::vector<std::pair<QString, qint64>> touches;
    // Play for everyone: the game speaks, the tiles carry large indices and
    // colours that colour-blind eyes tell apart, and effects stop shaking and
    // flashing. Each is off unless chosen, so an older save reads as before.
    struct Acces {
        bool parole = false;
        bool tuilesClaires = false;
        bool mouvementCalme = false;
    } acces;
};

struct Extras {
    bool galerie = false;
    bool sonTest = false;
    bool crt = false;
    bool paperMoon = false;
    bool pandaParade = false;
    bool salleLanternes = false;
};

struct Progression {
    int etapeMax = 0;
    std::vector<double> etapesVues;
    QStringList defisFinis;
    bool sansContinue = false;
    QString defiClasse;
    Extras extras; // derived, never stored
};

// Upper-cased, three characters of LETTRES; anything else becomes a space.
QString initiales(const QString& s);

// A stored entry made valid, or nothing when its score is not a number or
// lies outside 0..SCORE_MAX.
std::optional<Entree> lireEntree(const QJsonValue& v);
Table tableParDefaut();

Scores lireScores(const QString& texte);
Scores lireScores(const QJsonValue& v);
QString ecrireScores(const Scores& s);
QString ecrireEntree(const Entree& e);

// The place a new score would take (the older entry stays ahead at equal
// scores), or -1 when a full table has no lower score.
int rang(const Table& table, double score);
// Inserts a normalised copy of `e`; returns its place, or -1 (invalid entry,
// unknown mode, or no place) leaving the tables unchanged.
int inserer(Scores& scores, const QString& mode, const QJsonValue& e);
int inserer(Scores& scores, const QString& mode, const Entree& e);
int meilleur(const Scores& scores, const QString& mode);

// An empty text is a first start: nothing was saved yet, and SPEECH starts
// on when the desktop's screen reader is on (asked once, through the
// function the host installs; off without one).
Reglages lireReglages(const QString& texte);
void installerLecteurEcran(std::function<bool()> actif);
Reglages lireReglages(const QJsonValue& v);
QString ecrireReglages(const Reglages& r);
bool langueValide(const QString& langue);

Progression lireProgression(const QString& texte);
Progression lireProgression(const QJsonValue& v);
QString ecrireProgression(const Progression& p);
Extras calculerExtras(const Progression& p);
bool jourValide(const QString& jour);

// `etape` (from 0) has just been cleared with `continues` continues used in
// this game. A stage outside the twelve changes nothing: it would push
// etapeMax past what a reader accepts and lose the whole progression.
void etapeFinie(Progression& p, int etape, int continues);
// The daily challenge of `jour` (YYYYMMDD) was won; a malformed day is ignored.
void defiFini(Progression& p, const QString& jour);

// The default records. The default progression's extras are all closed.
const Reglages& REGLAGES();
const Progression& PROGRESSION();

} // namespace stockage
