// The one decision of where each kind of file lives.
#include "app/places.h"

#include <QDir>

namespace zembrik {

Places findPlaces(const QString& appDir) {
    Places p;
    p.shipped = appDir;
    p.settings = QDir(appDir).filePath(QStringLiteral("data"));
    p.playerData = p.settings;
    p.portable = true;
    return p;
}

} // namespace zembrik
