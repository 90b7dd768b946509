#pragma once

// Reading the player's folder of stacks off the GUI thread. A folder may hold
// a hundred files of up to 1 MiB, and judging one deals it: together that is
// far more than a frame, so the work runs on a thread of its own (rather
// than in slices: parsing one large file is itself longer than a slice, and
// nothing in it touches the scene). The thread works on copies and hands
// its list back through the event loop; a newer read makes an older one's
// result be dropped unseen, and the reader waits for its threads when it
// goes.
//
// A file already judged, unchanged since (same size, same modification
// time), is not read again; a refused file is reported once per run: one
// line on standard error naming the file and the reason, and a
// "TESSIMORA_PILE_REFUSEE <file> <reason>" line on standard output for the
// trials.

#include "piles/piles.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace piles {

// Files past this many in the folder are left unread (and said so once).
inline constexpr int FICHIERS_MAX = 500;

// What is known of a file, to skip it the next time when it has not changed.
struct Connue {
    qint64 taille = -1;
    qint64 date = -1; // modification time, ms since 1970
    Pile pile;
};
using Cache = QHash<QString, Connue>;

struct Dossier {
    std::vector<Pile> piles;     // the files in name order (case ignored)
    std::vector<bool> nouvelles; // per pile: judged now rather than taken from the cache
    Cache cache;                 // every file of this read
    int laissees = 0;            // files past FICHIERS_MAX
    bool abandonne = false;
};

// The regular files of `dossier` (hidden ones aside), each judged or taken
// from `cache`; `abandon` is asked between files and stops the read when
// true. Plain work: runs on any thread.
Dossier lireDossier(const QString& dossier, const Cache& cache,
                    const std::function<bool()>& abandon = {});

// The lines that report a refused file.
void signalerRefus(const Pile& p);

class LecteurPiles : public QObject {
    Q_OBJECT

public:
    explicit LecteurPiles(QObject* parent = nullptr);
    // Stops the reads under way and waits for them.
    ~LecteurPiles() override;

    // Starts reading `dossier` on a worker thread; a read under way is
    // abandoned. `lu` follows when this read is done.
    void lire(const QString& dossier);
    bool enCours() const { return demandee_ != recue_; }
    // The files of the last read done.
    const std::vector<Pile>& piles() const { return piles_; }

signals:
    void lu();
    void enCoursChanged();

private:
    void recevoir(int numero, Dossier d);

    Cache cache_;
    std::vector<Pile> piles_;
    int demandee_ = 0, recue_ = 0;
    int laissees_ = 0; // the files past the limit last said
    // The read that counts; a worker whose number differs stops early.
    std::shared_ptr<std::atomic<int>> courante_;
    std::vector<QThread*> fils_;
};

} // namespace piles
