#include "commandes.h"

#include <QSet>

namespace commandes {

namespace {

// Marks a text as a catalogue key, so the key tool collects it; the text is
// translated where it is shown.
constexpr const char* T(const char* s) {
    return s;
}

enum {
    GAUCHE,
    DROITE,
    HAUT,
    BAS,
    OK,
    RETOUR,
    HINT,
    MIX,
    UNDO,
    PEEK,
    PIECE,
    START,
    GLISSE_G,
    GLISSE_D,
    TROUVER,
    TROUVER_PAIRE,
    SOMMAIRE,
    AUCUNE = -1
};

// Action of each gamepad button number (Qt's numbering). The sticks' presses
// were the pad's last free buttons; the spoken summary is on the guide button,
// which a pad sends only where the host lets it through (the centre button
// has none: few pads have one).
constexpr int PAR_BOUTON[] = {OK,       RETOUR,   HINT,   MIX,    UNDO,    PEEK,
                              GLISSE_G, GLISSE_D, PIECE,  START,  TROUVER, TROUVER_PAIRE,
                              HAUT,     BAS,      DROITE, GAUCHE, AUCUNE,  SOMMAIRE};

using Liste = QVector<int>;

// Default keyboard: the first key of each action is its main key (shown on
// screen, replaced by a remapping); the others cover AZERTY without Shift and
// QWERTY. The finding keys sit where both layouts agree (N, B, I), with the
// digits after the helps' for the box's remote, which sends digits.
const std::array<Liste, NOMBRE_ACTIONS>& CLAVIER() {
    static const std::array<Liste, NOMBRE_ACTIONS> t = {{
        {K::gauche, 'Q', 'A'},
        {K::droite, 'D'},
        {K::haut, 'Z', 'W'},
        {K::bas, 'S'},
        {K::entree, K::entreePave, K::espace},
        {K::echap, K::retourArriere},
        {'H', '1', K::esperluette},
        {'M', '2', K::eAigu},
        {'U', '3', K::guillemet},
        {'P', '4', K::apostrophe},
        {'5', K::parentheseG, K::inser},
        {K::f1, K::pause},
        {K::virgule, K::crochetG, K::inferieur, K::pageHaut},
        {K::pointVirgule, K::crochetD, K::point, K::superieur, K::pageBas},
        {'N', '6'},
        {'B', '7'},
        {'I', '8'},
    }};
    return t;
}

// Box and television remotes, fixed; bound after the keyboard, in this order.
const std::array<Liste, NOMBRE_ACTIONS>& TELECOMMANDE() {
    static const std::array<Liste, NOMBRE_ACTIONS> t = {{
        {},
        {},
        {},
        {},
        {K::select},
        {K::retour},
        {K::rouge},
        {K::vert},
        {K::jaune},
        {K::bleu},
        {K::info},
        {K::lecture, K::lecturePause, K::mediaPause, K::play, K::menu},
        {K::rembobine, K::precedent},
        {K::avance, K::suivant},
        {},
        {},
        {},
    }};
    return t;
}

const QSet<int>& CLES_TELECOMMANDE() {
    static const QSet<int> s = [] {
        QSet<int> r{K::stop}; // no action, but only a remote has it
        for (const Liste& l : TELECOMMANDE())
            for (int c : l)
                r.insert(c);
        return r;
    }();
    return s;
}

// The two-player duel's fixed tables.
const QHash<int, int>& DUEL1() {
    static const QHash<int, int> t = {{'Q', GAUCHE}, {'A', GAUCHE}, {'D', DROITE}, {'Z', HAUT},
                                      {'W', HAUT},   {'S', BAS},    {'F', OK},     {'G', RETOUR},
                                      {'H', HINT},   {'M', MIX},    {'R', UNDO},   {'T', PEEK}};
    return t;
}

const QHash<int, int>& DUEL2() {
    static const QHash<int, int> t = {{K::gauche, GAUCHE},    {K::droite, DROITE},
                                      {K::haut, HAUT},        {K::bas, BAS},
                                      {K::entree, OK},        {K::entreePave, OK},
                                      {K::select, OK},        {K::retourArriere, RETOUR},
                                      {K::retour, RETOUR},    {'1', HINT},
                                      {K::esperluette, HINT}, {'2', MIX},
                                      {K::eAigu, MIX},        {'3', UNDO},
                                      {K::guillemet, UNDO},   {'4', PEEK},
                                      {K::apostrophe, PEEK},  {K::rouge, HINT},
                                      {K::vert, MIX},         {K::jaune, UNDO},
                                      {K::bleu, PEEK}};
    return t;
}

bool estManette(int code) {
    return code >= MANETTE && code < FIN_MANETTES;
}

int actionBouton(int bouton) {
    return bouton >= 0 && bouton < int(std::size(PAR_BOUTON)) ? PAR_BOUTON[bouton] : AUCUNE;
}

bool estFleche(int code) {
    return code >= K::gauche && code <= K::bas;
}

QString fleche(int action) {
    switch (action) {
    case GAUCHE:
        return QStringLiteral("←");
    case DROITE:
        return QStringLiteral("→");
    case HAUT:
        return QStringLiteral("↑");
    default:
        return QStringLiteral("↓");
    }
}

QString traduire(const Traduction& tr, const QString& cle) {
    return tr ? tr(cle) : sans(cle);
}

// Labels per action, in ACTIONS order (moves are filled with arrows). A
// device that has no way to an action shows a dash: touch and the pointer
// reach a tile directly, and the television remote has no spare key.
using Colonne = std::array<const char*, NOMBRE_ACTIONS>;

constexpr Colonne FREE_NOMS = {nullptr, nullptr, nullptr, nullptr, "OK", T("remote|BACK"),
                               "1",     "2",     "3",     "4",     "5",  "▶",
                               "«",     "»",     "6",     "7",     "8"};
constexpr Colonne TELE_ANDROID = {
    nullptr,       nullptr,       nullptr,       nullptr,       "OK", T("remote|BACK"),
    T("IN PAUSE"), T("IN PAUSE"), T("IN PAUSE"), T("IN PAUSE"), "OK", T("remote|BACK"),
    "OK+←",        "OK+→",        "—",           "—",           "—"};
constexpr Colonne TACTILE = {nullptr,          nullptr,   nullptr,     nullptr,      T("TAP"),
                             T("remote|BACK"), T("HINT"), T("MIX"),    T("SWIPE ←"), T("HOLD"),
                             T("HOLD"),        "⏸",     T("DRAG ←"), T("DRAG →"),  T("TAP"),
                             T("TAP"),         "—"};
constexpr Colonne SOURIS = {T("POINT"),
                            T("POINT"),
                            T("POINT"),
                            T("POINT"),
                            T("CLICK"),
                            T("RIGHT CLICK"),
                            T("WHEEL ↑  HINT BAR"),
                            T("WHEEL ↓  MIX BAR"),
                            T("MIDDLE CLICK"),
                            T("HOLD"),
                            T("HOLD ON TITLE"),
                            T("TOP BAR"),
                            T("DRAG ←"),
                            T("DRAG →"),
                            T("POINT"),
                            T("POINT"),
                            "—"};

// Gamepad labels: the generic column, then each family's own where it differs.
constexpr Colonne MANETTE_GENERIQUE = {nullptr,  nullptr,  nullptr, nullptr, "\uE000", "\uE001",
                                       "\uE002", "\uE003", "L1",    "R1",    "SELECT", "START",
                                       "L2",     "R2",     "L3",    "R3",    "HOME"};
constexpr Colonne MANETTE_XBOX = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, "LB",    "RB",    "VIEW",  "MENU",
                                  "LT",    "RT",    "LS",    "RS",    "XBOX"};
constexpr Colonne MANETTE_DECK = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, nullptr, nullptr, "VIEW",  "MENU",
                                  nullptr, nullptr, nullptr, nullptr, "STEAM"};
