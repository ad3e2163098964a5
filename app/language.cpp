// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the language and installing its translations.
#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>

namespace zembrik {

namespace {

// The shipped language a locale name ("pt_BR.UTF-8@euro") stands for, or "".
QString shippedFor(QString name) {
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) return {};
    const QString lang = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString region = name.section(QLatin1Char('_'), 1, 1).toUpper();
    if (lang == QLatin1String("zh"))
        // Traditional script regions are not served by the Simplified translation.
        return region == QLatin1String("TW") || region == QLatin1String("HK") ||
                       region == QLatin1String("MO")
                   ? QString()
                   : QStringLiteral("zh_CN");
    if (lang == QLatin1String("pt")) return QStringLiteral("pt_BR");
    for (size_t i = 1; i < kLanguages.size(); ++i)
        if (lang == QLatin1String(kLanguages[i].code)) return lang;
    return {};
}

} // namespace

QString processEnv(const char* name) {
    return qEnvironmentVariable(name);
}

QString desktopLanguage(const EnvReader& env) {
    // gettext reads LANGUAGE only when the locale is not "C": the same here.
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = env(name); !locale.isEmpty()) break;
    if (locale != QLatin1String("C") && locale != QLatin1String("POSIX"))
        for (const QString& entry : env("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (const QString code = shippedFor(entry); !code.isEmpty()) return code;
    const QString code = shippedFor(locale);
    return code.isEmpty() ? QStringLiteral("en") : code;
}

QString chosenLanguage(int setting, const EnvReader& env) {
    if (setting > 0 && static_cast<size_t>(setting) < kLanguages.size())
        return QLatin1String(kLanguages[static_cast<size_t>(setting)].code);
    return desktopLanguage(env);
}

bool Translations::install(const QString& code, const QString& folder) {
    remove();
    auto game = std::make_unique<QTranslator>();
    const bool loaded = game->load(QStringLiteral("zembrik_") + code, folder);
    if (loaded) {
        game_ = std::move(game);
        QCoreApplication::installTranslator(game_.get());
    }
    // English is the code's own, but for its plural forms ("1 step", "2 steps"): without
    // them the texts read "1 step(s)", and the game still runs.
    if (code == QLatin1String("en")) return true;
    if (!loaded) return false;
    // Qt's own texts (the OK of a message box, a line edit's menu); missing ones stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt_ = std::move(qt);
        QCoreApplication::installTranslator(qt_.get());
    }
    return true;
}

void Translations::remove() {
    for (auto* t : {&game_, &qt_})
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
}

Translations::~Translations() {
    remove();
}

} // namespace zembrik
