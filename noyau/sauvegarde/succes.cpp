#include "sauvegarde/succes.h"

#include "sauvegarde/json.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace succes {

namespace {

// Marks a catalogue key; the scenes translate the English name and text of an
// achievement when they show it (the key tool finds the literal).
constexpr const char* T(const char* s) {
    return s;
}

enum Stat {
    PAIRES,
    PILES,
    PARFAITS,
    FEVERS,
    JUMELLES,
    PARTIES,
    DEFIS,
    DEFI_SUITE,
    COMBO_MAX,
    NIGHT_MAX,
    PAPER_MAX,
    RUSH_PILES,
    RUSH_SCORE,
    SCORE_MAX,
    GLISSANT_NIVEAU
};

} // namespace

const std::array<Definition, 48> LISTE = {{
    {"FIRST_LANTERN", T("FIRST LANTERN"), T("CLEAR YOUR FIRST PAIR."), false, -1, 0,
     "PREMIÈRE LANTERNE", "RETIREZ VOTRE PREMIÈRE PAIRE.", "lanternes 1"},
    {"STALL_IS_OPEN", T("STALL IS OPEN"), T("CLEAR A WHOLE STACK."), false, -1, 0,
     "L'ÉTAL EST OUVERT", "VIDEZ UNE PILE ENTIÈRE.", "icone etal"},
    {"MARKET_STROLL", T("MARKET STROLL"), T("CLEAR 4 STAGES OF NIGHT MARKET IN ONE GAME."), false,
     -1, 0, "PROMENADE AU MARCHÉ", "VIDEZ 4 ÉTAPES DU MARCHÉ DE NUIT EN UNE PARTIE.",
     "lanternes 4"},
    {"VEIL_LIFTED", T("VEIL LIFTED"), T("CLEAR A BOSS STAGE OF NIGHT MARKET."), false, -1, 0,
     "VOILE LEVÉ", "VIDEZ UNE ÉTAPE BOSS DU MARCHÉ DE NUIT.", "tuile voile"},
    {"HALF_MOON", T("HALF MOON"), T("REACH STAGE 7 OF NIGHT MARKET."), false, -1, 0, "DEMI-LUNE",
     "ATTEIGNEZ L'ÉTAPE 7 DU MARCHÉ DE NUIT.", "icone demi-lune"},
    {"CLOSING_TIME", T("CLOSING TIME"), T("CLEAR ALL 12 STAGES OF NIGHT MARKET."), false, -1, 0,
     "L'HEURE DE LA FERMETURE", "VIDEZ LES 12 ÉTAPES DU MARCHÉ DE NUIT.", "lanternes 12"},
    {"NOT_A_SINGLE_COIN", T("NOT A SINGLE COIN"), T("CLEAR NIGHT MARKET WITHOUT A CONTINUE."), true,
     -1, 0, "PAS UNE PIÈCE", "FINISSEZ LE MARCHÉ DE NUIT SANS CONTINUER.", "icone piece barree"},
    {"LANTERN_ROOM", T("THE LANTERN ROOM"), T("VISIT THE LANTERN ROOM FROM THE EXTRAS."), true, -1,
     0, "LA SALLE DES LANTERNES", "VISITEZ LA SALLE DES LANTERNES DANS LES EXTRAS.",
     "panda lanterne"},
    {"SPARKS", T("SPARKS"), T("REACH A COMBO X3."), false, -1, 0, "ÉTINCELLES",
     "ATTEIGNEZ UN COMBO X3.", "icone combo 3"},
    {"FIRECRACKERS", T("FIRECRACKERS"), T("REACH A COMBO X6."), false, -1, 0, "PÉTARDS",
     "ATTEIGNEZ UN COMBO X6.", "icone combo 6"},
    {"FESTIVAL_FEVER", T("FESTIVAL FEVER"), T("REACH FEVER WITH A COMBO X9."), false, -1, 0,
     "FIÈVRE DU FESTIVAL", "ATTEIGNEZ LA FIÈVRE AVEC UN COMBO X9.", "icone combo 9"},
    {"FEVER_REGULAR", T("FEVER REGULAR"), T("REACH FEVER 25 TIMES."), false, FEVERS, 25,
     "HABITUÉ DE LA FIÈVRE", "ATTEIGNEZ LA FIÈVRE 25 FOIS.", "icone fievre"},
    {"TWIN_LANTERNS", T("TWIN LANTERNS"), T("CLEAR TWO PAIRS OF ONE FAMILY IN A ROW."), false, -1,
     0, "LANTERNES JUMELLES", "RETIREZ DEUX PAIRES D'UNE MÊME FAMILLE À LA SUITE.", "tuile f1 f2"},
    {"TWIN_PARADE", T("TWIN PARADE"), T("SCORE 50 TWIN BONUSES."), false, JUMELLES, 50,
     "PARADE DES JUMELLES", "OBTENEZ 50 BONUS JUMEAUX.", "tuile t1 t2"},
    {"CLEAN_PAWS", T("CLEAN PAWS"), T("CLEAR A STAGE WITH NO HINT, MIX OR UNDO."), false, -1, 0,
     "PATTES PROPRES", "VIDEZ UNE ÉTAPE SANS INDICE, MÉLANGE NI RETOUR.", "panda patte"},
    {"SPOTLESS_STALL", T("SPOTLESS STALL"), T("GET 10 PERFECT STAGES."), false, PARFAITS, 10,
     "ÉTAL IMPECCABLE", "RÉUSSISSEZ 10 ÉTAPES PARFAITES.", "icone etal etoile"},
    {"LAST_EMBER", T("LAST EMBER"), T("CLEAR A STAGE WITH UNDER 5 SEC OF INCENSE."), false, -1, 0,
     "DERNIÈRE BRAISE", "VIDEZ UNE ÉTAPE AVEC MOINS DE 5 S D'ENCENS.", "icone encens court"},
    {"SWIFT_PAWS", T("SWIFT PAWS"), T("CLEAR A STAGE WITH HALF THE INCENSE LEFT."), false, -1, 0,
     "PATTES AGILES", "VIDEZ UNE ÉTAPE AVEC LA MOITIÉ DE L'ENCENS.", "panda course"},
    {"HUNDRED_LANTERNS", T("100 LANTERNS"), T("CLEAR 100 PAIRS."), false, PAIRES, 100,
     "100 LANTERNES", "RETIREZ 100 PAIRES.", "lanternes 100"},
    {"THOUSAND_LANTERNS", T("1000 LANTERNS"), T("CLEAR 1000 PAIRS."), false, PAIRES, 1000,
     "1000 LANTERNES", "RETIREZ 1000 PAIRES.", "lanternes 1000"},
    {"LANTERN_FESTIVAL", T("LANTERN FESTIVAL"), T("CLEAR 5000 PAIRS."), false, PAIRES, 5000,
     "FÊTE DES LANTERNES", "RETIREZ 5000 PAIRES.", "lanternes 5000"},
    {"BURNING_BRIGHT", T("BURNING BRIGHT"), T("CLEAR 3 STACKS IN ONE INCENSE RUSH."), false, -1, 0,
     "BRÛLER VIF", "VIDEZ 3 PILES EN UNE COURSE D'ENCENS.", "icone encens 3"},
    {"WHOLE_BOX_OF_INCENSE", T("WHOLE BOX OF INCENSE"), T("CLEAR 8 STACKS IN ONE INCENSE RUSH."),
     true, -1, 0, "TOUTE LA BOÎTE D'ENCENS", "VIDEZ 8 PILES EN UNE COURSE D'ENCENS.",
     "icone encens 8"},
    {"RUSH_HOUR", T("RUSH HOUR"), T("SCORE 150 000 IN INCENSE RUSH."), false, -1, 0,
     "HEURE DE POINTE", "MARQUEZ 150 000 EN COURSE D'ENCENS.", "icone sablier"},
    {"MOONLIT", T("MOONLIT"), T("CLEAR THE MOON OF THE DAY."), false, -1, 0, "AU CLAIR DE LUNE",
     "VIDEZ LA LUNE DU JOUR.", "icone lune"},
    {"THREE_MOONS", T("THREE MOONS"), T("CLEAR 3 MOONS OF THE DAY."), false, -1, 0, "TROIS LUNES",
     "VIDEZ 3 LUNES DU JOUR.", "icone lune 3"},
    {"LUNAR_WEEK", T("LUNAR WEEK"), T("CLEAR THE MOON OF THE DAY 7 DAYS IN A ROW."), false, -1, 0,
     "SEMAINE LUNAIRE", "VIDEZ LA LUNE DU JOUR 7 JOURS DE SUITE.", "icone lune 7"},
    {"MOON_CALENDAR", T("MOON CALENDAR"), T("CLEAR 30 MOONS OF THE DAY."), false, DEFIS, 30,
     "CALENDRIER LUNAIRE", "VIDEZ 30 LUNES DU JOUR.", "icone calendrier"},
    {"PAPER_MOON", T("PAPER MOON"), T("CLEAR A STAGE OF PAPER MOON."), false, -1, 0,
     "LUNE DE PAPIER", "VIDEZ UNE ÉTAPE DE LUNE DE PAPIER.", "tuile voile lune"},
    {"FOLDED_TO_PERFECTION", T("FOLDED TO PERFECTION"), T("CLEAR ALL 12 STAGES OF PAPER MOON."),
     false, -1, 0, "PLIÉ À LA PERFECTION", "VIDEZ LES 12 ÉTAPES DE LUNE DE PAPIER.",
     "icone origami"},
    {"JOIN_THE_PARADE", T("JOIN THE PARADE"), T("CLEAR A STACK IN PANDA PARADE."), false, -1, 0,
     "REJOIGNEZ LA PARADE", "VIDEZ UNE PILE EN PARADE DU PANDA.", "panda parade"},
    {"LAMPION_SNUFFED", T("LAMPION SNUFFED"), T("WIN A LANTERN DUEL AGAINST LAMPION."), false, -1,
     0, "LAMPION ÉTEINT", "GAGNEZ UN DUEL DE LANTERNES CONTRE LAMPION.", "icone lampion"},
    {"LANTERN_DIMMED", T("LANTERN DIMMED"), T("WIN A LANTERN DUEL AGAINST LANTERN."), false, -1, 0,
     "LANTERNE ÉTOUFFÉE", "GAGNEZ UN DUEL DE LANTERNES CONTRE LANTERNE.", "icone lanterne"},
    {"KITE_CUT_DOWN", T("KITE CUT DOWN"), T("WIN A LANTERN DUEL AGAINST DRAGON KITE."), false, -1,
     0, "CERF-VOLANT ABATTU", "GAGNEZ UN DUEL DE LANTERNES CONTRE CERF-VOLANT DRAGON.",
     "icone cerf-volant"},
    {"MARKET_RIVALS", T("MARKET RIVALS"), T("PLAY A LANTERN DUEL WITH 2 PLAYERS."), false, -1, 0,
     "RIVAUX DU MARCHÉ", "JOUEZ UN DUEL DE LANTERNES À 2 JOUEURS.", "panda deux"},
    {"SMOKE_SIGNAL", T("SMOKE SIGNAL"), T("SEND INCENSE SMOKE IN A LANTERN DUEL."), false, -1, 0,
     "SIGNAL DE FUMÉE", "ENVOYEZ DE LA FUMÉE D'ENCENS EN DUEL.", "icone fumee"},
    {"STALL_SHUFFLE", T("STALL SHUFFLE"), T("CLEAR A LEVEL OF SLIDING STALLS."), false, -1, 0,
     "ÉTALS GLISSANTS", "VIDEZ UN NIVEAU DES ÉTALS GLISSANTS.", "icone fleches"},
    {"MASTER_MERCHANT", T("MASTER MERCHANT"), T("REACH LEVEL 5 OF SLIDING STALLS."), false, -1, 0,
     "MAÎTRE MARCHAND", "ATTEIGNEZ LE NIVEAU 5 DES ÉTALS GLISSANTS.", "icone balance"},
    {"RED_ENVELOPE", T("RED ENVELOPE"), T("SCORE 100 000 IN ONE GAME."), false, -1, 0,
     "ENVELOPPE ROUGE", "MARQUEZ 100 000 EN UNE PARTIE.", "icone enveloppe rouge"},
    {"GOLDEN_ENVELOPE", T("GOLDEN ENVELOPE"), T("SCORE 500 000 IN ONE GAME."), false, -1, 0,
     "ENVELOPPE DORÉE", "MARQUEZ 500 000 EN UNE PARTIE.", "icone enveloppe or"},
    {"INITIALS_IN_INK", T("INITIALS IN INK"), T("WRITE YOUR INITIALS IN A HIGH SCORES TABLE."),
     false, -1, 0, "INITIALES À L'ENCRE", "INSCRIVEZ VOS INITIALES DANS UN TABLEAU DES SCORES.",
     "icone pinceau"},
    {"ONE_MORE_COIN", T("ONE MORE COIN"), T("USE A CONTINUE."), false, -1, 0, "ENCORE UNE PIÈCE",
     "UTILISEZ UN CONTINUE.", "icone piece"},
    // The hold time quoted here is MAINTIEN_RIDEAU_MS.
    {"BEHIND_THE_CURTAIN", T("BEHIND THE CURTAIN"), T("HOLD OK ON THE TITLE SCREEN FOR 3 SECONDS."),
     true, -1, 0, "DERRIÈRE LE RIDEAU", "MAINTENEZ OK 3 SECONDES SUR L'ÉCRAN TITRE.",
     "icone rideau"},
    {"NIGHT_MARKET_RADIO", T("NIGHT MARKET RADIO"), T("OPEN THE SOUND TEST."), true, -1, 0,
     "RADIO DU MARCHÉ DE NUIT", "OUVREZ LE TEST SONORE.", "icone radio"},
    {"SKETCHBOOK", T("SKETCHBOOK"), T("OPEN THE TILE GALLERY."), false, -1, 0, "CARNET DE CROQUIS",
     "OUVREZ LA GALERIE DES TUILES.", "tuile dW"},
    {"PEEKING_PANDA", T("PEEKING PANDA"), T("USE PEEK TO SEE THE HIDDEN FACES."), false, -1, 0,
     "PANDA CURIEUX", "UTILISEZ COUP D'ŒIL POUR VOIR LES FACES CACHÉES.", "panda regard"},
    {"REGULAR_CUSTOMER", T("REGULAR CUSTOMER"), T("PLAY 50 GAMES."), false, PARTIES, 50,
     "CLIENT FIDÈLE", "JOUEZ 50 PARTIES.", "icone tasse"},
    {"EVERY_LANTERN_LIT", T("EVERY LANTERN LIT"), T("UNLOCK EVERY OTHER ACHIEVEMENT."), false, -1,
     0, "TOUTES LES LANTERNES ALLUMÉES", "DÉBLOQUEZ TOUS LES AUTRES SUCCÈS.", "lanternes 48"},
}};
static_assert(MAINTIEN_RIDEAU_MS == 3000, "BEHIND_THE_CURTAIN's description quotes 3 seconds");