constexpr Colonne MANETTE_PLAYSTATION = {nullptr,  nullptr,  nullptr, nullptr, "\uE004", "\uE005",
                                         "\uE006", "\uE007", nullptr, nullptr, "CREATE", "OPTIONS",
                                         nullptr,  nullptr,  nullptr, nullptr, "PS"};
constexpr Colonne MANETTE_NINTENDO = {nullptr,  nullptr,  nullptr, nullptr, "\uE001", "\uE000",
                                      "\uE003", "\uE002", "L",     "R",     "-",      "+",
                                      "ZL",     "ZR",     "LS",    "RS",    nullptr};

bool estMouvement(int action) {
    return action >= GAUCHE && action <= BAS;
}

} // namespace

int indexAction(const QString& nom) {
    for (int i = 0; i < int(ACTIONS.size()); ++i)
        if (nom == QLatin1String(ACTIONS[i])) return i;
    return -1;
}

QString sans(const QString& cle) {
    const int barre = cle.indexOf(QLatin1Char('|'));
    return barre < 0 ? cle : cle.mid(barre + 1);
}

Table::Table() {
    regler({});
}

bool Table::reaffectable(int code) {
    return code > 0 && code < MANETTE && code != 0x43 && code != K::f11 &&
           !CLES_TELECOMMANDE().contains(code);
}

