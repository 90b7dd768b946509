#pragma once

#include "commun/ecran/affichage.h"

#include <QVariant>
#include <QVariantMap>

// Conversions between the screen's records and what the scenes hand over:
// a JS object reaches C++ either as a map or wrapped in a QJSValue.
namespace versqml {

QVariantMap table(const QVariant& v);
QVariantMap geometrie(const affichage::Geometrie& g);
affichage::Geometrie lireGeometrie(const QVariant& v);

} // namespace versqml
