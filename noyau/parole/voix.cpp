#include "parole/voix.h"

#include <QStringList>
#include <cstdio>

namespace parole {

namespace {

Orateur& orateur() {
    static Orateur o;
    return o;
}

bool& journal() {
    static bool j = false;
    return j;
}

} // namespace

void installerOrateur(Orateur o) {
    orateur() = std::move(o);
}

bool journalDemande(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--journal-parole")) ||
           arguments.contains(QStringLiteral("--journal-sons"));
}

void journaliser(bool oui) {
    journal() = oui;
}

void dire(const QString& texte, const QString& langue) {
    if (texte.isEmpty()) return;
    if (journal()) {
        // One line per utterance, whatever the text holds: a line break in a
        // translation must not start a line of its own.
        QString ligne = texte;
        ligne.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(stdout, "TESSIMORA_PAROLE %s\n", ligne.toUtf8().constData());
        std::fflush(stdout);
    }
    if (orateur()) orateur()(texte, langue);
}

} // namespace parole
