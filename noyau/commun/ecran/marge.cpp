#include "commun/ecran/marge.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace marge {

namespace {

class Pose {
public:
    Pose(const QJsonObject& anim, std::vector<Piece>& sortie) : anim_(anim), sortie_(sortie) {}

    void ajouter(const QString& nom, double x, double y, int plan) {
        const QJsonArray d = anim_.value(nom).toArray();
        if (nom.isEmpty() || d.size() < 2 || !std::isfinite(x) || !std::isfinite(y)) return;
        const int l = d.at(0).toInt();
        const int h = d.at(1).toInt();
        if (l <= 0 || h <= 0) return;
        sortie_.push_back({nom, x, y, plan, l, h});
    }

private:
    const QJsonObject& anim_;
    std::vector<Piece>& sortie_;
};

bool estNombre(const QJsonValue& v) {
    return v.isDouble() && std::isfinite(v.toDouble());
}

} // namespace

std::vector<Piece> pieces(const QJsonObject& fond, const QJsonObject& anim) {
    std::vector<Piece> sortie;
    Pose pose(anim, sortie);
    // The sky is one screen wide: twice side by side fills the band.
    const QString ciel = fond.value(QStringLiteral("ciel")).toString();
    pose.ajouter(ciel, 0, 0, 0);
    pose.ajouter(ciel, LARGEUR / 2, 0, 0);

    const QJsonArray plans = fond.value(QStringLiteral("plans")).toArray();
    const QJsonArray elements = fond.value(QStringLiteral("elements")).toArray();
    for (int plan = 0; plan <= 3; ++plan) {
        if (plan > 0) pose.ajouter(plans.at(plan - 1).toArray().at(0).toString(), 0, 0, plan);
        for (const QJsonValue& v : elements) {
            const QJsonArray e = v.toArray();
            if (e.size() < 4 || !e.at(0).isString() || !estNombre(e.at(1)) || !estNombre(e.at(2)) ||
                !estNombre(e.at(3)) || e.at(3).toDouble() != plan)
                continue;
            const QString nom = e.at(0).toString();
            const double x = e.at(1).toDouble();
            const double y = e.at(2).toDouble();
            // Drawn a band's width to the left as well, so that a sprite that
            // crosses the right end shows its remainder at the left end.
            pose.ajouter(nom, x, y, plan);
            pose.ajouter(nom, x - LARGEUR, y, plan);
        }
    }
    return sortie;
}

std::vector<Piece> piecesDepuisTable(const QByteArray& json) {
    const QJsonObject table = QJsonDocument::fromJson(json).object();
    const QJsonObject fond =
        table.value(QStringLiteral("fonds")).toObject().value(QStringLiteral("marche")).toObject();
    return pieces(fond, table.value(QStringLiteral("anim")).toObject());
}

} // namespace marge
