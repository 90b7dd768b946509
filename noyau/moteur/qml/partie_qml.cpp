#include "moteur/qml/partie_qml.h"

#include "ecran/plateau.h"
#include "ecran/qml/remplacer.h"
#include "moteur/etape.h"
#include "moteur/importation.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

QVariantList liste(const std::vector<int>& v) {
    QVariantList l;
    l.reserve(static_cast<int>(v.size()));
    for (int x : v)
        l.append(x);
    return l;
}

QVariantList paire(const pile::Paire& p) {
    return {p[0], p[1]};
}

PartieQml::Etat etatDe(const std::optional<partie::Partie>& p) {
    if (!p) return PartieQml::Aucune;
    switch (p->etat) {
    case partie::Etat::Jeu:
        return PartieQml::Jeu;
    case partie::Etat::Bloque:
        return PartieQml::Bloque;
    case partie::Etat::Gagne:
        return PartieQml::Gagne;
    case partie::Etat::Temps:
        return PartieQml::Temps;
    case partie::Etat::Impasse:
        return PartieQml::Impasse;
    }
    return PartieQml::Aucune;
}

PrisePile::Type typeDe(partie::TypeResultat t) {
    switch (t) {
    case partie::TypeResultat::Fini:
        return PrisePile::Fini;
    case partie::TypeResultat::Bloquee:
        return PrisePile::Bloquee;
    case partie::TypeResultat::Prise:
        return PrisePile::Prise;
    case partie::TypeResultat::Lachee:
        return PrisePile::Lachee;
    case partie::TypeResultat::Refus:
        return PrisePile::Refus;
    case partie::TypeResultat::PaireFaite:
        return PrisePile::Paire;
    }
    return PrisePile::Fini;
}

std::array<int, 6> chiffres(const partie::Stats& s) {
    return {s.paires, s.comboMax, s.hint, s.mix, s.undo, s.peek};
}

// Stores v when it differs; the vector is copied only then.
template <typename T> bool remplacerListe(std::vector<T>& membre, const std::vector<T>& v) {
    if (membre == v) return false;
    membre = v;
    return true;
}

} // namespace

alea::Graine graineDe(const QVariant& v) {
    if (v.type() == QVariant::String) return alea::Graine(v.toString().toStdString());
    bool ok = false;
    double n = v.toDouble(&ok);
    return alea::Graine(ok && std::isfinite(n) ? n : 0.0);
}

PartieQml::PartieQml(QObject* parent) : QObject(parent) {}

void PartieQml::nouvelle() {
    ++version_;
    emit versionChanged();
    emit donneChanged();
    publier();
}

void PartieQml::publierTemps() {
    const partie::Partie* p = p_ ? &*p_ : nullptr;
    const bool horloge = remplacer(vu_.horloge, p ? p->horloge : 0);
    const bool temps = remplacer(vu_.tempsMs, p ? p->tempsMs : 0);
    const bool combo = remplacer(vu_.combo, comboCourant());
    const bool apercu_ = remplacer(vu_.apercu, apercu());
    if (horloge) emit horlogeChanged();
    if (temps) emit tempsMsChanged();
    if (combo) emit comboChanged();
    if (apercu_) emit apercuChanged();
}

