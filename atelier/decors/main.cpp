// The scenery workshop: draws the panda, background and cabinet strips the
// sprite table names, and writes them with the resource list that puts them
// into the game.
//
//   atelier_decors <sprites.json> <images folder> <qrc file>
//   atelier_decors --revue <sprites.json> <images folder> <review folder>

#include "decors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace {

// Files are written only when their bytes change, so an unchanged image keeps
// its date and the resource compiler has nothing to redo.
bool ecrirePng(const QString& chemin, const QImage& image) {
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        if (!image.save(&tampon, "PNG")) return false;
    }
    QFile ancien(chemin);
    if (ancien.open(QIODevice::ReadOnly) && ancien.readAll() == octets) return true;
    ancien.close();
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool revue = args.size() == 5 && args[1] == "--revue";
    if (args.size() != 4 && !revue) {
        std::fprintf(stderr, "usage: atelier_decors [--revue] <sprites.json> <folder> <out>\n");
        return 2;
    }
    const int d = revue ? 2 : 1;
    QFile fichierTable(args[d]);
    if (!fichierTable.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[d]));
        return 1;
    }
    QJsonParseError erreur{};
    const QJsonObject table = QJsonDocument::fromJson(fichierTable.readAll(), &erreur).object();
    if (erreur.error != QJsonParseError::NoError) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args[d]), qPrintable(erreur.errorString()));
        return 1;
    }
    const QString dossier = args[d + 1];
    if (revue) return dessinerRevue(table, dossier, args[4]) ? 0 : 1;

    QDir().mkpath(dossier + "/anim");
    QString qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    const QJsonObject anim = table["anim"].toObject();
    for (auto it = anim.begin(); it != anim.end(); ++it) {
        if (!estDecor(it.key())) continue;
        const QJsonArray a = it.value().toArray();
        const Gabarit g{a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt(),
                        a[4].toInt(), a[5].toInt(), a[6].toInt()};
        Bande b(g.l, g.h, g.images);
        if (!dessinerPanda(it.key(), g, b) && !dessinerFonds(it.key(), g, b) &&
            !dessinerEcrans(it.key(), g, b)) {
            std::fprintf(stderr, "no drawing for %s\n", qPrintable(it.key()));
            return 1;
        }
        const QString chemin = "anim/" + it.key() + ".png";
        if (!ecrirePng(dossier + "/" + chemin, b.assembler())) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
            return 1;
        }
        qrc += QString("  <file alias=\"app/images/%1\">%2/%1</file>\n").arg(chemin, dossier);
    }
    qrc += "</qresource>\n</RCC>\n";
    // Always rewritten: its date tells the build that the images were drawn.
    QFile liste(args[3]);
    if (!liste.open(QIODevice::WriteOnly) || liste.write(qrc.toUtf8()) < 0) return 1;
    return 0;
}
