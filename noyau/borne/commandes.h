#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <optional>

// The single key table of the game: every device reaches the game as key
// codes (keyboard and remote keys with Qt's codes, gamepad buttons in a range
// of their own), and this turns them into the game's actions, tells which
// device a key came from, reads the two touch gestures and gives the label of
// each action for the device in use.
namespace commandes {

// The actions, in the order of CONTROLS and of table building: the fourteen
// of play and the cabinet, then the three that find tiles and speak the
// state of play for a player who cannot sweep the board by eye.
inline const std::array<const char*, 17> ACTIONS = {
    "gauche", "droite", "haut",  "bas",     "ok",      "retour",  "hint",         "mix",     "undo",
    "peek",   "piece",  "start", "glisseG", "glisseD", "trouver", "trouverPaire", "sommaire"};
constexpr int NOMBRE_ACTIONS = int(ACTIONS.size());

// Qt key codes the tables name.
namespace K {
constexpr int echap = 0x01000000, tab = 0x01000001, retourArriere = 0x01000003, entree = 0x01000004,
              entreePave = 0x01000005, inser = 0x01000006, suppr = 0x01000007, pause = 0x01000008,
              debut = 0x01000010, fin = 0x01000011, gauche = 0x01000012, haut = 0x01000013,
              droite = 0x01000014, bas = 0x01000015, pageHaut = 0x01000016, pageBas = 0x01000017,
              f1 = 0x01000030, f11 = 0x0100003a, menu = 0x01000055, rembobine = 0x010000c5,
              avance = 0x01000102, rouge = 0x01000114, vert = 0x01000115, jaune = 0x01000116,
              bleu = 0x01000117, espace = 0x20, guillemet = 0x22, esperluette = 0x26,
              apostrophe = 0x27, parentheseG = 0x28, virgule = 0x2c, point = 0x2e,
              pointVirgule = 0x3b, inferieur = 0x3c, superieur = 0x3e, crochetG = 0x5b,
              crochetD = 0x5d, eAigu = 0xc9, retour = 0x01000061, lecture = 0x01000080,
              stop = 0x01000081, precedent = 0x01000082, suivant = 0x01000083,
              mediaPause = 0x01000085, lecturePause = 0x01000086, info = 0x0100011b,
              select = 0x01010000, play = 0x01020005;
} // namespace K

constexpr int MANETTE = 0x01f00000;
constexpr int FIN_MANETTES = MANETTE + 0x400;

// The action index of a name, or -1.
int indexAction(const QString& nom);

// Translation function: catalogue key to the text to show.
using Traduction = std::function<QString(const QString&)>;

// The English text of a catalogue key: what follows a context prefix such as "key|".
QString sans(const QString& cle);

struct ActionDuel {
    int joueur; // 0 both, 1 or 2
    QString action;
};

struct BoutonManette {
    int rang;
    int bouton;
};

class Table {
public:
    Table(); // built with no remapping

    // Installs a remapping (action name to key code) and rebuilds the table.
    void regler(const QMap<QString, int>& touches);
    static bool reaffectable(int code);
    QVector<int> clavier(const QString& action) const;
    QString action(int code, bool ctrl) const;
    std::optional<ActionDuel> actionDuel(int code) const;
    QString appareil(int code, const QString& systeme, const QString& actuel) const;

    void choisirFamille(const QString& famille);
    QString famille() const { return m_famille; }
    QString nomManette(const QString& action) const;

    QString etiquette(const QString& action, const QString& appareil, const QString& systeme,
                      const Traduction& tr = {}) const;
    QMap<QString, QString> etiquettes(const QString& appareil, const QString& systeme,
                                      const Traduction& tr = {}) const;
    QString libelle(const QString& action, const QString& appareil, const QString& systeme,
                    const Traduction& tr = {}) const;
    QStringList trous(const QString& systeme) const;

private:
    QHash<int, int> m_table;                 // key code -> action index
    std::array<int, NOMBRE_ACTIONS> m_perso; // action index -> remapped code, 0 when none
    QString m_famille;
};

std::optional<std::array<int, 2>> direction(const QString& action);
QString geste(double dx, double dy, double dureeMs);
std::optional<BoutonManette> manette(int code);
QString nomTouche(int code);
QString appareilDe(const QString& systeme, bool tele);
QStringList appareils(const QString& systeme);

} // namespace commandes
