#pragma once

#include "ecran/qml/horloge.h"

#include <QObject>
#include <QVariantList>
#include <vector>

// The scroll time of a background: seconds on the wall clock while it runs,
// standing where it is while stopped, looping every `boucle` seconds (a
// whole number of periods of every layer, so the loop never jumps). Its
// layers are drawn at whole pixels, so it wakes the screen only when one of
// them moves by one (`vitesses`, pixels a second): at 10 pixels a second,
// ten times a second rather than at every frame of the display.
class DefilementQml : public QObject, private Horloge::Abonne {
    Q_OBJECT
    Q_PROPERTY(bool enMarche READ enMarche WRITE setEnMarche NOTIFY enMarcheChanged)
    Q_PROPERTY(QVariantList vitesses READ vitesses WRITE setVitesses NOTIFY vitessesChanged)
    Q_PROPERTY(int boucle READ boucle WRITE setBoucle NOTIFY boucleChanged)
    Q_PROPERTY(qreal temps READ temps WRITE setTemps NOTIFY tempsChanged)

public:
    explicit DefilementQml(QObject* parent = nullptr);
    ~DefilementQml() override;

    bool enMarche() const { return enMarche_; }
    void setEnMarche(bool v);
    QVariantList vitesses() const;
    void setVitesses(const QVariantList& v);
    int boucle() const { return boucle_; }
    void setBoucle(int v);
    qreal temps() const { return static_cast<qreal>(ecoule_) / 1000; }
    void setTemps(qreal secondes);

    // Whole pixels a layer of `vitesse` pixels a second has moved, within
    // its width `largeur`.
    Q_INVOKABLE int decalage(qreal vitesse, int largeur) const;

signals:
    void enMarcheChanged();
    void vitessesChanged();
    void boucleChanged();
    void tempsChanged();

private:
    rythme::Ms avancer(qint64 maintenant) override;
    rythme::Ms boucleMs() const { return static_cast<rythme::Ms>(boucle_) * 1000; }
    void fixerEcoule(rythme::Ms ms);
    void suivreHorloge();

    std::vector<double> vitesses_;
    bool enMarche_ = false;
    bool abonne_ = false;
    int boucle_ = 3840;
    rythme::Ms ecoule_ = 0; // scroll time, ms
    rythme::Ms depart_ = 0; // clock time at which ecoule_ was 0 while running
};