namespace {

const char* const TOUT = "EVERY_LANTERN_LIT";

void ajouter(Etat& e, int s, qint64 n) {
    e.stats[std::size_t(s)] = std::min(PLAFOND, e.stats[std::size_t(s)] + n);
}

void meilleur(Etat& e, int s, double valeur) {
    const double v = std::min(double(PLAFOND), std::floor(valeur));
    if (v > double(e.stats[std::size_t(s)])) e.stats[std::size_t(s)] = qint64(v);
}

void debloquer(Etat& e, const QString& id, double date, QStringList& nouveaux) {
    if (!parId(id) || debloque(e, id) || nouveaux.contains(id)) return;
    // Stored times are whole and never negative; a reader would drop anything
    // else, and the unlock with it.
    e.debloques.emplace_back(id, date >= 0 ? std::floor(date) : 0.0);
    nouveaux << id;
}

} // namespace

const Definition* parId(const QString& id) {
    for (const Definition& d : LISTE)
        if (id == QLatin1String(d.id)) return &d;
    return nullptr;
}

int indiceStat(const QString& cle) {
    for (std::size_t i = 0; i < STATS.size(); ++i)
        if (cle == QLatin1String(STATS[i])) return int(i);
    return -1;
}

Etat etatVide() {
    return Etat();
}

