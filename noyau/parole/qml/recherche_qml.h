#pragma once

#include <QObject>

class PartieQml;

// The singleton `Recherche`: where the finding keys take the cursor on a
// stack game's board (the next free tile, the next free partner of the
// picked tile), as the engine orders them. -1 when there is none.
class RechercheQml : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE int suivante(PartieQml* partie, int depuis) const;
    Q_INVOKABLE int partenaire(PartieQml* partie, int depuis) const;
};
