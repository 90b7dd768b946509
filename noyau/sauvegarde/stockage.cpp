#include "sauvegarde/stockage.h"

#include "sauvegarde/json.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace stockage {

namespace {

const char* const NOMS_DEFAUT[PLACES] = {"PND", "LNT", "INC", "MOO", "KIT",
                                         "TEA", "FAN", "BEL", "RIV", "GAT"};

const QString& lettres() {
    static const QString l = QString::fromLatin1(LETTRES);
    return l;
}

// A value that stays only if it is a number within [a, b].
double dans(const QJsonValue& v, double a, double b, double defaut) {
    if (!v.isDouble()) return defaut;
    const double x = v.toDouble();
    return x >= a && x <= b ? x : defaut;
}

bool booleen(const QJsonValue& v, bool defaut) {
    return v.isBool() ? v.toBool() : defaut;
}

void trierParScore(Table& t) {
    std::stable_sort(t.begin(), t.end(),
                     [](const Entree& a, const Entree& b) { return a.score > b.score; });
}

} // namespace

int indiceMode(const QString& mode) {
    for (std::size_t i = 0; i < MODES.size(); ++i)
        if (mode == QLatin1String(MODES[i])) return int(i);
    return -1;
}

Table* Scores::table(const QString& mode) {
    const int i = indiceMode(mode);
    return i < 0 ? nullptr : &tables[std::size_t(i)];
}

const Table* Scores::table(const QString& mode) const {
    const int i = indiceMode(mode);
    return i < 0 ? nullptr : &tables[std::size_t(i)];
}

QString initiales(const QString& s) {
    const QString haut = s.toUpper();
    QString r;
    for (int i = 0; i < 3; ++i) {
        const QChar c = i < haut.size() ? haut[i] : QLatin1Char(' ');
        r += lettres().contains(c) ? c : QLatin1Char(' ');
    }
    return r;
}

std::optional<Entree> lireEntree(const QJsonValue& v) {
    if (!v.isObject()) return std::nullopt;
    const QJsonObject o = v.toObject();
    const auto score = json::enNombre(o.value(QLatin1String("score")));
    if (!score) return std::nullopt;
    const double s = std::floor(*score);
    if (s < 0 || s > SCORE_MAX) return std::nullopt;
    Entree e;
    const QJsonValue nom = o.value(QLatin1String("nom"));
    e.nom = initiales(nom.isString() ? nom.toString() : QString());
    e.score = int(s);
    e.etape =
        std::max(0.0, std::floor(json::enNombre(o.value(QLatin1String("etape"))).value_or(0)));
    const QJsonValue date = o.value(QLatin1String("date"));
    if (date.isString()) e.date = date.toString().left(8);
    return e;
}

Table tableParDefaut() {
    Table t;
    for (int i = 0; i < PLACES; ++i) {
        Entree e;
        e.nom = QLatin1String(NOMS_DEFAUT[i]);
        e.score = (10 - i) * 10000;
        e.etape = 10 - i;
        t.push_back(e);
    }
    return t;
}

Scores lireScores(const QString& texte) {
    return lireScores(json::analyser(texte));
}

Scores lireScores(const QJsonValue& v) {
    const QJsonObject o = json::objet(v);
    Scores s;
    for (std::size_t m = 0; m < MODES.size(); ++m) {
        Table t;
        const QJsonValue stockee = o.value(QLatin1String(MODES[m]));
        if (stockee.isArray())
            for (const QJsonValue& x : stockee.toArray())
                if (auto e = lireEntree(x)) t.push_back(*e);
        if (t.empty()) t = tableParDefaut();
        trierParScore(t);
        if (t.size() > std::size_t(PLACES)) t.resize(PLACES);
        s.tables[m] = std::move(t);
    }
    return s;
}

QString ecrireEntree(const Entree& e) {
    json::Objet o;
    o.texte(QStringLiteral("nom"), e.nom).nombre(QStringLiteral("score"), e.score);
    o.nombre(QStringLiteral("etape"), e.etape);
    if (e.date) o.texte(QStringLiteral("date"), *e.date);
    return o.fin();
}

QString ecrireScores(const Scores& s) {
    json::Objet o;
    for (std::size_t m = 0; m < MODES.size(); ++m) {
        QStringList entrees;
        for (const Entree& e : s.tables[m])
            entrees << ecrireEntree(e);
        o.brut(QLatin1String(MODES[m]), json::tableau(entrees));
    }
    return o.fin();
}

int rang(const Table& table, double score) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].score < score) return int(i);
    return table.size() < std::size_t(PLACES) ? int(table.size()) : -1;
}

int inserer(Scores& scores, const QString& mode, const QJsonValue& e) {
    const auto entree = lireEntree(e);
    Table* t = scores.table(mode);
    if (!entree || !t) return -1;
    const int place = rang(*t, entree->score);
    if (place < 0) return -1;
    t->insert(t->begin() + place, *entree);
    if (t->size() > std::size_t(PLACES)) t->resize(PLACES);
    return place;
}