void PartieQml::publier() {
    // Every value is stored before the first signal, so that whoever listens
    // to one of them reads the others as they now are.
    const partie::Partie* p = p_ ? &*p_ : nullptr;
    static const std::vector<std::uint8_t> aucune;
    static const std::vector<int> aucun;
    const bool etat = remplacer(vu_.etat, etatDe(p_));
    const bool score = remplacer(vu_.score, p ? p->score : 0);
    const bool restantes_ = remplacer(vu_.restantes, restantes());
    const bool selection_ = remplacer(vu_.selection, selection());
    const bool tempsMax = remplacer(vu_.tempsMax, p ? p->tempsMax : 0);
    const bool apercuJusqua = remplacer(vu_.apercuJusqua, p ? p->apercuJusqua : -1);
    const bool hint_ = remplacer(vu_.hint, hint());
    const bool mix_ = remplacer(vu_.mix, mix());
    const bool peek_ = remplacer(vu_.peek, peek());
    const bool mixGratuit_ = remplacer(vu_.mixGratuit, mixGratuit());
    const bool undo_ = remplacer(vu_.undo, undo());
    const bool stats_ = remplacer(vu_.stats, chiffres(p ? p->stats : partie::Stats{}));
    const bool parfait_ = remplacer(vu_.parfait, p && etape::parfait(p->stats));
    const bool presence_ = remplacerListe(vu_.presence, p ? p->present : aucune);
    const bool motifs_ = remplacerListe(vu_.motifs, p ? p->motifs : aucun);
    const bool libres_ = remplacerListe(vu_.libres, p ? pile::libres(*p->g, p->present) : aucun);
    const bool horloge = remplacer(vu_.horloge, p ? p->horloge : 0);
    const bool temps = remplacer(vu_.tempsMs, p ? p->tempsMs : 0);
    const bool combo = remplacer(vu_.combo, comboCourant());
    const bool apercu_ = remplacer(vu_.apercu, apercu());
    const bool version = etat || score || restantes_ || selection_ || tempsMax || apercuJusqua ||
                         hint_ || mix_ || peek_ || mixGratuit_ || undo_ || stats_ || presence_ ||
                         motifs_;
    if (version) {
        ++version_;
        emit versionChanged();
    }
    if (etat) emit etatChanged();
    if (score) emit scoreChanged();
    if (restantes_) emit restantesChanged();
    if (selection_) emit selectionChanged();
    if (tempsMax) emit tempsMaxChanged();
    if (apercuJusqua) emit apercuJusquaChanged();
    if (hint_) emit hintChanged();
    if (mix_) emit mixChanged();
    if (peek_) emit peekChanged();
    if (mixGratuit_) emit mixGratuitChanged();
    if (undo_) emit undoChanged();
    if (stats_) emit statsChanged();
    if (parfait_) emit parfaitChanged();
    if (presence_) emit presenceChanged();
    if (motifs_) emit motifsChanged();
    if (libres_) emit libresChanged();
    if (horloge) emit horlogeChanged();
    if (temps) emit tempsMsChanged();
    if (combo) emit comboChanged();
    if (apercu_) emit apercuChanged();
}

namespace {

// A layout the scene holds whole, { nom, couches }: nothing unless every
// layer is a list of texts and the shape holds at most as many tiles as a
// stack file may.
std::optional<dispositions::Disposition> dispositionDe(const QVariantMap& m) {
    const QVariant couches = m.value(QStringLiteral("couches"));
    if (couches.type() != QVariant::List && couches.type() != QVariant::StringList)
        return std::nullopt;
    dispositions::Disposition d;
    d.nom = m.value(QStringLiteral("nom")).toString().toStdString();
    for (const QVariant& c : couches.toList()) {
        if (c.type() != QVariant::List && c.type() != QVariant::StringList) return std::nullopt;
        pile::Couche couche;
        for (const QVariant& rang : c.toList()) {
            if (rang.type() != QVariant::String) return std::nullopt;
            couche.push_back(rang.toString().toStdString());
        }
        d.couches.push_back(std::move(couche));
    }
    const pile::Lecture l = pile::lire(d.couches);
    if (!l.ok() || l.places.size() > static_cast<std::size_t>(importation::TUILES_MAX))
        return std::nullopt;
    return d;
}

} // namespace

bool PartieQml::creer(const QVariantMap& options) {
    const dispositions::Disposition* d = nullptr;
    std::optional<dispositions::Disposition> entiere;
    bool donneeEntiere = false;
    QVariant choix = options.value(QStringLiteral("disposition"));
    if (choix.type() == QVariant::Map) {
        const QVariantMap m = choix.toMap();
        donneeEntiere = m.contains(QStringLiteral("couches"));
        if (donneeEntiere)
            entiere = dispositionDe(m);
        else
            choix = m.value(QStringLiteral("nom"), QString());
    }
    if (donneeEntiere) {
        d = entiere ? &*entiere : nullptr;
    } else if (choix.type() == QVariant::String) {
        d = dispositions::parNom(choix.toString().toStdString());
    } else {
        const int n = static_cast<int>(dispositions::LISTE.size());
        double brut = choix.isValid() && !choix.isNull()
                          ? choix.toDouble()
                          : options.value(QStringLiteral("etape")).toDouble();
        long k = std::isfinite(brut) ? static_cast<long>(std::fmod(std::trunc(brut), n)) : 0;
        if (k < 0) k += n;
        d = &dispositions::LISTE[static_cast<std::size_t>(k)];
    }
    p_.reset();
    if (d) {
        partie::Options o;
        o.disposition = *d;
        o.graine = graineDe(options.value(QStringLiteral("graine"), 1));
        double t = options.value(QStringLiteral("tempsMs")).toDouble();
        o.tempsMs = std::isfinite(t) && t > 0 ? static_cast<std::int64_t>(t) : 0;
        o.undo = options.value(QStringLiteral("undo"), true).toBool();
        o.sansEncens = options.value(QStringLiteral("sansEncens"), false).toBool();
        p_ = partie::creer(o);
    }
    nouvelle();
    return p_.has_value();
}

