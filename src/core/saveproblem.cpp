// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/saveproblem.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <optional>

#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The reason the system's error number gives, if it names one of ours.
std::optional<SaveProblem> problemOf(int systemError)
{
#ifdef Q_OS_WIN
    // Qt's Windows file engine leaves errno alone: the reason is the Win32 error.
    switch (static_cast<DWORD>(systemError)) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return SaveProblem::DiskFull;
    case ERROR_WRITE_PROTECT:
        return SaveProblem::ReadOnlyDisk;
    case ERROR_ACCESS_DENIED:
        return SaveProblem::AccessDenied;
    default:
        return std::nullopt;
    }
#else
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return SaveProblem::DiskFull;
    case EROFS:
        return SaveProblem::ReadOnlyDisk;
    case EACCES:
    case EPERM:
        return SaveProblem::AccessDenied;
    default:
        return std::nullopt;
    }
#endif
}

}

int lastSystemError()
{
#ifdef Q_OS_WIN
    return static_cast<int>(GetLastError());
#else
    return errno;
#endif
}

void clearSystemError()
{
#ifdef Q_OS_WIN
    SetLastError(ERROR_SUCCESS);
#else
    errno = 0;
#endif
}

QString saveProblemText(SaveProblem problem)
{
    switch (problem) {
    case SaveProblem::AccessDenied:
        return QStringLiteral("accès refusé.");
    case SaveProblem::FolderInTheWay:
        return QStringLiteral("un dossier porte déjà ce nom.");
    case SaveProblem::SpecialFileInTheWay:
        return QStringLiteral("un fichier spécial porte déjà ce nom.");
    case SaveProblem::DiskFull:
        return QStringLiteral("le disque est plein.");
    case SaveProblem::ReadOnlyDisk:
        return QStringLiteral("le disque est protégé en écriture.");
    case SaveProblem::Other:
        break;
    }
    return QStringLiteral("erreur d'écriture.");
}

SaveProblem diagnoseSaveProblem(const QString& path, int systemError)
{
    const QFileInfo file(path);
    if (file.isDir())
        return SaveProblem::FolderInTheWay;
    if (file.exists() && !file.isFile())
        return SaveProblem::SpecialFileInTheWay;
    if (const auto problem = problemOf(systemError))
        return *problem;
    // The system said nothing useful: look at the folder and the file.
    const QString folder = file.absolutePath();
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReadOnly())
        return SaveProblem::ReadOnlyDisk;
    if (disk.isValid() && disk.bytesAvailable() == 0)
        return SaveProblem::DiskFull;
    if (file.exists() ? !file.isWritable() : !QFileInfo(folder).isWritable())
        return SaveProblem::AccessDenied;
    return SaveProblem::Other;
}
