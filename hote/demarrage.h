#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Small decisions of the start-up, kept apart from the entry function so
// that tests can check them.

// Whole-word options match an argument exactly, case included.
bool optionPresente(const QStringList& arguments, const QString& mot);

// The host finds the gamepad family itself unless a provider named "steam"
// does it, or the command line names one ("--manette=", even empty).
bool detectionManettes(const QString& nomFournisseur, const QStringList& arguments);

// The root scene. Test builds let TESSIMORA_RACINE point elsewhere, so that a
// trial can check what happens when the root does not load.
QUrl racine();

// The name of this host for the scene: the desktop features (QUIT entries,
// the title's quit confirmation) exist on "linux" and "macos".
QString nomHote();

// The answer to "--help" or "--version" (the first of the two in the list),
// or an empty text when the game should start. Both are whole words, like
// every host option; anything else stays ignored.
QString aideOuVersion(const QStringList& arguments);

// Prints that answer before any window exists, so that both work without a
// display; true when the program should then end (with exit code 0).
bool repondreSansJeu(int argc, char* argv[]);

// Sends the scene's "TESSIMORA_..." console lines to standard output, flushed
// at once, where trial scripts read them; every other message keeps Qt's
// usual road to standard error.
void installerJournal();
