#pragma once

#include <QJsonObject>
#include <QString>

// The contact sheet: every tile image and every strip of the table, read back
// from the written files, on one PNG for review.
bool dessinerPlanche(const QJsonObject& table, const QString& dossier, const QString& sortie);
