#include "core/sitestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

namespace {

const QString latName = QStringLiteral("Lat");
const QString longName = QStringLiteral("Long");

// The first bytes of a file, up to limit (-1: all of it), and whether that was the
// whole file; nothing when it cannot be opened or read.
struct FileStart {
    QByteArray bytes;
    bool whole = true;
};

std::optional<FileStart> readStart(const QString& path, qint64 limit)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    FileStart start;
    start.bytes = limit < 0 ? in.readAll() : in.read(limit);
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    start.whole = in.atEnd();
    return start;
}

// The records of a file, or nothing when it cannot be opened or read.
std::optional<SiteRecords> readRecords(const QString& path)
{
    const auto start = readStart(path, maxSiteFileBytes);
    if (!start)
        return std::nullopt;
    SiteRecords records = readSiteRecords(start->bytes);
    records.complete = records.complete && start->whole;
    return records;
}

// A file's old content, when it can be read whole.
std::optional<QByteArray> readOld(const QString& path)
{
    const auto start = readStart(path, -1);
    return start ? std::optional(start->bytes) : std::nullopt;
}

QString failure(const QString& name, SaveProblem problem)
{
    return QStringLiteral("Impossible d'enregistrer le fichier %1 : %2")
        .arg(name, saveProblemText(problem));
}

class SaveFileStage final : public StagedFile {
public:
    explicit SaveFileStage(const QString& path)
        : m_file(path)
    {
    }

    bool open() override
    {
        if (attempt([this] { return m_file.open(QIODevice::WriteOnly); }))
            return true;
        if (QFileInfo(m_file.fileName()).isDir())
            return false;
        // The folder forbids new files: write over the old file where it stands.
        m_file.setDirectWriteFallback(true);
        m_inPlace = attempt([this] { return m_file.open(QIODevice::WriteOnly); });
        return m_inPlace;
    }
    bool write(const QByteArray& bytes) override
    {
        return attempt([&] { return m_file.write(bytes) == bytes.size(); });
    }
    bool commit() override
    {
        return attempt([this] { return m_file.commit(); });
    }
    bool inPlace() const override { return m_inPlace; }
    SaveProblem problem() const override
    {
        return diagnoseSaveProblem(m_file.fileName(), m_systemError);
    }

private:
    template <typename Step> bool attempt(Step step)
    {
        errno = 0;
        const bool done = step();
        if (!done)
            m_systemError = errno;
        return done;
    }

    QSaveFile m_file;
    bool m_inPlace = false;
    int m_systemError = 0;
};

// One of the two files being saved.
struct Target {
    QString name;
    QString path;
    QByteArray content;
    bool existed = false;
    std::optional<QByteArray> old = {};
    std::unique_ptr<StagedFile> staged = {};
    bool changed = false; // the file on disk no longer holds its old content
};

}

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

std::unique_ptr<StagedFile> stageWithSaveFile(const QString& path)
{
    return std::make_unique<SaveFileStage>(path);
}

SiteStore::SiteStore(QString folder, StagedFileFactory stage)
    : m_folder(std::move(folder))
    , m_stage(std::move(stage))
{
}

QString SiteStore::path(const QString& name) const { return QDir(m_folder).filePath(name); }

LoadedSite SiteStore::load() const
{
    LoadedSite site;
    const auto lat = readRecords(path(latName));
    if (!lat)
        return site;
    site.lat = lat->records;
    if (!lat->complete)
        return site;
    if (const auto lon = readRecords(path(longName)))
        site.lon = lon->records;
    return site;
}

std::optional<QString> SiteStore::save(const SiteRecord& lat, const SiteRecord& lon) const
{
    Target targets[2] = {
        { latName, path(latName), writeSiteRecord(lat) },
        { longName, path(longName), writeSiteRecord(lon) },
    };
    for (Target& target : targets) {
        target.existed = QFileInfo::exists(target.path);
        // An old file that cannot be read (write-only) is still replaced; it just
        // cannot be put back if the other file then fails.
        if (target.existed)
            target.old = readOld(target.path);
    }

    // Puts back every file already changed; says which could not be.
    const auto undo = [this, &targets](const QString& message) {
        QString text = message;
        for (Target& target : targets) {
            target.staged.reset(); // a file written in place is closed first
            if (!target.changed)
                continue;
            bool restored = false;
            if (!target.existed) {
                restored = QFile::remove(target.path);
            } else if (target.old) {
                const auto again = m_stage(target.path);
                restored = again->open() && again->write(*target.old) && again->commit();
            }
            if (!restored)
                text += QStringLiteral("\nLe fichier %1 n'a pas pu être rétabli.").arg(target.name);
        }
        return text;
    };

    for (Target& target : targets) {
        target.staged = m_stage(target.path);
        const bool opened = target.staged->open();
        target.changed = target.staged->inPlace();
        if (!opened || !target.staged->write(target.content))
            return undo(failure(target.name, target.staged->problem()));
    }
    for (Target& target : targets) {
        if (!target.staged->commit())
            return undo(failure(target.name, target.staged->problem()));
        target.changed = true;
    }
    return std::nullopt;
}
