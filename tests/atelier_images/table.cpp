// The sprite table against the rows it must hold: members and their order,
// every strip row, the backgrounds and the shake offsets.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray texteTable() {
    return lire(TESSIMORA_SOURCES "/app/images/sprites.json");
}

QJsonObject table() {
    return QJsonDocument::fromJson(texteTable()).object();
}

// Keys of one object of a JSON text in their written order: `chemin` names the
// members to descend through from the top ("" for the top object itself).
QStringList clesDansLOrdre(const QByteArray& texte, const QStringList& chemin) {
    QStringList cles;
    int profondeur = 0;
    int niveau = 0; // how many members of `chemin` we are inside
    QString derniereCle;
    bool apresDeuxPoints = false;
    for (int i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '"') {
            int j = i + 1;
            QByteArray s;
            while (j < texte.size() && texte[j] != '"') {
                if (texte[j] == '\\') ++j;
                s += texte[j++];
            }
            int k = j + 1;
            while (k < texte.size() && texte[k] == ' ')
                ++k;
            if (k < texte.size() && texte[k] == ':') {
                derniereCle = QString::fromUtf8(s);
                if (profondeur == niveau + 1 && niveau == chemin.size()) cles << derniereCle;
            }
            i = j;
            continue;
        }
        if (c == ':') apresDeuxPoints = true;
        if (c == '{' || c == '[') {
            ++profondeur;
            if (c == '{' && apresDeuxPoints && niveau < chemin.size() && profondeur == niveau + 2 &&
                derniereCle == chemin[niveau])
                ++niveau;
            apresDeuxPoints = false;
        } else if (c == '}' || c == ']') {
            if (profondeur == niveau + 1 && niveau > 0) --niveau;
            --profondeur;
        } else if (c != ' ' && c != '\n' && c != ':') {
            apresDeuxPoints = false;
        }
    }
    return cles;
}

