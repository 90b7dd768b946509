#include "ecran/qml/animations_qml.h"

#include "ecran/qml/defilement_qml.h"
#include "ecran/qml/dessin_bande_qml.h"
#include "ecran/qml/pose_qml.h"
#include "ecran/qml/secousse_qml.h"

#include <QtQml>

void enregistrerAnimations() {
    qmlRegisterType<DessinBandeQml>("Tessimora", 1, 0, "DessinBande");
    qmlRegisterType<EffetPoseQml>("Tessimora", 1, 0, "EffetPose");
    qmlRegisterType<NombrePoseQml>("Tessimora", 1, 0, "NombrePose");
    qmlRegisterType<DefilementQml>("Tessimora", 1, 0, "Defilement");
    qmlRegisterSingletonType<SecousseQml>(
        "Tessimora", 1, 0, "Secousse",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new SecousseQml; });
}
