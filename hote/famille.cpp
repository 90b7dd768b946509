#include "famille.h"

#include <initializer_list>

namespace {

bool contientUn(const QString& texte, std::initializer_list<const char*> mots) {
    for (const char* mot : mots)
        if (texte.contains(QLatin1String(mot))) return true;
    return false;
}

} // namespace

QString familleManette(const QString& nomManette) {
    // The order matters: a name that mentions two makers takes the first match.
    const QString nom = nomManette.toLower();
    if (contientUn(nom, {"steam deck", "neptune"})) return QStringLiteral("deck");
    if (contientUn(nom, {"playstation", "dualshock", "dualsense", "ps4", "ps5", "sony"}) ||
        nom == QLatin1String("wireless controller"))
        return QStringLiteral("playstation");
    if (contientUn(nom, {"nintendo", "switch", "joy-con", "pro controller"}))
        return QStringLiteral("nintendo");
    if (contientUn(nom, {"xbox", "x-box", "xinput", "microsoft"})) return QStringLiteral("xbox");
    return QString(QLatin1String(""));
}