Etat lire(const QString& texte) {
    return lire(json::analyser(texte));
}

Etat lire(const QJsonValue& v) {
    Etat e;
    if (!v.isObject()) return e;
    const QJsonObject o = v.toObject();
    const QJsonObject debloques = json::objet(o.value(QLatin1String("debloques")));
    for (const Definition& d : LISTE) {
        const QJsonValue t = debloques.value(QLatin1String(d.id));
        if (t.isDouble() && t.toDouble() >= 0)
            e.debloques.emplace_back(QLatin1String(d.id), std::floor(t.toDouble()));
    }
    const QJsonObject stats = json::objet(o.value(QLatin1String("stats")));
    for (std::size_t i = 0; i < STATS.size(); ++i) {
        const QJsonValue s = stats.value(QLatin1String(STATS[i]));
        if (s.isDouble() && s.toDouble() >= 0 && s.toDouble() < double(PLAFOND) + 1)
            e.stats[i] = qint64(std::floor(s.toDouble()));
    }
    const QJsonValue jour = o.value(QLatin1String("defiDernier"));
    if (jour.isString() && stockage::jourValide(jour.toString())) e.defiDernier = jour.toString();
    return e;
}

QString ecrire(const Etat& e) {
    json::Objet debloques;
    for (const auto& [id, date] : e.debloques)
        debloques.nombre(id, date);
    json::Objet stats;
    for (std::size_t i = 0; i < STATS.size(); ++i)
        stats.nombre(QLatin1String(STATS[i]), double(e.stats[i]));
    return json::Objet()
        .brut(QStringLiteral("debloques"), debloques.fin())
        .brut(QStringLiteral("stats"), stats.fin())
        .texte(QStringLiteral("defiDernier"), e.defiDernier)
        .fin();
}

