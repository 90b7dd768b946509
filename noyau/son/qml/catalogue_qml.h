#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

// The sound catalogue as the scenes see it: the QML singleton `Catalogue`.
// Track records travel as plain JS objects with the catalogue's field names.
class CatalogueQml : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantList pistes READ pistes CONSTANT)
    Q_PROPERTY(QStringList fonds READ fonds CONSTANT)

public:
    explicit CatalogueQml(QObject* parent = nullptr);

    QVariantList pistes() const;
    QStringList fonds() const;

    // The track record of an id, or null.
    Q_INVOKABLE QVariant piste(const QString& id) const;
    Q_INVOKABLE QString musiqueEtape(double etape) const;
    Q_INVOKABLE QString paire(double combo) const;
};

// Registers `Catalogue` under "Tessimora" 1.0.
void enregistrerSon();
