// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away application folder with a data folder, for the settings and dialog tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/settings_file.h"

namespace zembrik::test {

class AppDirTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // Copies a file of the repository's data folder into the test's data folder.
    void copyShipped(const char* name) const;
    // Copies all four shipped settings files and the shipped shape set.
    void copyAllShipped() const;
    void writeData(const QString& name, const QByteArray& bytes) const;
    QByteArray readData(const QString& name) const;
    QString dataPath(const QString& name) const;

    // A style loader that records its calls and fails for names in `badStyles`.
    StyleLoader styleLoader();

    QTemporaryDir dir;
    QString appDir;
    std::vector<std::string> styleCalls;
    std::vector<std::string> badStyles;
};

// The bytes of a file of the repository's data folder.
QByteArray shippedFile(const char* name);

} // namespace zembrik::test
