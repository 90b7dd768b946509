#include "ecran/qml/plateau_qml.h"

#include "ecran/plateau.h"
#include "moteur/dispositions.h"
#include "moteur/qml/partie_qml.h"

#include <QtQml>

#include <array>

namespace {

QVariantMap point(plateau::Point p) { return {{QStringLiteral("x"), p.x}, {QStringLiteral("y"), p.y}}; }

// The game record behind either game type, or null.
const partie::Partie* record(QObject* o) {
    if (auto* p = qobject_cast<PartieQml*>(o)) return p->donnees();
    if (auto* p = qobject_cast<PartiePileQml*>(o)) return p->partie() ? &*p->partie() : nullptr;
    return nullptr;
}

bool dans(const partie::Partie* p, int i) { return p && i >= 0 && i < p->g->n; }

plateau::Zone zoneDe(const QVariant& zone) {
    const QVariantMap m = zone.toMap();
    if (!m.contains(QStringLiteral("largeur"))) return plateau::ZONE_PLEINE;
    return {m.value(QStringLiteral("x")).toInt(), m.value(QStringLiteral("y")).toInt(),
            m.value(QStringLiteral("largeur")).toInt(), m.value(QStringLiteral("hauteur")).toInt()};
}

std::set<int> fumeesDe(const QVariant& fumees) {
    std::set<int> f;
    const QVariantMap m = fumees.toMap();
    for (auto k = m.constBegin(); k != m.constEnd(); ++k)
        if (k.value().toBool()) f.insert(k.key().toInt());
    return f;
}

std::array<int, 2> paireDe(const QVariant& indice) {
    const QVariantList l = indice.toList();
    if (l.size() != 2) return {-1, -1};
    return {l[0].toInt(), l[1].toInt()};
}

} // namespace

int PartiePileQml::n() const { return partie_ ? partie_->g->n : 0; }

QVariantList PartiePileQml::ordre() const {
    QVariantList r;
    if (partie_)
        for (int i : partie_->g->ordre) r.append(i);
    return r;
}

int PartiePileQml::selection() const { return partie_ ? partie_->selection : -1; }
int PartiePileQml::restantes() const { return partie_ ? partie_->restantes : 0; }
double PartiePileQml::score() const { return partie_ ? static_cast<double>(partie_->score) : 0; }
QString PartiePileQml::disposition() const {
    return partie_ ? QString::fromStdString(partie_->disposition) : QString();
}
QString PartiePileQml::etat() const {
    return partie_ ? QString::fromLatin1(partie::nom(partie_->etat)) : QString();
}
int PartiePileQml::demiX() const { return plateau::DEMI_X; }
int PartiePileQml::demiY() const { return plateau::DEMI_Y; }
int PartiePileQml::coucheX() const { return plateau::COUCHE_X; }
int PartiePileQml::coucheY() const { return plateau::COUCHE_Y; }
int PartiePileQml::tuileL() const { return plateau::TUILE_L; }
int PartiePileQml::tuileH() const { return plateau::TUILE_H; }

bool PartiePileQml::dans(int i) const { return partie_ && i >= 0 && i < partie_->g->n; }

void PartiePileQml::bump() {
    ++version_;
    emit change();
}

bool PartiePileQml::creer(const QString& disposition, const QVariant& graine) {
    const dispositions::Disposition* d = dispositions::parNom(disposition.toStdString());
    if (!d) return false;
    partie::Options o;
    o.disposition = *d;
    // A number stays a number: the text "7" and the number 7 are different seeds.
    const bool nombre = graine.type() == QVariant::Int || graine.type() == QVariant::Double ||
                        graine.type() == QVariant::LongLong || graine.type() == QVariant::UInt;
    o.graine = nombre ? alea::Graine(graine.toDouble()) : alea::Graine(graine.toString().toStdString());
    std::optional<partie::Partie> p = partie::creer(o);
    if (!p) return false;
    partie_ = std::move(p);
    emit donne();
    bump();
    return true;
}

QVariantMap PartiePileQml::place(int i) const {
    if (!dans(i)) return {};
    const pile::Place& p = partie_->g->places[i];
    return {{QStringLiteral("x"), p.x}, {QStringLiteral("y"), p.y}, {QStringLiteral("z"), p.z}};
}

QVariantMap PartiePileQml::px(int i) const {
    return dans(i) ? point(plateau::px(partie_->g->places[i])) : point({});
}

bool PartiePileQml::present(int i) const { return dans(i) && partie_->present[i]; }
int PartiePileQml::motif(int i) const { return dans(i) ? partie_->motifs[i] : -1; }
bool PartiePileQml::libre(int i) const { return dans(i) && partie::libre(*partie_, i); }
bool PartiePileQml::couvre(int i) const {
    return dans(i) && plateau::couvre(*partie_->g, partie_->present, i);
}

