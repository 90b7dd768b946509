#include "ecran/qml/dessin_bande_qml.h"

#include "ecran/qml/remplacer.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString TABLE = QStringLiteral(":/app/images/sprites.json");

// The strip rows of the sprite table, read once.
const QHash<QString, DessinBandeQml::Ligne>& lignes() {
    static const QHash<QString, DessinBandeQml::Ligne> table = [] {
        QHash<QString, DessinBandeQml::Ligne> t;
        QFile f(TABLE);
        if (!f.open(QIODevice::ReadOnly)) {
            qWarning("sprite table not found: %s", qPrintable(TABLE));
            return t;
        }
        const QJsonObject anim =
            QJsonDocument::fromJson(f.readAll()).object().value(QStringLiteral("anim")).toObject();
        for (auto it = anim.begin(); it != anim.end(); ++it) {
            const QJsonArray r = it.value().toArray();
            if (r.size() != 7) continue;
            DessinBandeQml::Ligne l{};
            for (int i = 0; i < 7; ++i)
                l[static_cast<std::size_t>(i)] = r.at(i).toInt();
            t.insert(it.key(), l);
        }
        return t;
    }();
    return table;
}

} // namespace

DessinBandeQml::Ligne DessinBandeQml::ligne(const QString& nom, bool* connue) {
    const auto& t = lignes();
    auto it = nom.isEmpty() ? t.constEnd() : t.constFind(nom);
    if (connue) *connue = it != t.constEnd();
    return it != t.constEnd() ? *it : Ligne{1, 1, 1, 0, 0, 0, 0};
}

DessinBandeQml::DessinBandeQml(QQuickItem* parent) : DessinQml(parent) {
    setImplicitSize(1, 1);
}

DessinBandeQml::~DessinBandeQml() {
    if (abonne_) Horloge::instance().retirer(this);
}

QVariantList DessinBandeQml::d() const {
    QVariantList l;
    for (const int v : ligne_)
        l.append(v);
    return l;
}

void DessinBandeQml::setNom(const QString& v) {
    if (v == nom_) return;
    nom_ = v;
    ligne_ = ligne(v, &connue_);
    setImplicitSize(ligne_[0], ligne_[1]);
    // A frame the scene chose before naming the strip (QML sets properties
    // in no promised order) is kept; a strip renamed later starts at 0.
    cadre_ = std::clamp(cadreDemande_, 0, frameCount() - 1);
    cadreDemande_ = 0;
    // A new strip plays from its start when it runs (a paused one will).
    if (!runningChoisi_) jouer(parDefaut());
    debut_ = Horloge::instance().maintenant();
    if (ligne_[4] == 1) debut_ = rythme::debutAligne(debut_, ligne_[3]);
    ecoule_ = 0;
    suivreHorloge();
    redisposer();
    emit nomChanged();
    emit currentFrameChanged();
}

void DessinBandeQml::setTenir(bool v) {
    if (remplacer(tenir_, v)) emit tenirChanged();
}

void DessinBandeQml::setAligne(bool v) {
    if (remplacer(aligne_, v)) emit aligneChanged();
}

void DessinBandeQml::setRunning(bool v) {
    runningChoisi_ = true;
    if (v == running_) return;
    if (v) {
        restart();
    } else {
        jouer(false);
        suivreHorloge();
    }
}

void DessinBandeQml::jouer(bool oui) {
    if (remplacer(running_, oui)) emit runningChanged();
}

void DessinBandeQml::fixerPause(bool oui) {
    if (remplacer(paused_, oui)) emit pausedChanged();
}

void DessinBandeQml::setCurrentFrame(int v) {
    if (nom_.isEmpty()) {
        cadreDemande_ = std::max(0, v);
        return;
    }
    fixerCadre(std::clamp(v, 0, frameCount() - 1));
}

void DessinBandeQml::fixerCadre(int cadre) {
    if (cadre == cadre_) return;
    cadre_ = cadre;
    if (!pieces_.empty()) {
        pieces_.front().source.moveLeft(cadre_ * ligne_[0]);
        update();
    }
    emit currentFrameChanged();
}

void DessinBandeQml::restart() {
    debut_ = Horloge::instance().maintenant();
    if (aligne_) debut_ = rythme::debutAligne(debut_, ligne_[3]);
    fixerPause(false);
    jouer(true);
    fixerCadre(0);
    suivreHorloge();
}

void DessinBandeQml::setPaused(bool v) {
    if (v)
        pause();
    else
        resume();
}

void DessinBandeQml::pause() {
    if (paused_) return;
    ecoule_ = Horloge::instance().maintenant() - debut_;
    fixerPause(true);
    suivreHorloge();
}

void DessinBandeQml::resume() {
    if (!paused_) return;
    debut_ = Horloge::instance().maintenant() - ecoule_;
    fixerPause(false);
    suivreHorloge();
}

void DessinBandeQml::rejouer() {
    if (paused_) resume();
    restart();
}

void DessinBandeQml::suivreHorloge() {
    // A strip of one frame, or without a duration, has nothing to play.
    const bool voulu = running_ && !paused_ && isVisible() && ligne_[2] > 1 && ligne_[3] > 0;
    if (voulu == abonne_) return;
    abonne_ = voulu;
    if (voulu)
        Horloge::instance().inscrire(this);
    else
        Horloge::instance().retirer(this);
}

void DessinBandeQml::itemChange(ItemChange change, const ItemChangeData& value) {
    DessinQml::itemChange(change, value);
    if (change != ItemVisibleHasChanged) return;
    const bool avant = abonne_;
    suivreHorloge();
    // Shown again: the frame its time has reached, from the first picture
    // (the clock walks it only on the next turn of the event loop).
    if (abonne_ && !avant) {
        const rythme::Pas p = rythme::bande(frameCount(), duree(), ligne_[4] == 1, tenir_,
                                            Horloge::instance().maintenant() - debut_);
        if (!p.fini) fixerCadre(p.cadre);
    }
}

rythme::Ms DessinBandeQml::avancer(qint64 maintenant) {
    const rythme::Pas p =
        rythme::bande(frameCount(), duree(), ligne_[4] == 1, tenir_, maintenant - debut_);
    if (p.tenu) {
        // Held on the last frame as soon as it shows.
        fixerCadre(p.cadre);
        ecoule_ = maintenant - debut_;
        fixerPause(true);
        suivreHorloge();
        return rythme::JAMAIS;
    }
    if (p.fini) {
        // Played once: back to the first frame, stopped.
        fixerCadre(0);
        jouer(false);
        suivreHorloge();
        return rythme::JAMAIS;
    }
    fixerCadre(p.cadre);
    return debut_ + p.prochain;
}

void DessinBandeQml::disposer() {
    pieces_.clear();
    if (!connue_) return;
    ajouter(QStringLiteral("images/anim/") + nom_ + QStringLiteral(".png"), {0, 0},
            QRect(cadre_ * ligne_[0], 0, ligne_[0], ligne_[1]));
}
