#include "platform/userfolder.h"

#include <QDir>

QString userFolder(const char* variable, const QString& homeFallback) {
    const QString folder = qEnvironmentVariable(variable);
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return QDir::home().filePath(homeFallback);
    return folder;
}