bool PartiePileQml::voilee(int i, int voile, const QVariant& fumees) const {
    if (!dans(i)) return false;
    return plateau::voilee(*partie_->g, partie_->present, voile, fumeesDe(fumees), i);
}

int PartiePileQml::etatTuile(int i, const QVariant& indice) const {
    const std::array<int, 2> p = paireDe(indice);
    return plateau::etat(selection(), p[0], p[1], i);
}

QVariantMap PartiePileQml::origine(const QVariant& zone) const {
    if (!partie_) return point({});
    return point(plateau::origine(*partie_->g, zoneDe(zone)));
}

int PartiePileQml::sous(int ox, int oy, int x, int y) const {
    return partie_ ? plateau::sous(*partie_->g, partie_->present, {ox, oy}, x, y) : -1;
}

QVariantMap PartiePileQml::prendre(int i) {
    if (!partie_) return {};
    const partie::Resultat r = partie::prendre(*partie_, i);
    bump();
    return {{QStringLiteral("type"), QString::fromLatin1(partie::nom(r.type))},
            {QStringLiteral("i"), r.i},
            {QStringLiteral("ancienne"), r.ancienne},
            {QStringLiteral("a"), r.a},
            {QStringLiteral("b"), r.b},
            {QStringLiteral("points"), r.points},
            {QStringLiteral("combo"), r.combo},
            {QStringLiteral("jumelle"), r.jumelle},
            {QStringLiteral("bonusMs"), static_cast<double>(r.bonusMs)},
            {QStringLiteral("fever"), r.fever}};
}

QVariant PartiePileQml::indice() {
    if (!partie_) return {};
    const std::optional<pile::Paire> p = partie::indice(*partie_);
    if (!p) return {};
    return QVariantList{(*p)[0], (*p)[1]};
}

bool PartiePileQml::annuler() {
    if (!partie_ || !partie::annuler(*partie_)) return false;
    bump();
    return true;
}

int TraceQml::demiX() const { return plateau::DEMI_X; }
int TraceQml::demiY() const { return plateau::DEMI_Y; }
int TraceQml::coucheX() const { return plateau::COUCHE_X; }
int TraceQml::coucheY() const { return plateau::COUCHE_Y; }
int TraceQml::tuileL() const { return plateau::TUILE_L; }
int TraceQml::tuileH() const { return plateau::TUILE_H; }

bool TraceQml::pret(QObject* o) const { return record(o) != nullptr; }

QString TraceQml::cle(QObject* o) const {
    const partie::Partie* p = record(o);
    return p ? QString::fromStdString(p->disposition) : QString();
}

QVariantList TraceQml::ordre(QObject* o) const {
    QVariantList r;
    if (const partie::Partie* p = record(o))
        for (int i : p->g->ordre) r.append(i);
    return r;
}

int TraceQml::couche(QObject* o, int i) const {
    const partie::Partie* p = record(o);
    return dans(p, i) ? p->g->places[i].z : 0;
}

QVariantMap TraceQml::px(QObject* o, int i) const {
    const partie::Partie* p = record(o);
    return dans(p, i) ? point(plateau::px(p->g->places[i])) : point({});
}

QVariantMap TraceQml::origine(QObject* o, const QVariant& zone) const {
    const partie::Partie* p = record(o);
    return p ? point(plateau::origine(*p->g, zoneDe(zone))) : point({});
}

int TraceQml::sous(QObject* o, int ox, int oy, int x, int y) const {
    const partie::Partie* p = record(o);
    return p ? plateau::sous(*p->g, p->present, {ox, oy}, x, y) : -1;
}

bool TraceQml::couvre(QObject* o, int i) const {
    const partie::Partie* p = record(o);
    return dans(p, i) && plateau::couvre(*p->g, p->present, i);
}

bool TraceQml::voilee(QObject* o, int i, int voile, const QVariant& fumees) const {
    const partie::Partie* p = record(o);
    return dans(p, i) && plateau::voilee(*p->g, p->present, voile, fumeesDe(fumees), i);
}

int TraceQml::etat(QObject* o, int i, const QVariant& indice) const {
    const partie::Partie* p = record(o);
    if (!p) return 0;
    const std::array<int, 2> h = paireDe(indice);
    return plateau::etat(p->selection, h[0], h[1], i);
}

void enregistrerPlateau() {
    qmlRegisterType<PartiePileQml>("Tessimora", 1, 0, "PartiePile");
    qmlRegisterSingletonType<TraceQml>("Tessimora", 1, 0, "Trace",
                                       [](QQmlEngine*, QJSEngine*) -> QObject* { return new TraceQml; });
}