// The strip rows as documented: names sharing a row, then width, height, frame
// count, frame duration, loop flag and anchor.
const char* const RANGEES[] = {
    "tuiles_reflet_prise | 16 20 8 67 0 0 0",
    "tuiles_pouls_indice | 16 20 4 133 1 0 0",
    "tuiles_retournement | 19 24 4 50 0 0 0",
    "tuiles_glisse | 25 24 3 67 1 6 0",
    "chiffres_or chiffres_blanc chiffres_rouge chiffres_jade | 16 20 13 0 0 0 0",
    "panda_attente | 38 45 29 50 1 15 42",
    "panda_clin | 36 44 6 50 0 15 41",
    "panda_regard | 38 44 18 50 0 15 41",
    "panda_observe | 42 45 42 33 0 19 42",
    "panda_joie | 40 53 18 33 0 16 50",
    "panda_combo | 44 47 22 33 1 20 44",
    "panda_peur | 41 42 8 50 1 17 39",
    "panda_victoire | 44 58 29 33 1 20 55",
    "panda_defaite | 44 47 25 50 0 19 43",
    "panda_continue | 43 44 18 67 1 19 41",
    "panda_saut | 43 59 16 33 0 17 56",
    "panda_salut | 38 44 19 50 1 15 41",
    "panda_mini_attente | 20 20 32 67 1 10 20",
    "panda_mini_joie | 20 20 14 50 1 10 20",
    "panda_mini_peur | 20 20 12 33 1 10 20",
    "fonds_lanterne_balance | 21 24 8 117 1 8 8",
    "fonds_etoile | 5 5 4 150 1 2 2",
    "fonds_vapeur | 12 22 6 117 1 6 21",
    "fonds_fumee | 16 48 8 133 1 8 47",
    "fonds_fumee_b | 16 42 8 167 1 8 41",
    "fonds_petale | 3 3 4 167 1 1 1",
    "fonds_saule | 40 64 4 300 1 0 0",
    "fonds_cloche | 20 24 4 267 1 10 0",
    "fonds_lanterne_flottante | 12 14 4 200 1 6 7",
    "fonds_feu_or fonds_feu_rose fonds_feu_jade | 40 40 8 117 1 20 20",
    "fond_marche_ciel fond_pont_ciel fond_temple_ciel fond_port_ciel | 384 224 1 100 1 0 0",
    "fond_marche_loin fond_marche_milieu fond_marche_pres fond_pont_loin fond_pont_milieu "
    "fond_pont_pres fond_temple_loin fond_temple_milieu fond_temple_pres fond_port_loin "
    "fond_port_milieu fond_port_pres | 768 224 1 100 1 0 0",
    "fond_pont_eau fond_port_eau | 768 44 4 233 1 0 0",
    "effets_eclair | 35 40 3 50 0 8 8",
    "effets_ecrase | 35 40 8 33 0 8 8",
    "effets_lanterne_monte | 20 34 8 67 1 10 8",
    "effets_lanterne_eclate | 28 28 7 50 0 14 14",
    "effets_etincelle_or effets_etincelle_rose effets_etincelle_blanc effets_etincelle_jade | "
    "9 9 6 67 0 4 4",
    "effets_poussiere | 3 3 4 83 1 1 1",
    "effets_combo | 64 20 4 67 1 0 0",
    "effets_fever | 122 34 4 83 1 0 0",
    "effets_flamme | 14 20 6 67 1 7 19",
    "effets_twin | 52 20 6 50 0 0 0",
    "effets_time_bonus | 124 20 8 67 0 0 0",
    "effets_sec | 40 20 1 0 0 0 0",
    "effets_encens_bonus | 9 18 4 100 1 4 17",
    "effets_logo_ready | 122 34 8 50 0 0 0",
    "effets_logo_go effets_logo_win | 74 34 8 50 0 0 0",
    "effets_logo_stage effets_logo_pause | 64 20 8 50 0 0 0",
    "effets_logo_stage_clear | 266 34 8 50 0 0 0",
    "effets_logo_all_clear effets_logo_game_over effets_logo_continue | 218 34 8 50 0 0 0",
    "effets_logo_time_up effets_logo_perfect | 170 34 8 50 0 0 0",
    "effets_logo_no_more_pairs | 160 20 8 50 0 0 0",
    "effets_logo_boss effets_logo_lose | 98 34 8 50 0 0 0",
    "effets_flash | 384 224 3 33 0 0 0",
    "effets_voile_bande | 384 40 3 33 0 0 0",
    "effets_tourbillon | 48 48 8 67 1 24 24",
    "effets_bouffee | 28 24 6 67 0 14 12",
    "effets_voile_fumee | 24 28 4 183 1 2 2",
    "effets_eclats | 8 8 4 83 0 4 4",
    "effets_refus | 16 20 4 67 0 0 0",
    "effets_piece | 10 10 6 83 1 0 0",
    "effets_patte | 11 11 2 0 0 5 1",
    "ecrans_logo | 250 38 12 67 0 0 0",
    "ecrans_lanterne_logo | 26 36 1 100 1 0 0",
    "ecrans_titre_arcade_mahjong | 172 20 8 50 0 0 0",
    "ecrans_titre_demo_play ecrans_titre_free_play | 112 20 8 50 0 0 0",
    "ecrans_titre_how_to_play ecrans_titre_new_record ecrans_titre_mode_select "
    "ecrans_titre_insert_coin | 136 20 8 50 0 0 0",
    "ecrans_titre_high_scores | 266 34 8 50 0 0 0",
    "ecrans_titre_enter_your_name | 184 20 8 50 0 0 0",
    "ecrans_titre_options | 88 20 8 50 0 0 0",
    "ecrans_titre_extras | 76 20 8 50 0 0 0",
    "ecrans_titre_stage_select ecrans_titre_tile_gallery ecrans_titre_crt_settings "
    "ecrans_titre_lantern_room | 148 20 8 50 0 0 0",
    "ecrans_titre_sound_test ecrans_titre_push_start | 124 20 8 50 0 0 0",
    "ecrans_titre_player_1 ecrans_titre_player_2 ecrans_titre_controls | 100 20 8 50 0 0 0",
    "ecrans_titre_thank_you_for_playing | 256 20 8 50 0 0 0",
    "ecrans_titre_pause | 64 20 8 50 0 0 0",
    "ecrans_titre_vs | 50 34 8 50 0 0 0",
    "ecrans_lanterne_menu_eteinte | 48 52 1 100 1 24 0",
    "ecrans_lanterne_menu_allumee | 48 52 4 200 1 24 0",
    "ecrans_icone_night ecrans_icone_sliding ecrans_icone_duel ecrans_icone_rush "
    "ecrans_icone_moon ecrans_icone_paper ecrans_icone_parade ecrans_icone_extras "
    "ecrans_icone_options ecrans_icone_gallery ecrans_icone_sound ecrans_icone_crt "
    "ecrans_icone_room ecrans_icone_tea | 10 10 2 0 0 0 0",
    "ecrans_corde | 32 6 1 100 1 0 0",
    "ecrans_brule_parfum | 12 7 1 100 1 0 0",
    "ecrans_braise | 2 2 3 117 1 0 0",
    "ecrans_lampion_allume ecrans_lampion_eteint | 15 15 1 100 1 0 0",
    "ecrans_rang | 10 13 10 0 0 0 0",
    "ecrans_lettre_allumee ecrans_lettre_eteinte | 20 26 1 100 1 0 0",
    "ecrans_regle_paire ecrans_regle_combo | 120 64 1 100 1 0 0",
    "ecrans_regle_libre | 150 64 1 100 1 0 0",
    "ecrans_trame | 4 4 1 100 1 0 0",
    "ecrans_panda2_salut | 73 83 19 50 1 45 80",
    "ecrans_panda2_continue | 82 84 18 67 1 45 81",
    "ecrans_panda2_victoire | 87 112 29 33 1 45 109",
    "ecrans_panda2_joie | 76 100 18 33 0 46 97",
    "ecrans_panda2_pret | 92 93 17 33 1 46 83",
    "ecrans_panda2_defaite | 84 95 25 50 0 48 85",
    "ecrans_panda2_attente | 71 85 29 50 1 44 82",
    "ecrans_compte | 32 40 10 0 0 0 0",
};

