#include "core/saveproblem.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>

QString saveProblemText(SaveProblem problem)
{
    switch (problem) {
    case SaveProblem::AccessDenied:
        return QStringLiteral("accès refusé.");
    case SaveProblem::FolderInTheWay:
        return QStringLiteral("un dossier porte déjà ce nom.");
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
        break;
    }
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
