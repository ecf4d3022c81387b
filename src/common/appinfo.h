#pragma once

#include <QString>

namespace AppInfo {
inline QString title() { return QStringLiteral("Zelmo"); }
inline QString version() { return QStringLiteral(ZELMO_VERSION); }
}
