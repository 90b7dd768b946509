#include "borne/qml/modes_qml.h"

#include "moteur/etape.h"

#include <QQmlEngine>
#include <array>
#include <memory>

namespace {

// One object per row, made on first use and kept to the end of the program,
// so that a scene's binding may hold one as long as it likes.
std::array<std::unique_ptr<RegleModeQml>, modes::NOMBRE>& lignes() {
    static std::array<std::unique_ptr<RegleModeQml>, modes::NOMBRE> l = [] {
        std::array<std::unique_ptr<RegleModeQml>, modes::NOMBRE> r;
        for (std::size_t i = 0; i < r.size(); ++i) {
            r[i] = std::make_unique<RegleModeQml>(modes::REGLES[i]);
            QQmlEngine::setObjectOwnership(r[i].get(), QQmlEngine::CppOwnership);
        }
        return r;
    }();
    return l;
}

} // namespace

QString RegleModeQml::mot() const {
    return QLatin1String(motDe(r_.mode).data());
}

QString RegleModeQml::nom() const {
    return r_.nom ? QLatin1String(r_.nom) : QString();
}

QString RegleModeQml::motSorte() const {
    switch (r_.sorte) {
    case modes::Sorte::Glissant:
        return QStringLiteral("glissant");
    case modes::Sorte::Duel:
        return QStringLiteral("duel");
    case modes::Sorte::Pile:
        break;
    }
    return QStringLiteral("pile");
}

int RegleModeQml::voile(int etape) const {
    return int(modes::voile(r_, etape));
}

QString RegleModeQml::logoFin(bool parfait, int etape) const {
    return QLatin1String(
        etape::logoFin(parfait, etape, r_.enchainement == modes::Enchainement::Etapes));
}

RegleModeQml* regleQml(Mode m) {
    return lignes()[std::size_t(m)].get();
}

RegleModeQml* ModesQml::regle(int mode) const {
    const bool connu = mode >= 0 && mode < modes::NOMBRE;
    return regleQml(connu ? Mode(mode) : Mode::Night);
}

int ModesQml::modeDe(const QString& mot) const {
    const std::optional<Mode> m = ::modeDe(mot.toStdString());
    return m ? int(*m) : -1;
}

QString ModesQml::nomTable(const QString& table) const {
    for (const modes::Regle& r : modes::REGLES)
        if (r.nom && table == QLatin1String(r.table)) return QLatin1String(r.nom);
    return QString();
}

int ModesQml::etapeDe(double graine) const {
    return modes::etapeDe(graine >= 0 ? static_cast<unsigned>(graine) : 0u);
}

QString ModesQml::tableAttract(int vues) const {
    return QLatin1String(modes::tableAttract(vues));
}

void enregistrerModes() {
    qmlRegisterUncreatableMetaObject(ModeQml::staticMetaObject, "Tessimora", 1, 0, "Mode",
                                     QStringLiteral("the modes' values"));
    qmlRegisterUncreatableType<RegleModeQml>("Tessimora", 1, 0, "RegleMode",
                                             QStringLiteral("a row of the table of modes"));
    qmlRegisterSingletonType<ModesQml>(
        "Tessimora", 1, 0, "Modes",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new ModesQml; });
}
