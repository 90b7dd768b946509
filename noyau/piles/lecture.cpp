#include "piles/lecture.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace piles {

Dossier lireDossier(const QString& dossier, const Cache& cache,
                    const std::function<bool()>& abandon) {
    Dossier r;
    // Files only: no folder, pipe, socket or device, no hidden file.
    const QFileInfoList fichiers =
        QDir(dossier).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    r.laissees = std::max(0, fichiers.size() - FICHIERS_MAX);
    for (int i = 0; i < fichiers.size() && i < FICHIERS_MAX; ++i) {
        if (abandon && abandon()) {
            r.abandonne = true;
            return r;
        }
        const QFileInfo& f = fichiers[i];
        Connue c;
        c.taille = f.size();
        c.date = f.lastModified().toMSecsSinceEpoch();
        const QString chemin = f.absoluteFilePath();
        const auto vue = cache.constFind(chemin);
        const bool connue =
            vue != cache.constEnd() && vue->taille == c.taille && vue->date == c.date;
        c.pile = connue ? vue->pile : lirePile(chemin);
        r.piles.push_back(c.pile);
        r.nouvelles.push_back(!connue);
        r.cache.insert(chemin, c);
    }
    return r;
}

void signalerRefus(const Pile& p) {
    const QByteArray chemin = p.chemin.toUtf8();
    const char* raison = importation::cle(p.verdict.refus);
    std::fprintf(stderr,
                 "tessimora: stack file %s is not offered: %s (tessimora-moteur verifier "
                 "--fichier FILE says why)\n",
                 chemin.constData(), raison);
    std::printf("TESSIMORA_PILE_REFUSEE %s %s\n", chemin.constData(), raison);
    std::fflush(stdout);
}

LecteurPiles::LecteurPiles(QObject* parent)
    : QObject(parent), courante_(std::make_shared<std::atomic<int>>(0)) {}

LecteurPiles::~LecteurPiles() {
    courante_->store(-1);
    for (QThread* t : fils_) {
        t->wait();
        delete t;
    }
}

void LecteurPiles::lire(const QString& dossier) {
    const bool avant = enCours();
    const int numero = ++demandee_;
    courante_->store(numero);
    std::shared_ptr<std::atomic<int>> courante = courante_;
    QThread* t = QThread::create([this, numero, dossier, cache = cache_, courante] {
        Dossier d = lireDossier(dossier, cache, [&] { return courante->load() != numero; });
        if (d.abandonne) return;
        // Queued to the reader's thread; never delivered once it is gone.
        QMetaObject::invokeMethod(
            this, [this, numero, d = std::move(d)]() mutable { recevoir(numero, std::move(d)); },
            Qt::QueuedConnection);
    });
    connect(t, &QThread::finished, this, [this, t] {
        fils_.erase(std::remove(fils_.begin(), fils_.end(), t), fils_.end());
        t->deleteLater();
    });
    fils_.push_back(t);
    t->start(QThread::LowPriority);
    if (!avant) emit enCoursChanged();
}

void LecteurPiles::recevoir(int numero, Dossier d) {
    if (numero != demandee_) return;
    recue_ = numero;
    for (std::size_t i = 0; i < d.piles.size(); ++i)
        if (d.nouvelles[i] && !d.piles[i].jouable()) signalerRefus(d.piles[i]);
    if (d.laissees > 0 && d.laissees != laissees_)
        std::fprintf(stderr, "tessimora: %d more stack files are not read (%d at most)\n",
                     d.laissees, FICHIERS_MAX);
    laissees_ = d.laissees;
    cache_ = std::move(d.cache);
    piles_ = std::move(d.piles);
    emit lu();
    emit enCoursChanged();
}

} // namespace piles