QJsonArray nombres(const QString& texte) {
    QJsonArray a;
    for (const QString& n : texte.split(' ', Qt::SkipEmptyParts))
        a.append(n.toInt());
    return a;
}

} // namespace

TEST(TableSprites, MembresDansLOrdre) {
    EXPECT_EQ(
        clesDansLOrdre(texteTable(), {}),
        QStringList({"tuile", "police", "petite", "couleurs", "anim", "fonds", "tremblement"}));
}

TEST(TableSprites, TuilePolicePetiteCouleurs) {
    const QJsonObject t = table();
    const QJsonObject tuile = t["tuile"].toObject();
    EXPECT_EQ(tuile["largeur"].toInt(), 19);
    EXPECT_EQ(tuile["hauteur"].toInt(), 24);
    EXPECT_EQ(tuile["face"].toArray(), QJsonArray({16, 20}));
    EXPECT_EQ(tuile["epaisseur"].toArray(), QJsonArray({3, 4}));
    EXPECT_EQ(tuile["teintes"].toArray(), QJsonArray({0.84, 0.91, 0.96, 1.0}));
    EXPECT_EQ(tuile["voile"].toInt(), 42);
    QStringList motifs;
    for (const char f : {'m', 'p', 's'})
        for (int n = 1; n <= 9; ++n)
            motifs << QString("%1%2").arg(f).arg(n);
    motifs << "wE"
           << "wS"
           << "wW"
           << "wN"
           << "dR"
           << "dG"
           << "dW";
    for (int n = 1; n <= 4; ++n)
        motifs << QString("f%1").arg(n);
    for (int n = 1; n <= 4; ++n)
        motifs << QString("t%1").arg(n);
    EXPECT_EQ(tuile["motifs"].toArray(), QJsonArray::fromStringList(motifs));
    EXPECT_EQ(
        clesDansLOrdre(texteTable(), {"tuile"}),
        QStringList({"largeur", "hauteur", "face", "epaisseur", "teintes", "motifs", "voile"}));

    const QJsonObject police = t["police"].toObject();
    EXPECT_EQ(clesDansLOrdre(texteTable(), {"police"}),
              QStringList({"caracteres", "alias", "case", "avance", "haut", "styles", "chiffres"}));
    const QString car = police["caracteres"].toString();
    EXPECT_EQ(car.size(), 262);
    EXPECT_EQ(QSet<QChar>(car.begin(), car.end()).size(), 262) << "a character twice";
    for (const QString& present :
         {QString("A"), QString("Z"), QString("0"), QString("9"), QString(" "), QString("$"),
          QString::fromUtf8("\u00a9\u20ac\u25b6\u23f8\u00a6\u00c6\u0152\u00d0\u03aa\u03a9"),
          QString::fromUtf8("\u0400\u042f\u0408\u2019\u2011\u00a0\u202f\ue000\ue007")})
        for (const QChar c : present)
            EXPECT_TRUE(car.contains(c)) << c.unicode();
    EXPECT_FALSE(car.contains('a'));
    const QJsonObject alias = police["alias"].toObject();
    EXPECT_EQ(alias.size(), 45);
    EXPECT_EQ(alias[QString::fromUtf8("\u03aa")].toString(), QString::fromUtf8("\u00cf"));
    EXPECT_EQ(alias[QString::fromUtf8("\u041f")].toString(), QString::fromUtf8("\u03a0"));
    EXPECT_EQ(alias[QString::fromUtf8("\u00d0")].toString(), QString::fromUtf8("\u0110"));
    EXPECT_EQ(alias[QString::fromUtf8("\u202f")].toString(), " ");
    for (auto it = alias.begin(); it != alias.end(); ++it) {
        // Every aliased character is in the repertoire and drawn with one that has
        // an image of its own (or the space, which draws nothing).
        EXPECT_TRUE(car.contains(it.key())) << qPrintable(it.key());
        const QString cible = it.value().toString();
        EXPECT_TRUE(car.contains(cible)) << qPrintable(cible);
        EXPECT_FALSE(alias.contains(cible)) << qPrintable(cible);
    }
    // 216 characters have an image: all but the space and the aliased ones.
    EXPECT_EQ(car.size() - 1 - alias.size(), 216);
    EXPECT_EQ(police["case"].toArray(), QJsonArray({7, 14}));
    EXPECT_EQ(police["avance"].toInt(), 6);
    EXPECT_EQ(police["haut"].toInt(), 4);
    EXPECT_EQ(police["styles"].toArray(), QJsonArray({"or", "blanc", "rouge", "jade", "gris"}));
    EXPECT_EQ(police["chiffres"].toString(), QString::fromUtf8("0123456789+\u00d7-"));

    EXPECT_EQ(t["petite"].toObject()["caracteres"].toString(), "0123456789ESWN");
    EXPECT_EQ(t["petite"].toObject()["case"].toArray(), QJsonArray({4, 5}));
    EXPECT_EQ(t["couleurs"].toObject()["selection"].toString(), "#ffd040");
    EXPECT_EQ(t["couleurs"].toObject()["indice"].toString(), "#ff6a8a");
}