int inserer(Scores& scores, const QString& mode, const Entree& e) {
    return inserer(scores, mode, json::analyser(ecrireEntree(e)));
}

int meilleur(const Scores& scores, const QString& mode) {
    const Table* t = scores.table(mode);
    return t && !t->empty() ? t->front().score : 0;
}

bool langueValide(const QString& langue) {
    // Two or three lower-case letters, then optionally a hyphen and 2 to 8
    // letters or digits: fr, pt-BR, zh-Hant.
    const int n = langue.size();
    int i = 0;
    while (i < n && langue[i] >= QLatin1Char('a') && langue[i] <= QLatin1Char('z'))
        ++i;
    if (i < 2 || i > 3) return false;
    if (i == n) return true;
    if (langue[i] != QLatin1Char('-')) return false;
    const int reste = n - i - 1;
    if (reste < 2 || reste > 8) return false;
    for (int j = i + 1; j < n; ++j) {
        const QChar c = langue[j];
        if (c.unicode() > 0x7f || !c.isLetterOrNumber()) return false;
    }
    return true;
}

namespace {

struct LecteurEcran {
    std::function<bool()> actif;
    std::optional<bool> reponse;
};

LecteurEcran& lecteurEcran() {
    static LecteurEcran l;
    return l;
}

} // namespace

void installerLecteurEcran(std::function<bool()> actif) {
    lecteurEcran() = {std::move(actif), std::nullopt};
}

Reglages lireReglages(const QString& texte) {
    Reglages r = lireReglages(json::analyser(texte));
    if (texte.isEmpty()) {
        LecteurEcran& l = lecteurEcran();
        if (!l.reponse) l.reponse = l.actif && l.actif();
        r.acces.parole = *l.reponse;
    }
    return r;
}

Reglages lireReglages(const QJsonValue& v) {
    const QJsonObject o = json::objet(v);
    const Reglages d;
    Reglages r;
    const QJsonObject crt = json::objet(o.value(QLatin1String("crt")));
    r.crt.actif = booleen(crt.value(QLatin1String("actif")), d.crt.actif);
    r.crt.balayage = dans(crt.value(QLatin1String("balayage")), 0, 1, d.crt.balayage);
    r.crt.lueur = dans(crt.value(QLatin1String("lueur")), 0, 1, d.crt.lueur);
    r.crt.courbure = dans(crt.value(QLatin1String("courbure")), 0, 1, d.crt.courbure);
    r.crt.masque = dans(crt.value(QLatin1String("masque")), 0, 1, d.crt.masque);
    r.crt.vignette = dans(crt.value(QLatin1String("vignette")), 0, 1, d.crt.vignette);
    const QString affichage = crt.value(QLatin1String("affichage")).toString();
    if (affichage == QLatin1String("entier") || affichage == QLatin1String("remplir") ||
        affichage == QLatin1String("etirer"))
        r.crt.affichage = affichage;

    const QJsonObject son = json::objet(o.value(QLatin1String("son")));
    r.son.musique = dans(son.value(QLatin1String("musique")), 0, 1, d.son.musique);
    r.son.effets = dans(son.value(QLatin1String("effets")), 0, 1, d.son.effets);

    const QJsonObject jeu = json::objet(o.value(QLatin1String("jeu")));
    r.jeu.freePlay = booleen(jeu.value(QLatin1String("freePlay")), d.jeu.freePlay);
    r.jeu.niveauIa =
        int(std::floor(dans(jeu.value(QLatin1String("niveauIa")), 0, 2, d.jeu.niveauIa)));
    const QJsonValue ini = jeu.value(QLatin1String("initiales"));
    if (ini.isString()) r.jeu.initiales = initiales(ini.toString());
    const QJsonValue langue = jeu.value(QLatin1String("langue"));
    if (langue.isString() && langueValide(langue.toString())) r.jeu.langue = langue.toString();

    const QJsonObject touches = json::objet(o.value(QLatin1String("touches")));
    for (const char* action : ACTIONS) {
        const QJsonValue c = touches.value(QLatin1String(action));
        if (!c.isDouble()) continue;
        const double code = c.toDouble();
        if (code != std::floor(code) || code <= 0 || code >= double(PREMIERE_MANETTE)) continue;
        const bool pris = std::any_of(r.touches.begin(), r.touches.end(),
                                      [&](const auto& t) { return double(t.second) == code; });
        if (!pris) r.touches.emplace_back(QLatin1String(action), qint64(code));
    }

    const QJsonObject acces = json::objet(o.value(QLatin1String("acces")));
    r.acces.parole = booleen(acces.value(QLatin1String("parole")), d.acces.parole);
    r.acces.tuilesClaires =
        booleen(acces.value(QLatin1String("tuilesClaires")), d.acces.tuilesClaires);
    r.acces.mouvementCalme =
        booleen(acces.value(QLatin1String("mouvementCalme")), d.acces.mouvementCalme);
    return r;
}

