#include "plateforme/qml/port_js.h"

#include <QJSEngine>
#include <QObject>

namespace {

// An answer that is a text is the only one the layer ever reads (a cloud
// text); any other answer is only "the call returned".
const char* const GARDES = R"((function () {
    return {
        a: function (f, nom) {
            try { return typeof f[nom] === "function" } catch (e) { return false }
        },
        texte: function (f, nom) {
            try { var v = f[nom]; return typeof v === "string" ? { v: v } : null }
            catch (e) { return null }
        },
        appeler: function (f, nom, args) {
            try {
                if (typeof f[nom] !== "function") return null
                var r = f[nom].apply(f, args)
                return { texte: typeof r === "string", r: typeof r === "string" ? r : "" }
            } catch (e) { return null }
        }
    }
})())";

} // namespace

PortJs::PortJs(QJSEngine* moteur, QJSValue gardes, QJSValue f)
    : m_moteur(moteur), m_gardes(std::move(gardes)), m_f(std::move(f)) {}

bool PortJs::a(const QString& operation) const {
    const QJSValue r = m_gardes.property(QStringLiteral("a")).call({m_f, QJSValue(operation)});
    return r.isBool() && r.toBool();
}

std::optional<QString> PortJs::texte(const QString& nom) const {
    const QJSValue r = m_gardes.property(QStringLiteral("texte")).call({m_f, QJSValue(nom)});
    if (!r.isObject() || r.isError()) return std::nullopt;
    return r.property(QStringLiteral("v")).toString();
}

std::optional<QVariant> PortJs::appeler(const QString& operation, const QVariantList& arguments) {
    QJSValue args = m_moteur->newArray(uint(arguments.size()));
    for (int i = 0; i < arguments.size(); ++i)
        args.setProperty(quint32(i), m_moteur->toScriptValue(arguments[i]));
    const QJSValue r =
        m_gardes.property(QStringLiteral("appeler")).call({m_f, QJSValue(operation), args});
    if (!r.isObject() || r.isError()) return std::nullopt;
    if (!r.property(QStringLiteral("texte")).toBool()) return QVariant();
    return QVariant(r.property(QStringLiteral("r")).toString());
}

std::unique_ptr<PortJs> GardesPort::pour(const QObject* face, const QJSValue& f) {
    if (!f.isObject()) return nullptr;
    QJSEngine* moteur = qjsEngine(face);
    if (!moteur) return nullptr;
    if (m_gardes.isUndefined()) m_gardes = moteur->evaluate(QLatin1String(GARDES));
    if (!m_gardes.isObject()) return nullptr;
    return std::make_unique<PortJs>(moteur, m_gardes, f);
}