Etat copie(const Etat& e) {
    return lire(ecrire(e));
}

bool debloque(const Etat& e, const QString& id) {
    return std::any_of(e.debloques.begin(), e.debloques.end(),
                       [&](const auto& d) { return d.first == id; });
}

int nombre(const Etat& e) {
    int n = 0;
    for (const Definition& d : LISTE)
        n += debloque(e, QLatin1String(d.id)) ? 1 : 0;
    return n;
}

Progres progres(const Etat& e, const QString& id) {
    const Definition* d = parId(id);
    if (!d) return {0, 1};
    const bool fait = debloque(e, id);
    if (d->stat < 0) return {fait ? 1 : 0, 1};
    return {fait ? d->but : std::min<qint64>(e.stats[std::size_t(d->stat)], d->but), d->but};
}

QString lendemain(const QString& jour) {
    if (!stockage::jourValide(jour)) return QString();
    const QDate d = QDate::fromString(jour, QStringLiteral("yyyyMMdd"));
    if (!d.isValid()) return QString();
    return d.addDays(1).toString(QStringLiteral("yyyyMMdd"));
}

namespace {

using evenements::Evenement;
using evenements::Sorte;

// What an event of one kind adds to a counter: one more, or its value when
// that beats the best so far.
struct Comptage {
    Sorte sorte;
    Stat stat;
    bool meilleur;
    double (*valeur)(const Evenement&);
    bool (*quand)(const Evenement&); // null: always
};

// What unlocks an achievement, for an event of one kind.
struct Deblocage {
    Sorte sorte;
    const char* id;
    bool (*quand)(const Evenement&, const Etat&); // null: always
};

double un(const Evenement&) {
    return 1;
}

bool en(const Evenement& ev, Mode m) {
    return ev.mode == m;
}

// A duel with a second player, and a duel player 1 won against a level.
bool aDeux(const Evenement& ev) {
    return ev.ia && *ev.ia < 0;
}
bool gagneContre(const Evenement& ev, double niveau) {
    return !aDeux(ev) && ev.gagnant == 1 && ev.ia == niveau;
}

// clang-format off
const Comptage COMPTAGES[] = {
    {Sorte::Paire, PAIRES, false, un, nullptr},
    {Sorte::Paire, FEVERS, false, un, [](const Evenement& e) { return e.fever; }},
    {Sorte::Paire, JUMELLES, false, un, [](const Evenement& e) { return e.jumelle; }},
    {Sorte::Paire, COMBO_MAX, true, [](const Evenement& e) { return e.combo; }, nullptr},
    {Sorte::Pile, PILES, false, un, nullptr},
    {Sorte::Pile, PARFAITS, false, un, [](const Evenement& e) { return e.parfait; }},
    {Sorte::Pile, NIGHT_MAX, true, [](const Evenement& e) { return e.etape + 1; },
     [](const Evenement& e) { return en(e, Mode::Night); }},
    {Sorte::Pile, PAPER_MAX, true, [](const Evenement& e) { return e.etape + 1; },
     [](const Evenement& e) { return en(e, Mode::Paper); }},
    {Sorte::Pile, RUSH_PILES, true, [](const Evenement& e) { return e.piles; },
     [](const Evenement& e) { return en(e, Mode::Rush); }},
    {Sorte::Partie, PARTIES, false, un, nullptr},
    {Sorte::Partie, RUSH_SCORE, true, [](const Evenement& e) { return e.score; },
     [](const Evenement& e) { return en(e, Mode::Rush); }},
    {Sorte::Partie, SCORE_MAX, true, [](const Evenement& e) { return e.score; }, nullptr},
    {Sorte::Glissant, GLISSANT_NIVEAU, true, [](const Evenement& e) { return e.niveau; }, nullptr},
};

// In the order the unlocks are announced.
const Deblocage DEBLOCAGES[] = {
    {Sorte::Paire, "FIRST_LANTERN", nullptr},
    {Sorte::Paire, "SPARKS", [](const Evenement& e, const Etat&) { return e.combo >= 3; }},
    {Sorte::Paire, "FIRECRACKERS", [](const Evenement& e, const Etat&) { return e.combo >= 6; }},
    {Sorte::Paire, "FESTIVAL_FEVER", [](const Evenement& e, const Etat&) { return e.combo >= 9; }},
    {Sorte::Paire, "TWIN_LANTERNS", [](const Evenement& e, const Etat&) { return e.jumelle; }},
    {Sorte::Pile, "STALL_IS_OPEN", nullptr},
    {Sorte::Pile, "CLEAN_PAWS", [](const Evenement& e, const Etat&) { return e.parfait; }},
    {Sorte::Pile, "LAST_EMBER",
     [](const Evenement& e, const Etat&) { return e.tempsMax > 0 && e.tempsMs < 5000; }},
    {Sorte::Pile, "SWIFT_PAWS",
     [](const Evenement& e, const Etat&) { return e.tempsMax > 0 && e.tempsMs * 2 >= e.tempsMax; }},
    {Sorte::Pile, "VEIL_LIFTED",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Night) && e.boss; }},
    {Sorte::Pile, "MARKET_STROLL",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Night) && e.etapesPartie >= 4; }},
    {Sorte::Pile, "HALF_MOON",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Night) && e.etape >= 5; }},
    {Sorte::Pile, "PAPER_MOON", [](const Evenement& e, const Etat&) { return en(e, Mode::Paper); }},
    {Sorte::Pile, "JOIN_THE_PARADE",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Parade); }},
    {Sorte::Pile, "BURNING_BRIGHT",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Rush) && e.piles >= 3; }},
    {Sorte::Pile, "WHOLE_BOX_OF_INCENSE",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Rush) && e.piles >= 8; }},
    {Sorte::Fin12, "CLOSING_TIME", [](const Evenement& e, const Etat&) { return en(e, Mode::Night); }},
    {Sorte::Fin12, "NOT_A_SINGLE_COIN",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Night) && e.continues == 0.0; }},
    {Sorte::Fin12, "FOLDED_TO_PERFECTION",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Paper); }},
    {Sorte::Partie, "RED_ENVELOPE", [](const Evenement& e, const Etat&) { return e.score >= 100000; }},
    {Sorte::Partie, "GOLDEN_ENVELOPE",
     [](const Evenement& e, const Etat&) { return e.score >= 500000; }},
    {Sorte::Partie, "RUSH_HOUR",
     [](const Evenement& e, const Etat&) { return en(e, Mode::Rush) && e.score >= 150000; }},
    {Sorte::Defi, "MOONLIT", nullptr},
    {Sorte::Defi, "THREE_MOONS", [](const Evenement&, const Etat& t) { return t.stats[DEFIS] >= 3; }},
    {Sorte::Defi, "LUNAR_WEEK",
     [](const Evenement&, const Etat& t) { return t.stats[DEFI_SUITE] >= 7; }},
    {Sorte::Duel, "MARKET_RIVALS", [](const Evenement& e, const Etat&) { return aDeux(e); }},
    {Sorte::Duel, "LANTERN_DIMMED", [](const Evenement& e, const Etat&) { return gagneContre(e, 1); }},
    {Sorte::Duel, "KITE_CUT_DOWN", [](const Evenement& e, const Etat&) { return gagneContre(e, 2); }},
    // Any other level, a missing one included, is LAMPION.
    {Sorte::Duel, "LAMPION_SNUFFED",
     [](const Evenement& e, const Etat&) {
         return !aDeux(e) && e.gagnant == 1 && !(e.ia == 1.0) && !(e.ia == 2.0);
     }},
    {Sorte::Scene, "SKETCHBOOK", [](const Evenement& e, const Etat&) { return e.nom == QLatin1String("galerie"); }},
    {Sorte::Scene, "NIGHT_MARKET_RADIO",
     [](const Evenement& e, const Etat&) { return e.nom == QLatin1String("sontest"); }},
    {Sorte::Scene, "LANTERN_ROOM", [](const Evenement& e, const Etat&) { return e.nom == QLatin1String("salle"); }},
    {Sorte::Glissant, "STALL_SHUFFLE", [](const Evenement& e, const Etat&) { return e.niveau >= 1; }},
    {Sorte::Glissant, "MASTER_MERCHANT", [](const Evenement& e, const Etat&) { return e.niveau >= 4; }},
    {Sorte::Record, "INITIALS_IN_INK", nullptr},
    {Sorte::Continue, "ONE_MORE_COIN", nullptr},
    {Sorte::Secret, "BEHIND_THE_CURTAIN", nullptr},
    {Sorte::Fumee, "SMOKE_SIGNAL", nullptr},
    {Sorte::Aide, "PEEKING_PANDA", [](const Evenement& e, const Etat&) { return e.nom == QLatin1String("peek"); }},
};
// clang-format on

