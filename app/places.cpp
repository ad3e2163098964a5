// SPDX-License-Identifier: GPL-3.0-or-later
// The one decision of where each kind of file lives.
#include "app/places.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "store/safe_file.h"

namespace zembrik {

namespace {

const QString kFolderName = QStringLiteral("zembrik");

QString join(const QString& dir, const QString& name) {
    return QDir(dir).filePath(name);
}

// A file in a folder as the file system names it: the folder's bytes as the system encodes
// them, the file name's bytes as they are.
std::string under(const QString& dir, const std::string& name) {
    return QFile::encodeName(dir).toStdString() + "/" + name;
}

// Something is at the path as the file system says, even a link that leads nowhere. A path
// that cannot be looked at (a folder on the way that cannot be searched, a loop of links, a
// name too long) counts as nothing there, so the shipped file is read instead.
bool there(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Something is at the path, even a link that leads nowhere.
bool present(const QString& path) {
    const QFileInfo fi(path);
    return fi.exists() || fi.isSymLink();
}

bool writableFolder(const QString& path) {
    return QFileInfo(path).isDir() &&
           ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

QString reason(const QString& path, int err) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                        QString::fromLocal8Bit(std::strerror(err)));
}

// A base folder from the environment: only an absolute path counts, as the XDG rules say.
// Without one and without HOME there is none (empty): the root folder is nobody's.
QString baseFolder(const char* variable, const char* underHome) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home)) return {};
    return QDir::cleanPath(home + QLatin1Char('/') + QLatin1String(underHome));
}

// Why a path cannot name a file: longer than the system takes, or a part of it longer than a
// file name may be; "" when it can.
QString tooLong(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    bool partTooLong = false;
    for (const QByteArray& part : bytes.split('/'))
        partTooLong |= part.size() > NAME_MAX;
    if (bytes.size() >= PATH_MAX || partTooLong) return reason(path, ENAMETOOLONG);
    return {};
}

} // namespace

std::string Places::settingsPath(const std::string& name) const {
    if (!settings.isEmpty()) {
        const std::string own = under(settings, name);
        if (there(own)) return own;
    }
    return under(join(shipped, QStringLiteral("data")), name);
}

std::string Places::dataPath(const std::string& name) const {
    return under(join(dataRoot(name), QStringLiteral("data")), name);
}

QString Places::dataRoot(const std::string& name) const {
    if (!playerFiles.isEmpty() && there(under(join(playerFiles, QStringLiteral("data")), name)))
        return playerFiles;
    return shipped;
}

std::vector<std::string> Places::dataFolders() const {
    std::vector<std::string> folders;
    if (!playerFiles.isEmpty()) folders.push_back(under(playerFiles, "data"));
    if (playerFiles != shipped) folders.push_back(under(shipped, "data"));
    return folders;
}

std::string Places::recordsFile() const {
    return playerData.isEmpty() ? std::string() : under(playerData, "records.000");
}

std::string Places::replaysFolder() const {
    return playerData.isEmpty() ? std::string() : under(playerData, "replays");
}

UserFolders userFolders() {
    return {baseFolder("XDG_CONFIG_HOME", ".config"), baseFolder("XDG_DATA_HOME", ".local/share")};
}

Places portablePlaces(const QString& appDir) {
    Places p;
    p.shipped = appDir;
    p.modules = appDir;
    p.settings = join(appDir, QStringLiteral("data"));
    p.playerData = p.settings;
    p.playerFiles = appDir;
    p.portable = true;
    return p;
}

Places findPlaces(const QString& appDir, const UserFolders& user) {
    const QString ownData = join(appDir, QStringLiteral("data"));
    if (writableFolder(ownData)) return portablePlaces(appDir);
    Places p;
    if (QFileInfo(ownData).isDir()) {
        p.shipped = appDir;
        p.modules = appDir;
    } else {
        p.shipped = QDir::cleanPath(appDir + QStringLiteral("/../share/games/zembrik"));
        p.modules = QDir::cleanPath(appDir + QStringLiteral("/../lib/games/zembrik"));
    }
    // Without a home folder nothing of the player's is kept: no folder is named.
    if (!user.configHome.isEmpty()) p.settings = join(user.configHome, kFolderName);
    if (!user.dataHome.isEmpty()) p.playerData = join(user.dataHome, kFolderName);
    p.playerFiles = p.playerData;
    p.portable = false;
    return p;
}

Places findPlaces(const QString& appDir) {
    return findPlaces(appDir, userFolders());
}

QString writeProblem(const QString& folder, const QStringList& files) {
    if (folder.isEmpty()) return QStringLiteral("there is no home folder: HOME is not set");
    if (QString why = tooLong(folder); !why.isEmpty()) return why;
    for (const QString& name : files)
        if (QString why = tooLong(join(folder, name)); !why.isEmpty()) return why;
    // The nearest part of the path that exists decides whether the rest can be created.
    QString existing = QDir::cleanPath(folder);
    while (!present(existing)) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing) break;
        existing = parent;
    }
    if (!QFileInfo(existing).isDir()) return reason(existing, ENOTDIR);
    if (::access(QFile::encodeName(existing).constData(), W_OK | X_OK) != 0)
        return reason(existing, errno);
    if (existing != QDir::cleanPath(folder)) return {};
    for (const QString& name : files) {
        const QString path = join(folder, name);
        const QFileInfo fi(path);
        if (!present(path)) continue;
        if (!fi.isFile())
            return QStringLiteral("%1: not a plain file").arg(QDir::toNativeSeparators(path));
        if (::access(QFile::encodeName(path).constData(), W_OK) != 0) return reason(path, errno);
    }
    return {};
}

QString makePlayerFolder(const QString& folder) {
    return QFile::decodeName(
        makePlayerFolders(QFile::encodeName(QDir::cleanPath(folder)).toStdString()).c_str());
}

} // namespace zembrik
