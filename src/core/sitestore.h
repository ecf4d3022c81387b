#pragma once

#include "core/sitefile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// A file written beside the old one and put in its place as a whole.
class StagedFile {
public:
    virtual ~StagedFile() = default;
    virtual bool open() = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    virtual bool commit() = 0; // replaces the old file
    virtual QString errorString() const = 0;
};
using StagedFileFactory = std::function<std::unique_ptr<StagedFile>(const QString& path)>;

// QSaveFile: the new content goes to a temporary file that is renamed over the old.
std::unique_ptr<StagedFile> stageWithSaveFile(const QString& path);

// What loading found: the complete records of Lat, then of Long. Loading ends at
// a missing or unreadable Lat, or at one whose content is not whole records.
struct LoadedSite {
    QList<SiteRecord> lat;
    QList<SiteRecord> lon;
};

// The site files "Lat" (D, M, ns) and "Long" (D2, M2, eo) in one folder: the
// program's working directory, or a test's own folder.
class SiteStore {
public:
    explicit SiteStore(QString folder, StagedFileFactory stage = stageWithSaveFile);

    LoadedSite load() const;

    // Both new files are written in full before either replaces its old one, and a
    // failure leaves both old files as they were. Returns the message that explains
    // a failure.
    std::optional<QString> save(const SiteRecord& lat, const SiteRecord& lon) const;

private:
    QString path(const QString& name) const;

    QString m_folder;
    StagedFileFactory m_stage;
};
