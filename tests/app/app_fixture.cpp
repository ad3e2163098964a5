// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away application folder with a data folder, for the settings and dialog tests.
#include "app_fixture.h"

#include <QDir>
#include <QFile>

namespace zembrik::test {

QByteArray shippedFile(const char* name) {
    QFile f(QStringLiteral(ZEMBRIK_SOURCE_DIR "/data/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void AppDirTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
    appDir = dir.path();
    ASSERT_TRUE(QDir(appDir).mkdir(QStringLiteral("data")));
}

QString AppDirTest::dataPath(const QString& name) const {
    return appDir + QStringLiteral("/data/") + name;
}

void AppDirTest::copyShipped(const char* name) const {
    const QByteArray bytes = shippedFile(name);
    ASSERT_FALSE(bytes.isEmpty()) << name;
    writeData(QLatin1String(name), bytes);
}

void AppDirTest::copyAllShipped() const {
    for (const char* name :
         {"option_game.000", "option_style.000", "option_key.000", "keycode.000", "centre.kblox"})
        copyShipped(name);
}

void AppDirTest::writeData(const QString& name, const QByteArray& bytes) const {
    QFile f(dataPath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray AppDirTest::readData(const QString& name) const {
    QFile f(dataPath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

StyleLoader AppDirTest::styleLoader() {
    return [this](const std::string& name) -> std::string {
        styleCalls.push_back(name);
        for (const std::string& bad : badStyles)
            if (bad == name) return name + ": cannot be opened";
        return {};
    };
}

} // namespace zembrik::test
