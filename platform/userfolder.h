#pragma once

#include <QString>

// A per-user folder named by an XDG variable such as XDG_CONFIG_HOME: its
// value when that is an absolute path, else homeFallback (".config", say)
// inside the home folder. An empty or relative value is ignored, as the XDG
// rules ask: a relative folder would depend on the current directory.
QString userFolder(const char* variable, const QString& homeFallback);