void Table::regler(const QMap<QString, int>& touches) {
    m_perso.fill(0);
    for (auto it = touches.begin(); it != touches.end(); ++it) {
        const int a = indexAction(it.key());
        if (a >= 0 && reaffectable(it.value())) m_perso[a] = it.value();
    }
    m_table.clear();
    for (int a = 0; a < int(ACTIONS.size()); ++a)
        for (int code : clavier(QLatin1String(ACTIONS[a])))
            if (!m_table.contains(code)) m_table.insert(code, a);
    for (int a = 0; a < int(ACTIONS.size()); ++a)
        for (int code : TELECOMMANDE()[a])
            if (!m_table.contains(code)) m_table.insert(code, a);
}

QVector<int> Table::clavier(const QString& nom) const {
    const int a = indexAction(nom);
    if (a < 0) return {};
    Liste touches = CLAVIER()[a];
    if (m_perso[a]) touches[0] = m_perso[a];
    Liste resultat;
    for (int code : touches) {
        bool ailleurs = false;
        for (int autre = 0; autre < int(m_perso.size()); ++autre)
            if (autre != a && m_perso[autre] == code) ailleurs = true;
        if (!ailleurs && !resultat.contains(code)) resultat.append(code);
    }
    return resultat;
}

QString Table::action(int code, bool ctrl) const {
    if (ctrl && code == 'Z') return QStringLiteral("undo");
    int a = AUCUNE;
    if (estManette(code))
        a = actionBouton((code - MANETTE) & 0xff);
    else
        a = m_table.value(code, AUCUNE);
    return a == AUCUNE ? QString(QLatin1String("")) : QString(QLatin1String(ACTIONS[a]));
}

std::optional<ActionDuel> Table::actionDuel(int code) const {
    if (estManette(code)) {
        const int a = actionBouton((code - MANETTE) & 0xff);
        if (a == AUCUNE) return std::nullopt;
        const int rang = (code - MANETTE) >> 8;
        return ActionDuel{a == START ? 0 : rang == 0 ? 1 : 2, QLatin1String(ACTIONS[a])};
    }
    if (DUEL1().contains(code)) return ActionDuel{1, QLatin1String(ACTIONS[DUEL1()[code]])};
    if (DUEL2().contains(code)) return ActionDuel{2, QLatin1String(ACTIONS[DUEL2()[code]])};
    const int a = m_table.value(code, AUCUNE);
    if (a == START) return ActionDuel{0, QStringLiteral("start")};
    if (code == K::echap) return ActionDuel{0, QStringLiteral("retour")};
    if (a == PIECE) return ActionDuel{0, QStringLiteral("piece")};
    return std::nullopt;
}

QString Table::appareil(int code, const QString& systeme, const QString& actuel) const {
    if (estManette(code)) return QStringLiteral("manette");
    if (CLES_TELECOMMANDE().contains(code)) return QStringLiteral("telecommande");
    const bool android = systeme == QLatin1String("android");
    if (android && actuel == QLatin1String("tactile") && (estFleche(code) || code == K::entreePave))
        return QStringLiteral("telecommande");
    if (estFleche(code)) return QString(QLatin1String(""));
    if (systeme == QLatin1String("freebox")) return QString(QLatin1String(""));
    if (android && code == K::entreePave) return QString(QLatin1String(""));
    return m_table.contains(code) ? QStringLiteral("clavier") : QString(QLatin1String(""));
}

void Table::choisirFamille(const QString& famille) {
    static const QStringList connues = {"xbox", "deck", "playstation", "nintendo"};
    m_famille = connues.contains(famille) ? famille : QString(QLatin1String(""));
}

QString Table::nomManette(const QString& nom) const {
    const int a = indexAction(nom);
    if (a < 0) return QString(QLatin1String(""));
    if (estMouvement(a)) return fleche(a);
    const Colonne* propre = m_famille == QLatin1String("xbox")          ? &MANETTE_XBOX
                            : m_famille == QLatin1String("deck")        ? &MANETTE_DECK
                            : m_famille == QLatin1String("playstation") ? &MANETTE_PLAYSTATION
                            : m_famille == QLatin1String("nintendo")    ? &MANETTE_NINTENDO
                                                                        : nullptr;
    if (propre && (*propre)[a]) return QString::fromUtf8((*propre)[a]);
    return QString::fromUtf8(MANETTE_GENERIQUE[a]);
}

QString Table::etiquette(const QString& nom, const QString& app, const QString& systeme,
                         const Traduction& tr) const {
    const int a = indexAction(nom);
    if (a < 0) return QString(QLatin1String(""));
    if (app == QLatin1String("manette")) return nomManette(nom);
    const bool tele = app == QLatin1String("telecommande");
    if (tele || app == QLatin1String("tactile")) {
        if (estMouvement(a)) return fleche(a);
        const Colonne& colonne = !tele                                 ? TACTILE
                                 : systeme == QLatin1String("android") ? TELE_ANDROID
                                                                       : FREE_NOMS;
        return traduire(tr, QString::fromUtf8(colonne[a]));
    }
    const Liste touches = clavier(nom);
    return touches.isEmpty() ? QString(QLatin1String("")) : traduire(tr, nomTouche(touches[0]));
}