// A day cleared counts once; days in a row make the streak. A day that is not
// YYYYMMDD is not counted: stored as the last day, it would be dropped on the
// next read and break the streak anyway.
void compterJour(Etat& e, const QString& jour) {
    if (jour == e.defiDernier || !stockage::jourValide(jour)) return;
    ajouter(e, DEFIS, 1);
    const bool suite = !e.defiDernier.isEmpty() && lendemain(e.defiDernier) == jour;
    e.stats[DEFI_SUITE] = suite ? std::min(PLAFOND, e.stats[DEFI_SUITE] + 1) : 1;
    e.defiDernier = jour;
}

Resultat appliquer(Etat& e, const Evenement* ev, double date) {
    std::array<qint64, STATS.size()> avant = e.stats;
    QStringList candidats;
    if (ev) {
        for (const Comptage& c : COMPTAGES) {
            if (c.sorte != ev->sorte || (c.quand && !c.quand(*ev))) continue;
            if (c.meilleur)
                meilleur(e, c.stat, c.valeur(*ev));
            else
                ajouter(e, c.stat, qint64(c.valeur(*ev)));
        }
        if (ev->sorte == Sorte::Defi) compterJour(e, ev->jour);
        for (const Deblocage& d : DEBLOCAGES)
            if (d.sorte == ev->sorte && (!d.quand || d.quand(*ev, e)))
                candidats << QLatin1String(d.id);
    }
    for (const Definition& d : LISTE)
        if (d.stat >= 0 && e.stats[std::size_t(d.stat)] >= d.but) candidats << QLatin1String(d.id);

    Resultat r;
    for (const QString& id : candidats)
        debloquer(e, id, date, r.nouveaux);
    if (!r.nouveaux.isEmpty() && !debloque(e, QLatin1String(TOUT))) {
        bool tous = true;
        for (const Definition& d : LISTE)
            if (qstrcmp(d.id, TOUT) != 0 && !debloque(e, QLatin1String(d.id))) tous = false;
        if (tous) debloquer(e, QLatin1String(TOUT), date, r.nouveaux);
    }
    for (const Definition& d : LISTE) {
        if (d.stat < 0) continue;
        const std::size_t s = std::size_t(d.stat);
        if (!debloque(e, QLatin1String(d.id)) && e.stats[s] != avant[s])
            r.progres.push_back({QLatin1String(d.id), e.stats[s], d.but, QLatin1String(STATS[s])});
    }
    return r;
}

} // namespace

