// SPDX-License-Identifier: GPL-3.0-or-later
// The language follows the settings or the desktop, and every shipped translation holds every
// text of the code, finished, with the same placeholders and line breaks as the English.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "app/language.h"

namespace zembrik::test {
namespace {

TEST(Language, FollowsTheSettingElseTheDesktopAsGettextDoes) {
    struct Case {
        std::map<std::string, QString> env;
        int setting;
        const char* expected;
    };
    const Case cases[] = {
        {{}, 0, "en"},
        {{{"LANG", "de_DE.UTF-8"}}, 0, "de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, 0, "fr"},
        {{{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}}, 0, "ru"},
        // LANGUAGE is a list: the first shipped entry wins, over the locale.
        {{{"LANGUAGE", "it:ja:de"}, {"LANG", "en_US.UTF-8"}}, 0, "ja"},
        {{{"LANGUAGE", "sv"}, {"LANG", "es_MX.UTF-8@euro"}}, 0, "es"},
        // Under the C locale LANGUAGE is not read.
        {{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, 0, "en"},
        {{{"LANG", "pt_PT.UTF-8"}}, 0, "pt_BR"},
        {{{"LANG", "zh_SG.UTF-8"}}, 0, "zh_CN"},
        {{{"LANG", "zh_TW.UTF-8"}}, 0, "en"},
        {{{"LANG", "sv_SE.UTF-8"}}, 0, "en"},
        // The setting wins; a number a later version wrote is the desktop's language.
        {{{"LANG", "de_DE.UTF-8"}}, 3, "fr"},
        {{{"LANG", "de_DE.UTF-8"}}, 1, "en"},
        {{{"LANG", "ja_JP.UTF-8"}}, 8, "ja"},
        {{{"LANG", "ja_JP.UTF-8"}}, 42, "ja"},
    };
    for (const Case& c : cases) {
        const EnvReader env = [&c](const char* name) {
            const auto it = c.env.find(name);
            return it == c.env.end() ? QString() : it->second;
        };
        EXPECT_EQ(chosenLanguage(c.setting, env).toStdString(), c.expected)
            << c.setting << " " << (c.env.empty() ? "" : c.env.begin()->second.toStdString());
    }
}

// The messages of a .ts file: context and English text -> the translation ("" when unfinished;
// a text with a count has its plural forms, each "" when empty, joined by '|').
using TsKey = std::pair<QString, QString>;
std::map<TsKey, QString> readTs(const QString& path, std::set<TsKey>* counted = nullptr) {
    std::map<TsKey, QString> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&f);
    QString context, source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            if (numerus && counted) counted->insert({context, source});
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().hasAttribute(QLatin1String("type"));
            QStringList forms;
            if (!numerus) forms << xml.readElementText();
            while (numerus && xml.readNextStartElement())
                forms << xml.readElementText().trimmed();
            const bool emptyForm = forms.size() > 1 && forms.contains(QString());
            out[{context, source}] =
                unfinished || emptyForm ? QString() : forms.join(QLatin1Char('|'));
        }
    }
    return out;
}

QStringList placeholders(const QString& text) {
    QStringList out;
    for (const auto& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        out << m.captured();
    out.sort();
    return out;
}

TEST(Translations, EveryLanguageTranslatesEveryTextOfTheCode) {
    // The texts the code has now, as lupdate finds them.
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("zembrik_xx.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(ZEMBRIK_SOURCE_DIR));
    lupdate.start(QStringLiteral(ZEMBRIK_LUPDATE),
                  {"-silent", "-I", ".", "-locations", "none", "app", "render", "-ts", fresh});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    std::set<TsKey> counted;
    const auto code = readTs(fresh, &counted);
    ASSERT_GT(code.size(), 150u);
    ASSERT_FALSE(counted.empty());

    // English takes only the plural forms of the texts with a count, both of them.
    const auto english = readTs(QStringLiteral(ZEMBRIK_SOURCE_DIR "/translations/zembrik_en.ts"));
    for (const TsKey& key : counted) {
        const auto it = english.find(key);
        ASSERT_TRUE(it != english.end()) << "en: \"" << key.second.toStdString() << "\" is missing";
        EXPECT_EQ(it->second.count(QLatin1Char('|')), 1) << key.second.toStdString();
        EXPECT_FALSE(it->second.contains(QLatin1Char('('))) << it->second.toStdString();
    }

    for (size_t i = 2; i < kLanguages.size(); ++i) {
        const QString lang = QLatin1String(kLanguages[i].code);
        const auto shipped =
            readTs(QStringLiteral(ZEMBRIK_SOURCE_DIR "/translations/zembrik_%1.ts").arg(lang));
        for (const auto& [key, unused] : code) {
            const auto it = shipped.find(key);
            const std::string where = lang.toStdString() + ": " + key.first.toStdString() + " \"" +
                                      key.second.toStdString() + "\"";
            ASSERT_TRUE(it != shipped.end()) << where << " is missing: update the .ts files";
            const QString& text = it->second;
            EXPECT_FALSE(text.trimmed().isEmpty()) << where << " is not translated";
            EXPECT_EQ(placeholders(text), placeholders(key.second)) << where;
            EXPECT_EQ(text.count(QLatin1Char('\n')), key.second.count(QLatin1Char('\n'))) << where;
        }
    }
}

} // namespace
} // namespace zembrik::test
