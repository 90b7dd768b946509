#pragma once

// The few JSON tools every save record shares. Records are written by hand
// rather than through QJsonDocument because QJsonObject sorts its keys: the
// stored texts keep their fields in the records' own order, so the same record
// always gives the same bytes. Reading goes through QJsonDocument.

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <optional>

namespace json {

// The value of `texte`, or an undefined value when it is empty or not JSON.
QJsonValue analyser(const QString& texte);

// The members of a parsed object, or an empty object for anything else.
QJsonObject objet(const QJsonValue& v);

// A stored value read as a number the forgiving way: a number as it is, a
// text holding a decimal number as that number, true as 1, false, null and an
// empty text as 0. Anything else, and anything that is not finite, gives
// nothing: an infinite value could not be written back as JSON.
std::optional<double> enNombre(const QJsonValue& v);

// A JSON string literal, escaped as JavaScript's JSON.stringify does.
QString chaine(const QString& s);

// A JSON number in its shortest form that reads back to the same double
// (integers without a fraction or exponent below 1e21); null for a value that
// is not finite.
QString nombre(double x);

// Builds one JSON object member by member, in the order the calls come.
class Objet {
public:
    Objet& brut(const QString& cle, const QString& valeurJson);
    Objet& texte(const QString& cle, const QString& valeur) { return brut(cle, chaine(valeur)); }
    Objet& nombre(const QString& cle, double valeur) { return brut(cle, json::nombre(valeur)); }
    Objet& booleen(const QString& cle, bool valeur);
    QString fin() const { return texte_ + QLatin1Char('}'); }

private:
    QString texte_ = QStringLiteral("{");
};

// A JSON array of already written elements.
QString tableau(const QStringList& elementsJson);

} // namespace json
