#include "controles.h"

#include <algorithm>
#include <cmath>

namespace controles {

namespace {

// Marks a text as a catalogue key, so the key tool collects it.
constexpr const char* T(const char* s) {
    return s;
}

// In the order of commandes::ACTIONS.
constexpr const char* NOMS[] = {
    T("LEFT"),      T("RIGHT"),        T("UP"),          T("DOWN"),        T("OK  TAKE"),
    T("BACK"),      T("HINT"),         T("MIX"),         T("UNDO"),        T("PEEK"),
    T("COIN"),      T("START  PAUSE"), T("SLIDE ROW ←"), T("SLIDE ROW →"), T("FIND TILE"),
    T("FIND PAIR"), T("SUMMARY")};
static_assert(sizeof(NOMS) / sizeof(NOMS[0]) == commandes::ACTIONS.size());

} // namespace

QString nomAction(const QString& action) {
    const int a = commandes::indexAction(action);
    return a < 0 ? QString(QLatin1String("")) : QString::fromUtf8(NOMS[a]);
}

QString nomAppareil(const QString& appareil, const QString& systeme) {
    if (appareil == QLatin1String("clavier")) return QString::fromUtf8(T("KEYBOARD"));
    if (appareil == QLatin1String("souris")) return QString::fromUtf8(T("MOUSE"));
    if (appareil == QLatin1String("manette")) return QString::fromUtf8(T("PAD"));
    if (appareil == QLatin1String("tactile")) return QString::fromUtf8(T("TOUCH"));
    if (appareil == QLatin1String("telecommande"))
        return systeme == QLatin1String("freebox") ? QString::fromUtf8(T("FREE REMOTE"))
                                                   : QString::fromUtf8(T("TV REMOTE"));
    return QString(QLatin1String(""));
}

bool reglable(const QString& appareil, const QString& systeme) {
    return appareil == QLatin1String("clavier") && systeme != QLatin1String("freebox") &&
           systeme != QLatin1String("android");
}

int nombreLignes(bool reglable) {
    return int(commandes::ACTIONS.size()) + (reglable ? 1 : 0);
}

std::optional<stockage::Reglages> remapper(const stockage::Reglages& r, const QString& action,
                                           int code) {
    if (commandes::indexAction(action) < 0 || !commandes::Table::reaffectable(code))
        return std::nullopt;
    stockage::Reglages copie = r;
    copie.touches.clear();
    for (const auto& [a, c] : r.touches)
        if (a != action && c != code) copie.touches.emplace_back(a, c);
    copie.touches.emplace_back(action, code);
    return stockage::lireReglages(stockage::ecrireReglages(copie));
}

stockage::Reglages sansRemappage(const stockage::Reglages& r) {
    stockage::Reglages copie = r;
    copie.touches.clear();
    return stockage::lireReglages(stockage::ecrireReglages(copie));
}

int appareilTouche(double x, double y, int nombre) {
    if (!(y >= 26 && y < 44) || !std::isfinite(x) || x < APPAREIL_X) return -1;
    const int k = int(std::floor((x - APPAREIL_X) / APPAREIL_ECART));
    return k < nombre ? k : -1;
}

int premierePourVoir(int premiere, int choix) {
    const int bas = commandes::NOMBRE_ACTIONS - RANGS_VUS;
    premiere = std::clamp(premiere, 0, bas);
    if (choix < 0 || choix >= commandes::NOMBRE_ACTIONS) return premiere;
    return std::clamp(premiere, choix - RANGS_VUS + 1, choix);
}

int defiler(int premiere, int sens) {
    return std::clamp(premiere + (sens < 0 ? -1 : 1), 0, commandes::NOMBRE_ACTIONS - RANGS_VUS);
}

int ligneTouchee(double y, int nombre, int premiere) {
    if (!std::isfinite(y)) return -1;
    const double rang = std::floor((y - LIGNE_Y + 2) / LIGNE_PAS);
    if (rang < 0 || rang > RANGS_VUS) return -1;
    const int i = rang == RANGS_VUS ? LIGNE_RAZ : premiere + int(rang);
    return i < nombre && (i < commandes::NOMBRE_ACTIONS || rang == RANGS_VUS) ? i : -1;
}

bool sortieTouchee(double y) {
    return y > 200;
}

} // namespace controles
