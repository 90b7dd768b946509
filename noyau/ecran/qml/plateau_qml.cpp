#include "ecran/qml/plateau_qml.h"

#include "ecran/plateau.h"
#include "moteur/dispositions.h"

#include <QtQml>

namespace {

QVariantMap point(plateau::Point p) { return {{QStringLiteral("x"), p.x}, {QStringLiteral("y"), p.y}}; }

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
    std::set<int> f;
    const QVariantMap m = fumees.toMap();
    for (auto k = m.constBegin(); k != m.constEnd(); ++k)
        if (k.value().toBool()) f.insert(k.key().toInt());
    return plateau::voilee(*partie_->g, partie_->present, voile, f, i);
}

int PartiePileQml::etatTuile(int i, const QVariant& indice) const {
    const QVariantList l = indice.toList();
    const int a = l.size() == 2 ? l[0].toInt() : -1;
    const int b = l.size() == 2 ? l[1].toInt() : -1;
    return plateau::etat(selection(), a, b, i);
}

QVariantMap PartiePileQml::origine(const QVariant& zone) const {
    if (!partie_) return point({});
    plateau::Zone z = plateau::ZONE_PLEINE;
    const QVariantMap m = zone.toMap();
    if (m.contains(QStringLiteral("largeur")))
        z = {m.value(QStringLiteral("x")).toInt(), m.value(QStringLiteral("y")).toInt(),
             m.value(QStringLiteral("largeur")).toInt(), m.value(QStringLiteral("hauteur")).toInt()};
    return point(plateau::origine(*partie_->g, z));
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

void enregistrerPlateau() { qmlRegisterType<PartiePileQml>("Tessimora", 1, 0, "PartiePile"); }
