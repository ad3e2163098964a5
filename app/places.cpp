// The one decision of where each kind of file lives.
#include "app/places.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
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
QString baseFolder(const char* variable, const char* underHome) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + QLatin1String(underHome));
}

} // namespace

std::string Places::settingsPath(const std::string& name) const {
    const std::string own = under(settings, name);
    if (pathKind(own) != PathKind::Missing) return own;
    return under(join(shipped, QStringLiteral("data")), name);
}

std::string Places::dataPath(const std::string& name) const {
    return under(join(dataRoot(name), QStringLiteral("data")), name);
}

QString Places::dataRoot(const std::string& name) const {
    if (pathKind(under(join(playerFiles, QStringLiteral("data")), name)) != PathKind::Missing)
        return playerFiles;
    return shipped;
}

std::vector<std::string> Places::dataFolders() const {
    std::vector<std::string> folders{under(playerFiles, "data")};
    if (playerFiles != shipped) folders.push_back(under(shipped, "data"));
    return folders;
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
    p.settings = join(user.configHome, kFolderName);
    p.playerData = join(user.dataHome, kFolderName);
    p.playerFiles = p.playerData;
    p.portable = false;
    return p;
}

Places findPlaces(const QString& appDir) {
    return findPlaces(appDir, userFolders());
}

QString writeProblem(const QString& folder, const QStringList& files) {
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
