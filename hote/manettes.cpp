#include "manettes.h"

#include "famille.h"
#include "plateforme.h"

#include <QCoreApplication>
#include <QGamepadManager>
#include <QKeyEvent>
#include <algorithm>

namespace {

constexpr int CENTRE = 16;
constexpr int GUIDE = 17;
constexpr int AXE_GAUCHE_X = 0;
constexpr int AXE_GAUCHE_Y = 1;

// A stick direction goes down beyond this distance from the centre and comes
// up only inside the lower one, so a stick resting near a threshold never
// chatters.
constexpr double SEUIL_APPUI = 0.6;
constexpr double SEUIL_RELACHE = 0.3;

Manettes::Sources sourcesQt() {
    QGamepadManager* gestionnaire = QGamepadManager::instance();
    return {[gestionnaire] { return gestionnaire->connectedGamepads(); },
            [gestionnaire](int appareil) { return gestionnaire->gamepadName(appareil); }};
}

} // namespace

Manettes::Manettes(QObject* cible, Plateforme* facade, bool detection)
    : Manettes(cible, facade, detection, sourcesQt()) {
    QGamepadManager* gestionnaire = QGamepadManager::instance();
    connect(gestionnaire, &QGamepadManager::gamepadButtonPressEvent, this,
            [this](int appareil, QGamepadManager::GamepadButton bouton, double valeur) {
                boutonEnfonce(appareil, bouton, valeur);
            });
    connect(gestionnaire, &QGamepadManager::gamepadButtonReleaseEvent, this,
            [this](int appareil, QGamepadManager::GamepadButton bouton) {
                boutonRelache(appareil, bouton);
            });
    connect(gestionnaire, &QGamepadManager::gamepadAxisEvent, this,
            [this](int appareil, QGamepadManager::GamepadAxis a, double valeur) {
                axe(appareil, a, valeur);
            });
    connect(gestionnaire, &QGamepadManager::gamepadDisconnected, this, &Manettes::deconnecte);
}

Manettes::Manettes(QObject* cible, Plateforme* facade, bool detection, Sources sources)
    : m_cible(cible), m_facade(facade), m_detection(detection), m_sources(std::move(sources)) {
    connect(&m_repetition, &QTimer::timeout, this, &Manettes::repeter);
}

int Manettes::code(int appareil, int bouton) const {
    // The index follows the pads connected right now, in id order; a fifth
    // pad shares the fourth's codes and an unknown one takes the first's.
    QList<int> ids = m_sources.identifiants ? m_sources.identifiants() : QList<int>();
    std::sort(ids.begin(), ids.end());
    const int index = std::max(0, std::min(3, static_cast<int>(ids.indexOf(appareil))));
    return MANETTE + index * 0x100 + bouton;
}

void Manettes::boutonEnfonce(int appareil, int bouton, double valeur) {
    if (m_detection && valeur > 0.5 && m_facade && m_sources.nom)
        m_facade->changerManette(familleManette(m_sources.nom(appareil)));
    // A trigger pulled only part-way counts as let go.
    etape(appareil, bouton, valeur > 0.5);
}

void Manettes::boutonRelache(int appareil, int bouton) {
    etape(appareil, bouton, false);
}

void Manettes::etape(int appareil, int bouton, bool bas) {
    if (bouton < 0 || bouton == CENTRE || bouton == GUIDE) return;
    const int c = code(appareil, bouton);
    if (bas) {
        if (m_tenus.contains(c)) return;
        m_tenus.insert(c);
        envoyer(c, true, false);
        if (bouton >= BOUTON_HAUT && bouton <= BOUTON_GAUCHE) {
            m_codeRepete = c;
            m_repetition.start(PREMIERE_ATTENTE_MS);
        }
    } else {
        if (!m_tenus.remove(c)) return;
        envoyer(c, false, false);
    }
}

void Manettes::repeter() {
    if (m_tenus.contains(m_codeRepete)) {
        envoyer(m_codeRepete, true, true);
        m_repetition.setInterval(REPETITION_MS);
    } else {
        m_repetition.stop();
    }
}

void Manettes::axe(int appareil, int a, double x) {
    int negatif, positif;
    if (a == AXE_GAUCHE_X) {
        negatif = BOUTON_GAUCHE;
        positif = BOUTON_DROITE;
    } else if (a == AXE_GAUCHE_Y) {
        negatif = BOUTON_HAUT;
        positif = BOUTON_BAS;
    } else {
        return;
    }
    if (x < -SEUIL_APPUI) {
        etape(appareil, negatif, true);
        etape(appareil, positif, false);
    } else if (x > -SEUIL_RELACHE) {
        etape(appareil, negatif, false);
        if (x > SEUIL_APPUI)
            etape(appareil, positif, true);
        else if (x < SEUIL_RELACHE)
            etape(appareil, positif, false);
    } else {
        etape(appareil, positif, false);
    }
}

void Manettes::deconnecte(int) {
    // Every pad's held codes go up, not only the lost pad's: a code's index
    // may belong to another pad once the list has changed.
    QList<int> tenus = m_tenus.values();
    std::sort(tenus.begin(), tenus.end());
    m_tenus.clear();
    for (int c : tenus)
        envoyer(c, false, false);
    m_repetition.stop();
}

void Manettes::envoyer(int code, bool appui, bool repetition) {
    if (!m_cible) return;
    QKeyEvent evenement(appui ? QEvent::KeyPress : QEvent::KeyRelease, code, Qt::NoModifier,
                        QString(), repetition, 1);
    QCoreApplication::sendEvent(m_cible, &evenement);
}