TEST(TableSprites, ToutesLesBandesDansLOrdre) {
    const QJsonObject anim = table()["anim"].toObject();
    QStringList attendus;
    for (const char* r : RANGEES) {
        const QStringList deux = QString(r).split('|');
        const QJsonArray valeurs = nombres(deux[1]);
        for (const QString& nom : deux[0].split(' ', Qt::SkipEmptyParts)) {
            attendus << nom;
            EXPECT_EQ(anim[nom].toArray(), valeurs) << qPrintable(nom);
        }
    }
    EXPECT_EQ(attendus.size(), 153);
    EXPECT_EQ(clesDansLOrdre(texteTable(), {"anim"}), attendus);
}

TEST(TableSprites, Fonds) {
    const QJsonObject fonds = table()["fonds"].toObject();
    EXPECT_EQ(clesDansLOrdre(texteTable(), {"fonds"}),
              QStringList({"marche", "pont", "temple", "port"}));
    const QJsonObject anim = table()["anim"].toObject();
    // Counts by strip and plane, in the order the elements are listed.
    const std::map<QString, QStringList> comptes = {
        {"marche",
         {"fonds_etoile 0 6", "fonds_vapeur 2 24", "fonds_lanterne_balance 2 8",
          "fonds_lanterne_balance 3 12"}},
        {"pont", {"fonds_etoile 0 6", "fonds_lanterne_balance 2 10", "fonds_saule 3 3"}},
        {"temple",
         {"fonds_etoile 0 6", "fonds_fumee 2 4", "fonds_fumee_b 2 2", "fonds_cloche 2 4",
          "fonds_petale 3 14"}},
        {"port",
         {"fonds_etoile 0 6", "fonds_feu_or 0 2", "fonds_feu_rose 0 2", "fonds_feu_jade 0 1",
          "fonds_lanterne_balance 2 4", "fonds_lanterne_flottante 3 10"}},
    };
    for (const auto& [nom, attendu] : comptes) {
        SCOPED_TRACE(qPrintable(nom));
        const QJsonObject f = fonds[nom].toObject();
        EXPECT_EQ(clesDansLOrdre(texteTable(), {"fonds", nom}),
                  QStringList({"ciel", "plans", "elements", "eau"}));
        EXPECT_EQ(f["ciel"].toString(), "fond_" + nom + "_ciel");
        EXPECT_EQ(f["plans"].toArray(), QJsonArray({QJsonArray({"fond_" + nom + "_loin", 2}),
                                                    QJsonArray({"fond_" + nom + "_milieu", 5}),
                                                    QJsonArray({"fond_" + nom + "_pres", 10})}));
        QStringList groupes;
        QString courant;
        int n = 0;
        for (const auto& v : f["elements"].toArray()) {
            const QJsonArray e = v.toArray();
            ASSERT_EQ(e.size(), 4);
            const QString cle = e[0].toString() + " " + QString::number(e[3].toInt());
            EXPECT_TRUE(anim.contains(e[0].toString()));
            // Inside its plane: the sky is 384 wide, the layers 768.
            const int largeurPlan = e[3].toInt() == 0 ? 384 : 768;
            EXPECT_GE(e[1].toInt(), 0);
            EXPECT_LT(e[1].toInt(), largeurPlan);
            EXPECT_GE(e[2].toInt(), 0);
            EXPECT_LT(e[2].toInt(), 224);
            if (cle != courant) {
                if (n) groupes << courant + " " + QString::number(n);
                courant = cle;
                n = 0;
            }
            ++n;
        }
        groupes << courant + " " + QString::number(n);
        EXPECT_EQ(groupes, attendu);
    }
    EXPECT_TRUE(fonds["marche"].toObject()["eau"].isNull());
    EXPECT_TRUE(fonds["temple"].toObject()["eau"].isNull());
    EXPECT_EQ(fonds["pont"].toObject()["eau"].toArray(), QJsonArray({"fond_pont_eau", 180}));
    EXPECT_EQ(fonds["port"].toObject()["eau"].toArray(), QJsonArray({"fond_port_eau", 182}));

    // The telling rows: the market's near string of lanterns and the willows.
    QJsonArray lanternes;
    for (int x = 22; x <= 726; x += 64)
        lanternes.append(QJsonArray({"fonds_lanterne_balance", x, 8, 3}));
    const QJsonArray marche = fonds["marche"].toObject()["elements"].toArray();
    EXPECT_EQ(QJsonArray::fromVariantList(marche.toVariantList().mid(38)), lanternes);
    const QJsonArray pont = fonds["pont"].toObject()["elements"].toArray();
    EXPECT_EQ(
        QJsonArray::fromVariantList(pont.toVariantList().mid(16)),
        QJsonArray({QJsonArray({"fonds_saule", 20, 0, 3}), QJsonArray({"fonds_saule", 420, 0, 3}),
                    QJsonArray({"fonds_saule", 600, 0, 3})}));
    // Eight stalls, each with three steam plumes 22 pixels apart.
    for (int s = 0; s < 8; ++s) {
        const int x0 = marche[6 + 3 * s].toArray()[1].toInt();
        EXPECT_EQ(marche[7 + 3 * s].toArray()[1].toInt(), x0 + 22);
        EXPECT_EQ(marche[8 + 3 * s].toArray()[1].toInt(), x0 + 44);
    }
}

TEST(TableSprites, Tremblement) {
    const QJsonArray attendu = {QJsonArray({3, 0}),  QJsonArray({-3, 1}), QJsonArray({2, -2}),
                                QJsonArray({-2, 2}), QJsonArray({2, 1}),  QJsonArray({-1, -1}),
                                QJsonArray({1, 0}),  QJsonArray({0, 1}),  QJsonArray({0, 0})};
    EXPECT_EQ(table()["tremblement"].toArray(), attendu);
}

TEST(TableSprites, LeScriptPorteLaMemeValeur) {
    // The scenes import the generated script copy; it must hold the same value.
    QFile f(":/app/images/sprites.js");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray s = f.readAll();
    const QByteArray debut = ".pragma library\n\nvar table = ";
    ASSERT_TRUE(s.startsWith(debut));
    s = s.mid(debut.size()).trimmed();
    ASSERT_TRUE(s.endsWith(';'));
    s.chop(1);
    EXPECT_EQ(QJsonDocument::fromJson(s).object(), table());
    // And the data file itself is in the resources the game reads.
    QFile json(":/app/images/sprites.json");
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    EXPECT_EQ(json.readAll(), texteTable());
}
