#pragma once

// The message catalogue: which languages the game offers, how the device's
// language maps onto them, which files make up a language, and how a key
// becomes the text on screen. Keys are the English texts themselves, so a
// missing translation always has something sensible to show.

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <array>

namespace langue {

struct Langage {
    const char* code;
    const char* nom;   // own name, as the OPTIONS row shows it
    const char* repli; // the more general language whose file is read first, or ""
};

extern const std::array<Langage, 31> LANGUES;

// Never offered and never detected: a device set to one of them plays in English.
extern const std::array<const char*, 2> EXCLUES;

// Marks a key in a table that cannot translate by itself (the key tool finds
// the literal); the caller translates it when it is shown.
constexpr const char* T(const char* cle) {
    return cle;
}

// The table entry for `code`, or nullptr.
const Langage* trouver(const QString& code);
bool connue(const QString& code);

// One device locale name ("fr_CA", "zh-Hant-HK") to a code of the table,
// "en" for an excluded language, "" when the name says nothing we offer.
QString depuisLocale(const QString& locale);
// Same, for values that may not be text at all (a scene may pass anything).
QString depuisLocale(const QVariant& locale);

// First useful answer over the device's preference list, else "en".
QString detecter(const QStringList& liste);

// The device's interface languages followed by its locale name.
QStringList listeSysteme();

// What `choisir` loads: `choix` when it is a code of the table, else the device's language.
QString cible(const QString& choix, const QString& systeme);

// The files to read for `code`, from the most general to the most precise,
// English excluded ("pt-BR" gives pt, pt-BR; "en" gives nothing).
QStringList chaine(const QString& code);

// CLDR plural category of n in language `code`.
QString forme(double n, const QString& code);

// The English text of a key: what follows its first "|" when it has one.
QString anglais(const QString& cle);

// Replaces each {name} that `valeurs` holds; any other {name} stays as written,
// so that help lines can put key labels in later.
QString inserer(const QString& texte, const QVariantMap& valeurs);

// Reading one catalogue file.
struct Lecture {
    enum Etat { Absent, Illisible, Lu };
    Etat etat = Absent;
    QString erreur;    // for Illisible
    QJsonObject table; // for Lu
};
Lecture lire(const QByteArray& contenu);

// The warning printed for an unreadable file.
QString avertissement(const QString& code, const QString& erreur);

// The current language and its merged table.
class Catalogue {
public:
    const QString& code() const { return code_; }
    int taille() const { return table_.size(); }

    // Installs a language from its parsed files in chain order: later files
    // override earlier ones, metadata ("@...") is never loaded, and English
    // keeps an empty table.
    void installer(const QString& code, const QList<QJsonObject>& tables);

    QString t(const QString& cle) const;
    QString t(const QString& cle, const QVariantMap& valeurs) const;
    QString p(const QString& un, const QString& plusieurs, double n,
              const QVariantMap& valeurs = {}) const;

private:
    QString code_ = QStringLiteral("en");
    QHash<QString, QJsonValue> table_;
};

} // namespace langue
