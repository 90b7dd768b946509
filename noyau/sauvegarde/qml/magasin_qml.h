#pragma once

#include <QHash>
#include <QMap>
#include <QObject>
#include <QQmlParserStatus>
#include <QTimer>
#include <QVariant>

// The durable key-value store of the scene (`Magasin` of "Tessimora" 1.0,
// the base of the host's `Settings`): every property a document declares on
// it is read from the application's settings file, group `category`, when the
// document is complete, and written back whenever it changes. The file format
// and place are QSettings' own, so older saves read unchanged.
//
// A change is on disk within the same event-loop turn's end, not at some
// later flush: a crash a moment after a save loses nothing. When the file
// cannot be written (a folder in its place, a read-only folder, a full disk)
// the game goes on with its records in memory, says so in one line on
// standard error, and tries again every few seconds until it works; the
// stored file is never replaced by a partial one (QSettings writes a copy and
// renames it). A file that exists but cannot be read is never written at all:
// writing would replace records we could not even see.
class MagasinQml : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(QString category READ category WRITE changerCategorie NOTIFY categoryChanged)

public:
    explicit MagasinQml(QObject* parent = nullptr);
    // Writes what is still waiting.
    ~MagasinQml() override;

    QString category() const { return categorie_; }
    void changerCategorie(const QString& categorie);

    void classBegin() override {}
    void componentComplete() override;

    // The settings file.
    static QString fichier();
    // Why that file cannot be written, as the player's message says it.
    static QString raison(const QString& fichier);

    // Writes what waits now; true when the file holds everything.
    bool ecrire();
    bool aJour() const { return attente_.isEmpty(); }
    // The wait before another try after a failed write (3 s).
    void changerRelance(int ms) { relance_.setInterval(ms); }

signals:
    void categoryChanged();

private slots:
    void changement();

private:
    QString categorie_;
    // Last value seen of each stored property, by name.
    QHash<QString, QVariant> valeurs_;
    // Changed values the file does not hold yet.
    QMap<QString, QVariant> attente_;
    QTimer ecriture_;
    QTimer relance_;
    bool charge_ = false;
    bool illisible_ = false;
    // The failure has been told; said again only after a write works.
    bool signale_ = false;
};