void PartieQml::vider() {
    p_.reset();
    nouvelle();
}

bool PartieQml::valide(int i) const {
    return p_ && i >= 0 && i < p_->g->n;
}

bool PartieQml::present(int i) const {
    return valide(i) && p_->present[i];
}

bool PartieQml::libre(int i) const {
    return valide(i) && partie::libre(*p_, i);
}

int PartieQml::motif(int i) const {
    return valide(i) ? p_->motifs[i] : -1;
}

int PartieQml::famille(int i) const {
    return valide(i) ? partie::famille(*p_, i) : -1;
}

QVariant PartieQml::place(int i) const {
    if (!valide(i)) return QVariant::fromValue(nullptr);
    const pile::Place& pl = p_->g->places[i];
    return QVariantMap{
        {QStringLiteral("x"), pl.x}, {QStringLiteral("y"), pl.y}, {QStringLiteral("z"), pl.z}};
}

QVariantList PartieQml::paires() const {
    QVariantList l;
    if (p_)
        for (const pile::Paire& pr : partie::paires(*p_))
            l.append(QVariant(paire(pr)));
    return l;
}

int PartieQml::voisine(int depuis, int dx, int dy) const {
    return valide(depuis) ? partie::voisine(*p_, depuis, dx, dy) : -1;
}

int PartieQml::plusProche(int depuis) const {
    if (!p_) return -1;
    std::vector<int> l = pile::libres(*p_->g, p_->present);
    if (l.empty()) return -1;
    if (!valide(depuis)) return l.front();
    const pile::Place& o = p_->g->places[depuis];
    int meilleur = -1, distance = std::numeric_limits<int>::max();
    for (int i : l) {
        const pile::Place& pl = p_->g->places[i];
        int d = std::abs(pl.x - o.x) + std::abs(pl.y - o.y);
        if (d < distance) distance = d, meilleur = i;
    }
    return meilleur;
}

namespace {

QVariantMap point(const plateau::Point& p) {
    return {{QStringLiteral("x"), p.x}, {QStringLiteral("y"), p.y}};
}

} // namespace

QVariantMap PartieQml::px(int i) const {
    return point(valide(i) ? plateau::px(p_->g->places[i]) : plateau::Point{});
}

bool PartieQml::couvre(int i) const {
    return valide(i) && plateau::couvre(*p_->g, p_->present, i);
}

QVariantMap PartieQml::origine(const QVariant& zone) const {
    if (!p_) return point({});
    plateau::Zone z = plateau::ZONE_PLEINE;
    const QVariantMap m = zone.toMap();
    if (m.contains(QStringLiteral("largeur")))
        z = {m.value(QStringLiteral("x")).toInt(), m.value(QStringLiteral("y")).toInt(),
             m.value(QStringLiteral("largeur")).toInt(),
             m.value(QStringLiteral("hauteur")).toInt()};
    return point(plateau::origine(*p_->g, z));
}

int PartieQml::sous(int ox, int oy, int x, int y) const {
    return p_ ? plateau::sous(*p_->g, p_->present, {ox, oy}, x, y) : -1;
}

int PartieQml::comboCourant() const {
    return p_ ? partie::comboCourant(*p_) : 1;
}

QVariantMap PartieQml::bonusFin() const {
    partie::BonusFin b = p_ ? partie::bonusFin(*p_) : partie::BonusFin{};
    return {{QStringLiteral("temps"), static_cast<double>(b.temps)},
            {QStringLiteral("aides"), static_cast<double>(b.aides)},
            {QStringLiteral("total"), static_cast<double>(b.total)}};
}

PrisePile PartieQml::enregistrement(const partie::Resultat& r) {
    PrisePile v;
    v.type = typeDe(r.type);
    v.i = r.i;
    v.ancienne = r.ancienne;
    v.a = r.a;
    v.b = r.b;
    v.points = r.points;
    v.combo = r.combo;
    v.jumelle = r.jumelle;
    v.bonusMs = static_cast<double>(r.bonusMs);
    v.fever = r.fever;
    return v;
}

MelangePile PartieQml::enregistrement(const partie::Melange& m) {
    MelangePile v;
    v.ok = m.ok;
    v.impossible = m.impossible;
    v.ancien = liste(m.ancien);
    v.cout = static_cast<double>(m.cout);
    return v;
}

PrisePile PartieQml::prendre(int i) {
    if (!p_) return enregistrement(partie::Resultat{});
    partie::Resultat r = partie::prendre(*p_, i);
    publier();
    return enregistrement(r);
}

bool PartieQml::annuler() {
    if (!p_ || !partie::annuler(*p_)) return false;
    publier();
    return true;
}

