// SPDX-License-Identifier: GPL-3.0-or-later
// The languages the game speaks: the shipped ones, the one the desktop asks for, and the
// translators that put the chosen one (and Qt's own button texts) in place.
#pragma once

#include <QString>
#include <QTranslator>
#include <array>
#include <functional>
#include <memory>

namespace zembrik {

// A shipped language: its code (the .qm file's suffix, Qt's locale name) and its name in its
// own words. The index is the value of option_more.000 line 10; 0 is "System" (the desktop's
// language), later languages append.
struct Language {
    const char* code;
    const char* ownName;
};
inline constexpr std::array<Language, 9> kLanguages{{
    {"", ""}, // System
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00E7ais"},
    {"es", "Espa\u00F1ol"},
    {"pt_BR", "Portugu\u00EAs (Brasil)"},
    {"ru", "\u0420\u0443\u0441\u0441\u043A\u0438\u0439"},
    {"zh_CN", "\u7B80\u4F53\u4E2D\u6587"},
    {"ja", "\u65E5\u672C\u8A9E"},
}};

// Reads an environment variable ("" when unset); tests pass their own.
using EnvReader = std::function<QString(const char* name)>;

// The shipped language the desktop asks for, as gettext looks: each entry of LANGUAGE (a
// colon-separated list) in turn, then the first of LC_ALL, LC_MESSAGES and LANG that is set.
// "de_AT.UTF-8" is German, "pt_PT" Brazilian Portuguese (the nearest shipped), "zh" and
// "zh_SG" Simplified Chinese; a language not shipped, "C" or nothing at all is English.
QString desktopLanguage(const EnvReader& env);

// The language of the settings' line 10: the shipped language it names, or for 0 (and for a
// number a later version wrote) the desktop's.
QString chosenLanguage(int setting, const EnvReader& env);

// The environment of this process.
QString processEnv(const char* name);

// The game's own texts and Qt's texts in one language, installed in the application while
// this lives. English installs only its plural forms (zembrik_en.qm): the program's texts
// are English.
class Translations {
  public:
    // Loads zembrik_<code>.qm from folder and Qt's qtbase_<code>.qm from Qt's translations;
    // false when the game's file is missing or unreadable (the game then speaks English).
    // English is never false: without its file only the plural forms are missing.
    bool install(const QString& code, const QString& folder);
    ~Translations();

  private:
    void remove();
    std::unique_ptr<QTranslator> game_, qt_;
};

} // namespace zembrik
