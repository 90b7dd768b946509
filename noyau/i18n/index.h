#pragma once

// The generated index of the catalogues (app/i18n/index.json, written by the
// key tool): the languages offered in OPTIONS and, for each wide-script
// language, the wide characters that have glyph images in that language.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace langue {

struct Index {
    QStringList disponibles;     // codes of the table, in table order
    QHash<QString, QString> cjk; // "ja", "ko", "zh-Hans", "zh-Hant" -> characters
};

// Never fails: an unreadable or partial index offers every language of the
// table and no wide glyphs, so the game still runs and shows "?" for them.
Index lireIndex(const QByteArray& contenu);

// The index compiled into the program.
const Index& indexDuJeu();

} // namespace langue