bool PartieQml::avancer(double dt) {
    if (!p_ || !std::isfinite(dt) || dt < 0) return false;
    const partie::Etat avant = p_->etat;
    bool fin = partie::avancer(*p_, static_cast<std::int64_t>(dt));
    if (p_->etat != avant)
        publier();
    else
        publierTemps();
    return fin;
}

void PartieQml::travailler(double ms) {
    // The search only changes the witness, which nothing on screen shows.
    if (p_ && std::isfinite(ms) && ms > 0) partie::travailler(*p_, static_cast<std::int64_t>(ms));
}

QVariant PartieQml::temoin() const {
    if (!p_ || !p_->temoin) return QVariant::fromValue(nullptr);
    QVariantList l;
    l.reserve(static_cast<int>(p_->temoin->size()));
    for (const pile::Paire& q : *p_->temoin)
        l.append(QVariant(paire(q)));
    return l;
}

QVariant PartieQml::indice() {
    if (!p_) return QVariant::fromValue(nullptr);
    std::optional<pile::Paire> r = partie::indice(*p_);
    publier();
    if (!r) return QVariant::fromValue(nullptr);
    return paire(*r);
}

MelangePile PartieQml::melanger() {
    if (!p_) return enregistrement(partie::Melange{});
    partie::Melange m = partie::melanger(*p_);
    publier();
    return enregistrement(m);
}

double PartieQml::apercuAide() {
    if (!p_) return 0;
    std::int64_t d = partie::apercu(*p_);
    if (d > 0) publier();
    return static_cast<double>(d);
}

QVariant PartieQml::pousser() {
    if (!p_) return QVariant::fromValue(nullptr);
    std::optional<std::array<int, 4>> r = partie::pousser(*p_);
    if (!r) return QVariant::fromValue(nullptr);
    publier();
    return QVariantList{(*r)[0], (*r)[1], (*r)[2], (*r)[3]};
}

bool PartieQml::reprendre() {
    if (!p_ || p_->etat != partie::Etat::Temps) return false;
    p_->tempsMs = p_->tempsMax;
    p_->score = 0;
    partie::etatApres(*p_);
    publier();
    return true;
}

void PartieQml::allonger(double ms) {
    if (!p_ || p_->sansEncens || !std::isfinite(ms) || ms <= p_->tempsMax) return;
    p_->tempsMax = static_cast<std::int64_t>(ms);
    publier();
}

QString PartieQml::disposition() const {
    return p_ ? QString::fromStdString(p_->disposition) : QString();
}

int PartieQml::nombre() const {
    return p_ ? p_->g->n : 0;
}

double PartieQml::score() const {
    return p_ ? static_cast<double>(p_->score) : 0;
}
double PartieQml::horloge() const {
    return p_ ? static_cast<double>(p_->horloge) : 0;
}
double PartieQml::tempsMs() const {
    return p_ ? static_cast<double>(p_->tempsMs) : 0;
}
double PartieQml::tempsMax() const {
    return p_ ? static_cast<double>(p_->tempsMax) : 0;
}
double PartieQml::apercuJusqua() const {
    return p_ ? static_cast<double>(p_->apercuJusqua) : -1;
}
bool PartieQml::apercu() const {
    return p_ && p_->apercuJusqua > p_->horloge;
}

QVariantMap PartieQml::stats() const {
    partie::Stats s = p_ ? p_->stats : partie::Stats{};
    return {{QStringLiteral("paires"), s.paires}, {QStringLiteral("comboMax"), s.comboMax},
            {QStringLiteral("hint"), s.hint},     {QStringLiteral("mix"), s.mix},
            {QStringLiteral("undo"), s.undo},     {QStringLiteral("peek"), s.peek}};
}

QVariantMap PartieQml::bornes() const {
    pile::Bornes b = p_ ? p_->g->bornes : pile::Bornes{};
    return {{QStringLiteral("x"), b.x},
            {QStringLiteral("y"), b.y},
            {QStringLiteral("largeur"), b.largeur},
            {QStringLiteral("hauteur"), b.hauteur},
            {QStringLiteral("couches"), b.couches}};
}

QVariantList PartieQml::ordre() const {
    return p_ ? liste(p_->g->ordre) : QVariantList();
}

QVariantList PartieQml::presence() const {
    QVariantList l;
    if (p_)
        for (std::uint8_t x : p_->present)
            l.append(x != 0);
    return l;
}

QVariantList PartieQml::motifs() const {
    return p_ ? liste(p_->motifs) : QVariantList();
}

QVariantList PartieQml::libres() const {
    return p_ ? liste(pile::libres(*p_->g, p_->present)) : QVariantList();
}