Resultat evenement(Etat& e, const evenements::Evenement& ev, double date) {
    return appliquer(e, &ev, date);
}

Resultat evenement(Etat& e, const QJsonObject& ev, double date) {
    const std::optional<evenements::Evenement> lu = evenements::lire(ev);
    return appliquer(e, lu ? &*lu : nullptr, date);
}

QStringList rattraper(Etat& e, const stockage::Progression& p, double date) {
    QStringList ids;
    if (p.etapeMax >= 1)
        ids << "FIRST_LANTERN"
            << "STALL_IS_OPEN";
    if (p.etapeMax >= 6) ids << "HALF_MOON";
    if (p.etapeMax >= 12) {
        ids << "CLOSING_TIME";
        if (p.sansContinue) ids << "NOT_A_SINGLE_COIN";
    }
    if (p.defisFinis.size() >= 1) ids << "MOONLIT";
    if (p.defisFinis.size() >= 3) ids << "THREE_MOONS";
    e.stats[NIGHT_MAX] = std::max<qint64>(e.stats[NIGHT_MAX], p.etapeMax);
    e.stats[DEFIS] = std::max<qint64>(e.stats[DEFIS], p.defisFinis.size());
    QStringList nouveaux;
    for (const QString& id : ids)
        debloquer(e, id, date, nouveaux);
    return nouveaux;
}

} // namespace succes
