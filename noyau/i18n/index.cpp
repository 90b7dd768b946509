#include "i18n/index.h"

#include "i18n/langue.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace langue {

Index lireIndex(const QByteArray& contenu) {
    Index index;
    const QJsonObject racine = QJsonDocument::fromJson(contenu).object();
    for (const QJsonValue& v : racine.value(QStringLiteral("disponibles")).toArray()) {
        const QString code = v.toString();
        if (connue(code) && !index.disponibles.contains(code)) index.disponibles.append(code);
    }
    if (index.disponibles.isEmpty()) {
        for (const Langage& l : LANGUES)
            index.disponibles.append(QString::fromUtf8(l.code));
    }
    const QJsonObject cjk = racine.value(QStringLiteral("cjk")).toObject();
    for (const char* code : {"ja", "ko", "zh-Hans", "zh-Hant"}) {
        index.cjk.insert(QString::fromUtf8(code), cjk.value(QLatin1String(code)).toString());
    }
    return index;
}

const Index& indexDuJeu() {
    static const Index index = [] {
        QFile fichier(QStringLiteral(":/app/i18n/index.json"));
        return lireIndex(fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray());
    }();
    return index;
}

} // namespace langue