QString ecrireReglages(const Reglages& r) {
    json::Objet crt;
    crt.booleen(QStringLiteral("actif"), r.crt.actif)
        .nombre(QStringLiteral("balayage"), r.crt.balayage)
        .nombre(QStringLiteral("lueur"), r.crt.lueur)
        .nombre(QStringLiteral("courbure"), r.crt.courbure)
        .nombre(QStringLiteral("masque"), r.crt.masque)
        .nombre(QStringLiteral("vignette"), r.crt.vignette)
        .texte(QStringLiteral("affichage"), r.crt.affichage);
    json::Objet son;
    son.nombre(QStringLiteral("musique"), r.son.musique)
        .nombre(QStringLiteral("effets"), r.son.effets);
    json::Objet jeu;
    jeu.booleen(QStringLiteral("freePlay"), r.jeu.freePlay)
        .nombre(QStringLiteral("niveauIa"), r.jeu.niveauIa)
        .texte(QStringLiteral("initiales"), r.jeu.initiales)
        .texte(QStringLiteral("langue"), r.jeu.langue);
    json::Objet touches;
    for (const auto& [action, code] : r.touches)
        touches.nombre(action, double(code));
    json::Objet acces;
    acces.booleen(QStringLiteral("parole"), r.acces.parole)
        .booleen(QStringLiteral("tuilesClaires"), r.acces.tuilesClaires)
        .booleen(QStringLiteral("mouvementCalme"), r.acces.mouvementCalme);
    // Last, after the keys: the fields every earlier version wrote keep their places.
    return json::Objet()
        .brut(QStringLiteral("crt"), crt.fin())
        .brut(QStringLiteral("son"), son.fin())
        .brut(QStringLiteral("jeu"), jeu.fin())
        .brut(QStringLiteral("touches"), touches.fin())
        .brut(QStringLiteral("acces"), acces.fin())
        .fin();
}

bool jourValide(const QString& jour) {
    if (jour.size() != 8) return false;
    for (QChar c : jour)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

Extras calculerExtras(const Progression& p) {
    Extras x;
    x.galerie = p.etapeMax >= 1;
    x.sonTest = p.etapeMax >= 4;
    x.crt = true;
    x.paperMoon = p.etapeMax >= 12;
    x.pandaParade = p.defisFinis.size() >= 3;
    x.salleLanternes = p.etapeMax >= 12 && p.sansContinue;
    return x;
}

Progression lireProgression(const QString& texte) {
    return lireProgression(json::analyser(texte));
}

Progression lireProgression(const QJsonValue& v) {
    const QJsonObject o = json::objet(v);
    Progression p;
    p.etapeMax = int(std::floor(dans(o.value(QLatin1String("etapeMax")), 0, 12, 0)));
    const QJsonValue vues = o.value(QLatin1String("etapesVues"));
    if (vues.isArray())
        for (const QJsonValue& x : vues.toArray())
            if (x.isDouble() && x.toDouble() >= 0 && x.toDouble() < 12)
                p.etapesVues.push_back(x.toDouble());
    const QJsonValue defis = o.value(QLatin1String("defisFinis"));
    if (defis.isArray())
        for (const QJsonValue& x : defis.toArray())
            if (x.isString() && jourValide(x.toString())) p.defisFinis << x.toString();
    p.sansContinue = o.value(QLatin1String("sansContinue")) == QJsonValue(true);
    const QJsonValue classe = o.value(QLatin1String("defiClasse"));
    if (classe.isString() && jourValide(classe.toString())) p.defiClasse = classe.toString();
    p.extras = calculerExtras(p);
    return p;
}

QString ecrireProgression(const Progression& p) {
    QStringList vues, defis;
    for (double n : p.etapesVues)
        vues << json::nombre(n);
    for (const QString& j : p.defisFinis)
        defis << json::chaine(j);
    return json::Objet()
        .nombre(QStringLiteral("etapeMax"), p.etapeMax)
        .brut(QStringLiteral("etapesVues"), json::tableau(vues))
        .brut(QStringLiteral("defisFinis"), json::tableau(defis))
        .booleen(QStringLiteral("sansContinue"), p.sansContinue)
        .texte(QStringLiteral("defiClasse"), p.defiClasse)
        .fin();
}

void etapeFinie(Progression& p, int etape, int continues) {
    if (etape < 0 || etape >= 12) return;
    if (std::find(p.etapesVues.begin(), p.etapesVues.end(), double(etape)) == p.etapesVues.end())
        p.etapesVues.push_back(etape);
    if (etape + 1 > p.etapeMax) {
        p.etapeMax = etape + 1;
        if (p.etapeMax == 12 && continues == 0) p.sansContinue = true;
    }
    p.extras = calculerExtras(p);
}

void defiFini(Progression& p, const QString& jour) {
    if (jourValide(jour) && !p.defisFinis.contains(jour)) p.defisFinis << jour;
    p.extras = calculerExtras(p);
}

const Reglages& REGLAGES() {
    static const Reglages r;
    return r;
}

const Progression& PROGRESSION() {
    static const Progression p;
    return p;
}

} // namespace stockage
