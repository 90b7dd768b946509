#include "moteur/qml/defi_qml.h"

#include "moteur/defi.h"
#include "moteur/dispositions.h"

#include <QtQml>
#include <cmath>

namespace {

defi::Instant instant(double t) {
    if (!std::isfinite(t) || t < 0) return defi::maintenant();
    return static_cast<defi::Instant>(t);
}

} // namespace

DefiQml::DefiQml(QObject* parent) : QObject(parent) {}

double DefiQml::maintenant() const {
    return static_cast<double>(defi::maintenant());
}

QString DefiQml::jour(double t) const {
    return QString::fromStdString(defi::jour(instant(t)));
}

double DefiQml::graine(double t) const {
    return static_cast<double>(defi::graine(instant(t)));
}

int DefiQml::disposition(double t) const {
    return defi::disposition(instant(t), static_cast<int>(dispositions::LISTE.size()));
}
