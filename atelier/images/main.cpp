// The image workshop: draws every image the sprite table names and writes them,
// with the resource list that puts them into the game and the script copy of the
// table that the scenes import.
//
//   atelier_images [--sans-reserve] [--icones=<folder>] <sprites.json> <images folder> <qrc file>
//   atelier_images --planche <sprites.json> <images folder> <png>
//
// Strips of the families drawn by another part of the workshop get a plain
// stand-in here, unless --sans-reserve says that part is present: two files
// under one resource name would leave it to chance which one the game sees.
// --icones writes the program's icon for the desktop's icon theme into its own
// folder, in the theme's layout: those files are installed, not embedded.

#include "familles.h"
#include "planche.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cstdio>

namespace {

// Files are written only when their bytes change, so that an unchanged file
// keeps its date and the resource compiler has nothing to redo.
bool ecrireFichier(const QString& chemin, const QByteArray& contenu) {
    QFile ancien(chemin);
    if (ancien.open(QIODevice::ReadOnly) && ancien.readAll() == contenu) return true;
    ancien.close();
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(contenu) == contenu.size();
}

bool ecrirePng(const QString& chemin, const QImage& image) {
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        if (!image.save(&tampon, "PNG")) return false;
    }
    return ecrireFichier(chemin, octets);
}

// The theme's folder holds exactly the sizes of the list: one dropped from it
// must not linger and be installed.
bool ecrireIcones(const QString& dossier) {
    const std::vector<Fichier> fichiers = iconesBureau();
    QSet<QString> voulus;
    for (const auto& f : fichiers)
        voulus.insert(f.chemin);
    for (const QString& taille : QDir(dossier).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir apps(dossier + "/" + taille + "/apps");
        for (const QString& nom : apps.entryList({"*.png"}, QDir::Files))
            if (!voulus.contains(taille + "/apps/" + nom)) apps.remove(nom);
    }
    for (const auto& f : fichiers) {
        const QString chemin = dossier + "/" + f.chemin;
        if (!QDir().mkpath(QFileInfo(chemin).path()) || !ecrirePng(chemin, f.image)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool sansReserve = args.removeAll("--sans-reserve") > 0;
    QString icones;
    for (int i = args.size() - 1; i >= 1; --i)
        if (args[i].startsWith("--icones=")) icones = args.takeAt(i).mid(9);
    const bool planche = args.size() == 5 && args[1] == "--planche";
    if (args.size() != 4 && !planche) {
        std::fprintf(stderr, "usage: atelier_images [--planche] [--icones=<folder>] <sprites.json> "
                             "<folder> <out>\n");
        return 2;
    }
    const int d = planche ? 2 : 1;
    QFile fichierTable(args[d]);
    if (!fichierTable.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[d]));
        return 1;
    }
    const QByteArray texteTable = fichierTable.readAll();
    QJsonParseError erreur{};
    const QJsonObject table = QJsonDocument::fromJson(texteTable, &erreur).object();
    if (erreur.error != QJsonParseError::NoError) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[d]), qPrintable(erreur.errorString()));
        return 1;
    }
    const QString dossier = args[d + 1];

    if (planche) return dessinerPlanche(table, dossier, args[4]) ? 0 : 1;

    std::vector<double> teintes;
    for (const auto& v : table["tuile"].toObject()["teintes"].toArray())
        teintes.push_back(v.toDouble());

    std::vector<Fichier> fichiers = fichiersTuiles(teintes);
    for (auto& f : fichiersDivers())
        fichiers.push_back(std::move(f));

    const QJsonObject anim = table["anim"].toObject();
    for (auto it = anim.begin(); it != anim.end(); ++it) {
        const QJsonArray a = it.value().toArray();
        Rangee r{a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt(),
                 a[4].toInt(), a[5].toInt(), a[6].toInt()};
        Bande b(r.l, r.h, r.images);
        if (!dessinerTuiles(it.key(), r, b) && !dessinerEffets(it.key(), r, b)) {
            if (sansReserve) continue;
            dessinerReserve(it.key(), r, b);
        }
        fichiers.push_back({"anim/" + it.key() + ".png", b.assembler()});
    }

    QDir().mkpath(dossier + "/tuiles");
    QDir().mkpath(dossier + "/anim");
    QString qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const auto& f : fichiers) {
        if (!ecrirePng(dossier + "/" + f.chemin, f.image)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(f.chemin));
            return 1;
        }
        qrc += QString("  <file alias=\"app/images/%1\">%2/%1</file>\n").arg(f.chemin, dossier);
    }

    if (!icones.isEmpty() && !ecrireIcones(icones)) return 1;

    // The box manifest names the icon beside the root scene.
    qrc += QString("  <file alias=\"app/icon.png\">%1/icone.png</file>\n").arg(dossier);

    // Images left over from an earlier run (a strip that another part now
    // draws, a renamed one) would otherwise linger on the contact sheet.
    QSet<QString> ecrits;
    for (const auto& f : fichiers)
        ecrits.insert(f.chemin);
    for (const QString sous : {"anim", "tuiles"})
        for (const QString& nom : QDir(dossier + "/" + sous).entryList({"*.png"}, QDir::Files))
            if (!ecrits.contains(sous + "/" + nom)) QFile::remove(dossier + "/" + sous + "/" + nom);

    // The scenes read the table through a script library holding the same JSON
    // value, generated here so the two can never disagree.
    const QByteArray script = ".pragma library\n\nvar table = " + texteTable.trimmed() + ";\n";
    if (!ecrireFichier(dossier + "/sprites.js", script)) return 1;
    qrc += QString("  <file alias=\"app/images/sprites.js\">%1/sprites.js</file>\n").arg(dossier);
    qrc += "</qresource>\n</RCC>\n";
    // The resource list is always rewritten: its date is what tells the build
    // that the images changed.
    QFile liste(args[3]);
    if (!liste.open(QIODevice::WriteOnly) || liste.write(qrc.toUtf8()) < 0) return 1;
    return 0;
}
