// The font workshop.
//
//   atelier_police <formes.txt> <marques.txt> <images folder> <qrc file>
//       draws the narrow glyphs of every style into <images folder>/police and
//       lists them in a resource file under app/images/police/
//   atelier_police --larges <sources folder> <index.json> <glyphes folder>
//       draws the wide glyphs of each wide-script language from its 9 x 9
//       maps (<sources folder>/<language>.txt) into <glyphes folder>/<language>/
//
// Any character of the repertoire (or of a language's subset) without a shape
// stops the workshop with an error: a missing glyph must never reach the game.

#include "ecran/police.h"
#include "peinture.h"
#include "sources.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>

namespace {

QString lireTexte(const QString& chemin, bool* ok) {
    QFile f(chemin);
    *ok = f.open(QIODevice::ReadOnly);
    return *ok ? QString::fromUtf8(f.readAll()) : QString();
}

int echec(const QString& message) {
    std::fprintf(stderr, "atelier_police: %s\n", qPrintable(message));
    return 1;
}

bool ecrireSiChange(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    if (f.open(QIODevice::ReadOnly) && f.readAll() == contenu) return true;
    f.close();
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size();
}

QByteArray png(const QImage& img) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    img.save(&tampon, "PNG");
    return octets;
}

int etroits(const QStringList& a) {
    bool ok1 = false, ok2 = false;
    const QString formes = lireTexte(a[0], &ok1), marques = lireTexte(a[1], &ok2);
    if (!ok1 || !ok2) return echec("cannot read the glyph sources");
    sources::Formes f;
    QString erreur;
    if (!sources::lire(formes, marques, &f, &erreur)) return echec(erreur);
    const QString dossier = a[2] + "/police";
    if (!QDir().mkpath(dossier)) return echec("cannot make " + dossier);
    QString qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QChar c : police::dessines()) {
        const sources::Carte carte = sources::etroit(f, c.unicode());
        if (carte.isEmpty())
            return echec(QString("no shape for U+%1").arg(c.unicode(), 4, 16, QChar('0')));
        for (const peinture::Style& s : peinture::styles()) {
            const QString nom = QString("%1_%2.png").arg(s.nom).arg(c.unicode());
            if (!ecrireSiChange(dossier + "/" + nom, png(peinture::etroit(carte, s))))
                return echec("cannot write " + nom);
            qrc +=
                QString("  <file alias=\"app/images/police/%1\">%2/%1</file>\n").arg(nom, dossier);
        }
    }
    qrc += "</qresource>\n</RCC>\n";
    if (!ecrireSiChange(a[3], qrc.toUtf8())) return echec("cannot write " + a[3]);
    return 0;
}

int larges(const QStringList& a) {
    bool ok = false;
    const QJsonObject cjk =
        QJsonDocument::fromJson(lireTexte(a[1], &ok).toUtf8()).object().value("cjk").toObject();
    if (!ok || cjk.isEmpty()) return echec("cannot read the wide subsets of " + a[1]);
    for (const QString& langue : police::languesLarges()) {
        const QString texte = lireTexte(a[0] + "/" + langue + ".txt", &ok);
        if (!ok) return echec("cannot read the wide glyphs of " + langue);
        QString erreur;
        const QHash<QString, sources::Carte> cartes = sources::blocs(texte, &erreur);
        if (!erreur.isEmpty()) return echec(langue + ": " + erreur);
        const QString dossier = a[2] + "/" + langue;
        QDir(dossier).removeRecursively();
        if (!QDir().mkpath(dossier)) return echec("cannot make " + dossier);
        for (const QChar c : cjk.value(langue).toString()) {
            const sources::Carte carte = cartes.value(QString(c));
            if (carte.size() != 9)
                return echec(QString("%1: no 9 x 9 shape for U+%2")
                                 .arg(langue)
                                 .arg(c.unicode(), 4, 16, QChar('0')));
            for (const peinture::Style& s : peinture::styles()) {
                const QString nom = QString("%1/%2_%3.png").arg(dossier, s.nom).arg(c.unicode());
                if (!ecrireSiChange(nom, png(peinture::large(carte, s))))
                    return echec("cannot write " + nom);
            }
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList a = app.arguments().mid(1);
    if (a.size() == 4 && a[0] == "--larges") return larges(a.mid(1));
    if (a.size() == 4) return etroits(a);
    return echec("usage: atelier_police <formes> <marques> <images folder> <qrc>\n"
                 "       atelier_police --larges <sources folder> <index.json> <glyphes folder>");
}
