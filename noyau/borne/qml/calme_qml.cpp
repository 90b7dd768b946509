#include "borne/qml/calme_qml.h"

#include "borne/calme.h"

#include <QQmlEngine>

void CalmeQml::setCalme(bool v) {
    if (v == calme_) return;
    calme_ = v;
    emit calmeChanged();
}

bool CalmeQml::secousse() const {
    return calme::secousse(calme_);
}

QVariantMap CalmeQml::effet(const QString& nom) const {
    if (!calme_) return {};
    const QByteArray n = nom.toUtf8();
    const calme::Effet e = calme::effet(std::string_view(n.constData(), n.size()));
    if (!e.change) return {};
    return {{QStringLiteral("fige"), e.fige},
            {QStringLiteral("vie"), e.vie},
            {QStringLiteral("fondu"), e.fondu},
            {QStringLiteral("intensite"), e.intensite}};
}

int CalmeQml::demiPeriode(int ms) const {
    return calme::demiPeriode(ms, calme_);
}

void enregistrerCalme() {
    qmlRegisterSingletonType<CalmeQml>(
        "Tessimora", 1, 0, "Mouvement",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new CalmeQml; });
}
