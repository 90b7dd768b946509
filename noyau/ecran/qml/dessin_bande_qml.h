#pragma once

#include "ecran/qml/dessin_qml.h"
#include "ecran/qml/horloge.h"

#include <QVariantList>
#include <array>

// The strip player behind `Anim`: one frame of a strip of the sprite table,
// `images/anim/<nom>.png` with its frames side by side, played on the shared
// frame clock. The row [frame width, height, frames, ms per frame, loops,
// anchor x, anchor y] comes from the table; a name it does not know reads as
// [1, 1, 1, 0, 0, 0, 0] and draws nothing. Changing the strip swaps an image
// the cache already holds; a frame change only moves the piece's window.
// A hidden player keeps its time but leaves the clock, so that a strip
// nobody sees never wakes the screen; shown again, it shows the frame its
// time has reached.
class DessinBandeQml : public DessinQml, private Horloge::Abonne {
    Q_OBJECT
    Q_PROPERTY(QString nom READ nom WRITE setNom NOTIFY nomChanged)
    Q_PROPERTY(QVariantList d READ d NOTIFY nomChanged)
    Q_PROPERTY(bool connue READ connue NOTIFY nomChanged)
    Q_PROPERTY(int origineX READ origineX NOTIFY nomChanged)
    Q_PROPERTY(int origineY READ origineY NOTIFY nomChanged)
    Q_PROPERTY(int frameCount READ frameCount NOTIFY nomChanged)
    // A once-only strip pauses on its last frame instead of going back to
    // the first one when it ends.
    Q_PROPERTY(bool tenir READ tenir WRITE setTenir NOTIFY tenirChanged)
    // Played again from a timer rather than on an event, its first frame
    // may be cut short so that its steps fall on those of every strip of
    // the same frame length (rythme::debutAligne): a replayed shine then
    // draws no frame of its own beside a loop.
    Q_PROPERTY(bool aligne READ aligne WRITE setAligne NOTIFY aligneChanged)
    // Follows the strip (true when it has more than one frame and a
    // duration) until the user sets it.
    Q_PROPERTY(bool running READ running WRITE setRunning NOTIFY runningChanged)
    Q_PROPERTY(bool paused READ paused WRITE setPaused NOTIFY pausedChanged)
    Q_PROPERTY(int currentFrame READ currentFrame WRITE setCurrentFrame NOTIFY currentFrameChanged)

public:
    using Ligne = std::array<int, 7>;
    // The table's row for a strip name, or the 1 x 1 still row.
    static Ligne ligne(const QString& nom, bool* connue = nullptr);

    explicit DessinBandeQml(QQuickItem* parent = nullptr);
    ~DessinBandeQml() override;

    QString nom() const { return nom_; }
    void setNom(const QString& v);
    QVariantList d() const;
    bool connue() const { return connue_; }
    int origineX() const { return ligne_[5]; }
    int origineY() const { return ligne_[6]; }
    int frameCount() const { return std::max(1, ligne_[2]); }
    bool tenir() const { return tenir_; }
    void setTenir(bool v);
    bool aligne() const { return aligne_; }
    void setAligne(bool v);
    bool running() const { return running_; }
    void setRunning(bool v);
    bool paused() const { return paused_; }
    void setPaused(bool v);
    int currentFrame() const { return cadre_; }
    void setCurrentFrame(int v);

    // Plays from frame 0.
    Q_INVOKABLE void restart();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void resume();
    // Resumes if paused, then plays from frame 0.
    Q_INVOKABLE void rejouer();

signals:
    void nomChanged();
    void tenirChanged();
    void aligneChanged();
    void runningChanged();
    void pausedChanged();
    void currentFrameChanged();

protected:
    void disposer() override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    bool dansAtlas() const override { return false; }

private:
    rythme::Ms avancer(qint64 maintenant) override;
    int duree() const { return std::max(16, ligne_[3]); }
    bool parDefaut() const { return connue_ && ligne_[2] > 1 && ligne_[3] > 0; }
    void jouer(bool oui);
    void fixerPause(bool oui);
    void fixerCadre(int cadre);
    // Subscribed to the clock exactly while running and not paused.
    void suivreHorloge();

    QString nom_;
    Ligne ligne_{1, 1, 1, 0, 0, 0, 0};
    bool connue_ = false;
    bool tenir_ = false;
    bool aligne_ = false;
    bool running_ = false;
    bool runningChoisi_ = false;
    bool paused_ = false;
    bool abonne_ = false;
    int cadre_ = 0;
    int cadreDemande_ = 0; // a frame chosen before the strip was named
    qint64 debut_ = 0;     // clock time of frame 0
    qint64 ecoule_ = 0;    // time into the strip when paused
};
