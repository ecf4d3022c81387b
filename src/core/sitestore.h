#pragma once

#include "core/sitefile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Why a site file could not be written, as the user is told.
enum class SaveProblem { AccessDenied, FolderInTheWay, DiskFull, ReadOnlyDisk, Other };

// A short French reason, for the message "Impossible d'enregistrer le fichier Lat : …".
QString saveProblemText(SaveProblem problem);

// What stands in the way of writing the file at path, from the system's error number
// (0 when unknown) and from what is found there.
SaveProblem diagnoseSaveProblem(const QString& path, int systemError);

// A file written beside the old one and put in its place as a whole; in a folder
// that forbids new files, the old file is rewritten where it stands.
class StagedFile {
public:
    virtual ~StagedFile() = default;
    virtual bool open() = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    virtual bool commit() = 0; // replaces the old file
    // The old file was opened for writing where it stands: from then on it changes.
    virtual bool inPlace() const = 0;
    virtual SaveProblem problem() const = 0; // after a step failed
};
using StagedFileFactory = std::function<std::unique_ptr<StagedFile>(const QString& path)>;

// QSaveFile: the new content goes to a temporary file that is renamed over the old
// one (its permissions kept), or straight into the old file when the folder
// forbids new files but the file may be written.
std::unique_ptr<StagedFile> stageWithSaveFile(const QString& path);

// What loading found: the complete records of Lat, then of Long. Loading ends at
// a missing or unreadable Lat, or at one whose content is not whole records.
struct LoadedSite {
    QList<SiteRecord> lat;
    QList<SiteRecord> lon;
};

// No site file the program writes comes near this size; a larger file is read no
// further, and counts as not whole records.
constexpr qint64 maxSiteFileBytes = 64 * 1024;

// The site files "Lat" (D, M, ns) and "Long" (D2, M2, eo) in one folder: the
// program's working directory, or a test's own folder.
class SiteStore {
public:
    explicit SiteStore(QString folder, StagedFileFactory stage = stageWithSaveFile);

    LoadedSite load() const;

    // Writes Lat, then Long. Where the folder allows new files, both new files are
    // written in full before either replaces its old one. Whenever a step fails,
    // each file already changed gets its old content back (or is removed if it did
    // not exist), as far as the old content could be read. Returns the message that
    // explains a failure.
    std::optional<QString> save(const SiteRecord& lat, const SiteRecord& lon) const;

private:
    QString path(const QString& name) const;

    QString m_folder;
    StagedFileFactory m_stage;
};
