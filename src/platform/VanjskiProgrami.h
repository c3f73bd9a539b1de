#pragma once
// The outside programs the updater runs, as their files are named here.
#include <QString>

namespace velkor {

// The 7-Zip console program, kept in the program's own directory.
#ifdef Q_OS_WIN
inline const QString Program7Zip = QStringLiteral("7za.exe");
#else
inline const QString Program7Zip = QStringLiteral("7za");
#endif

} // namespace velkor