QMap<QString, QString> Table::etiquettes(const QString& app, const QString& systeme,
                                         const Traduction& tr) const {
    QMap<QString, QString> r;
    for (const char* a : ACTIONS)
        r.insert(QLatin1String(a), etiquette(QLatin1String(a), app, systeme, tr));
    return r;
}

QString Table::libelle(const QString& nom, const QString& app, const QString& systeme,
                       const Traduction& tr) const {
    const int a = indexAction(nom);
    if (a < 0) return QString(QLatin1String(""));
    if (app == QLatin1String("souris")) return traduire(tr, QString::fromUtf8(SOURIS[a]));
    if (app == QLatin1String("tactile") && estMouvement(a))
        return traduire(tr, QStringLiteral("TAP"));
    if (app == QLatin1String("clavier")) {
        QStringList noms;
        for (int code : clavier(nom)) {
            const QString n = traduire(tr, nomTouche(code));
            if (!noms.contains(n)) noms.append(n);
        }
        return noms.join(QLatin1Char(' '));
    }
    return etiquette(nom, app, systeme, tr);
}

QStringList Table::trous(const QString& systeme) const {
    QStringList r;
    for (const QString& app : appareils(systeme))
        for (const char* a : ACTIONS)
            if (libelle(QLatin1String(a), app, systeme).isEmpty())
                r.append(app + QLatin1Char(':') + QLatin1String(a));
    return r;
}

std::optional<std::array<int, 2>> direction(const QString& nom) {
    switch (indexAction(nom)) {
    case GAUCHE:
        return std::array<int, 2>{-1, 0};
    case DROITE:
        return std::array<int, 2>{1, 0};
    case HAUT:
        return std::array<int, 2>{0, -1};
    case BAS:
        return std::array<int, 2>{0, 1};
    default:
        return std::nullopt;
    }
}

QString geste(double dx, double dy, double dureeMs) {
    if (dx < -40 && std::abs(dy) < 30) return QStringLiteral("undo");
    if (std::abs(dx) < 6 && std::abs(dy) < 6 && dureeMs > 650) return QStringLiteral("peek");
    return QString(QLatin1String(""));
}

std::optional<BoutonManette> manette(int code) {
    if (!estManette(code)) return std::nullopt;
    return BoutonManette{(code - MANETTE) >> 8, (code - MANETTE) & 0xff};
}

QString nomTouche(int code) {
    switch (code) {
    case K::echap:
        return QString::fromUtf8(T("key|ESC"));
    case K::tab:
        return QString::fromUtf8(T("key|TAB"));
    case K::retourArriere:
        return QString::fromUtf8(T("key|BKSP"));
    case K::entree:
    case K::entreePave:
        return QString::fromUtf8(T("key|ENTER"));
    case K::inser:
        return QString::fromUtf8(T("key|INS"));
    case K::suppr:
        return QString::fromUtf8(T("key|DEL"));
    case K::pause:
        return QString::fromUtf8(T("key|PAUSE"));
    case K::debut:
        return QString::fromUtf8(T("key|HOME"));
    case K::fin:
        return QString::fromUtf8(T("key|END"));
    case K::pageHaut:
        return QString::fromUtf8(T("key|PG↑"));
    case K::pageBas:
        return QString::fromUtf8(T("key|PG↓"));
    case K::espace:
        return QString::fromUtf8(T("key|SPACE"));
    case K::menu:
        return QString::fromUtf8(T("key|MENU"));
    case K::gauche:
        return QStringLiteral("←");
    case K::droite:
        return QStringLiteral("→");
    case K::haut:
        return QStringLiteral("↑");
    case K::bas:
        return QStringLiteral("↓");
    default:
        break;
    }
    if (code >= K::f1 && code < K::f1 + 35) return QStringLiteral("F%1").arg(code - K::f1 + 1);
    if (code >= 0x21 && code < 0x2000) return QString(QChar(code)).toUpper();
    return QStringLiteral("?");
}

QString appareilDe(const QString& systeme, bool tele) {
    if (systeme == QLatin1String("freebox") || tele) return QStringLiteral("telecommande");
    if (systeme == QLatin1String("android")) return QStringLiteral("tactile");
    return QStringLiteral("clavier");
}

QStringList appareils(const QString& systeme) {
    if (systeme == QLatin1String("freebox")) return {QStringLiteral("telecommande")};
    if (systeme == QLatin1String("android"))
        return {QStringLiteral("tactile"), QStringLiteral("telecommande"),
                QStringLiteral("manette"), QStringLiteral("clavier")};
    return {QStringLiteral("clavier"), QStringLiteral("souris"), QStringLiteral("manette")};
}

} // namespace commandes
