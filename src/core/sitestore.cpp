// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sitestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <span>

namespace {

constexpr QLatin1String latName("Lat");
constexpr QLatin1String longName("Long");

// The first maxSiteFileBytes of a file, and whether that was the whole file;
// nothing when it cannot be opened or read, or is no regular file: a named pipe
// or a device could keep the program waiting, or never end.
struct FileStart {
    QByteArray bytes;
    bool whole = true;
};

std::optional<FileStart> readStart(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    FileStart start;
    start.bytes = in.read(maxSiteFileBytes);
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    start.whole = in.atEnd();
    return start;
}

// The records of a file, or nothing when it cannot be opened or read.
std::optional<SiteRecords> readRecords(const QString& path)
{
    const auto start = readStart(path);
    if (!start)
        return std::nullopt;
    SiteRecords records
        = readSiteRecords(start->bytes, start->whole ? FileEnd::Whole : FileEnd::Cut);
    records.complete = records.complete && start->whole;
    return records;
}

// A file's old content, to put back if the save fails: nothing when it cannot be
// read whole (unreadable, or too large to be a site file).
std::optional<QByteArray> readOld(const QString& path)
{
    const auto start = readStart(path);
    if (!start || !start->whole)
        return std::nullopt;
    return start->bytes;
}

QString failure(const QString& name, SaveProblem problem)
{
    return QStringLiteral("Impossible d'enregistrer le fichier %1 : %2")
        .arg(name, saveProblemText(problem));
}

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

// After a failed step: every file already changed gets its old content back, or is
// removed if it did not exist. The message says which could not be put back.
QString putBack(std::span<Target> targets, const QString& message, const StagedFileFactory& stage)
{
    QString text = message;
    for (Target& target : targets) {
        target.staged.reset(); // a file written in place is closed first
        if (!target.changed)
            continue;
        bool restored = false;
        if (!target.existed) {
            restored = QFile::remove(target.path);
        } else if (target.old) {
            const auto again = stage(target.path);
            restored = again->open() && again->write(*target.old) && again->commit();
        }
        if (!restored)
            text += QStringLiteral("\nLe fichier %1 n'a pas pu être rétabli.").arg(target.name);
    }
    return text;
}

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
    // Something other than a file in the way (a folder, a named pipe, a device) is
    // neither read nor replaced.
    for (const Target& target : targets) {
        const QFileInfo info(target.path);
        if (info.exists() && !info.isFile())
            return failure(target.name, diagnoseSaveProblem(target.path, 0));
    }
    for (Target& target : targets) {
        target.existed = QFileInfo::exists(target.path);
        // An old file that cannot be read (write-only) is still replaced; it just
        // cannot be put back if the other file then fails.
        if (target.existed)
            target.old = readOld(target.path);
    }

    for (Target& target : targets) {
        target.staged = m_stage(target.path);
        const bool opened = target.staged->open();
        target.changed = target.staged->inPlace();
        if (!opened || !target.staged->write(target.content))
            return putBack(targets, failure(target.name, target.staged->problem()), m_stage);
    }
    for (Target& target : targets) {
        if (!target.staged->commit())
            return putBack(targets, failure(target.name, target.staged->problem()), m_stage);
        target.changed = true;
    }
    return std::nullopt;
}
