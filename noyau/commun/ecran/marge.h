#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <vector>

// The backdrop band shown around the game picture when it does not fill the
// window: the night-market background frozen on its first frames, laid out
// once as a band twice the screen's width that joins seamlessly with itself.
namespace marge {

constexpr int LARGEUR = 768;
constexpr int HAUTEUR = 224;
constexpr double ECLAT = 0.6;  // the band is dimmed so that the game stays in front
constexpr bool MIROIR = false; // the band tiles sideways without mirroring

// One still strip of the band, top-left placed, in stacking order.
struct Piece {
    QString nom;
    double x = 0;
    double y = 0;
    int plan = 0;
    int largeur = 1; // one frame of the strip
    int hauteur = 1;
};

// Lays the band out from a background description ({ciel, plans, elements})
// and the strip table (name to [frame width, frame height, ...]). Rows that do
// not make sense and strips the table does not know are left out.
std::vector<Piece> pieces(const QJsonObject& fond, const QJsonObject& anim);

// The same from the whole sprite table's JSON text, using its "marche"
// background. An unreadable text gives no pieces.
std::vector<Piece> piecesDepuisTable(const QByteArray& json);

} // namespace marge
