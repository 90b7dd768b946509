#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <functional>

class Plateforme;

// The gamepad bridge. The scene only knows key events, so every gamepad
// button and the left stick become key presses and releases with codes of
// their own (0x01F00000 + pad index x 0x100 + button), sent to the window
// like keyboard keys. Held directions repeat after 300 ms, then every 90 ms.
class Manettes : public QObject {
    Q_OBJECT

public:
    static constexpr int MANETTE = 0x01F00000;
    static constexpr int BOUTON_HAUT = 12;
    static constexpr int BOUTON_BAS = 13;
    static constexpr int BOUTON_DROITE = 14;
    static constexpr int BOUTON_GAUCHE = 15;
    static constexpr int PREMIERE_ATTENTE_MS = 300;
    static constexpr int REPETITION_MS = 90;

    // What the bridge asks of the gamepad manager; tests give their own.
    struct Sources {
        std::function<QList<int>()> identifiants; // connected pads, in any order
        std::function<QString(int)> nom;          // a pad's name
    };

    // Listens to Qt's gamepad manager; sends its key events to `cible`.
    Manettes(QObject* cible, Plateforme* facade, bool detection);
    Manettes(QObject* cible, Plateforme* facade, bool detection, Sources sources);

    int code(int appareil, int bouton) const;
    const QTimer& minuterie() const { return m_repetition; }

public slots:
    void boutonEnfonce(int appareil, int bouton, double valeur);
    void boutonRelache(int appareil, int bouton);
    void axe(int appareil, int axe, double valeur);
    void deconnecte(int appareil);
    void repeter();

private:
    void etape(int appareil, int bouton, bool bas);
    void envoyer(int code, bool appui, bool repetition);

    QObject* m_cible;
    Plateforme* m_facade;
    bool m_detection;
    Sources m_sources;
    QSet<int> m_tenus;
    QTimer m_repetition;
    int m_codeRepete = 0;
};
