// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sitefile.h"
#include "core/stagedfile.h"

#include <QString>

#include <optional>

// What loading found: the complete records of Lat, then of Long. Loading ends at
// a missing or unreadable Lat, or at one whose content is not whole records.
struct LoadedSite {
    QList<SiteRecord> lat;
    QList<SiteRecord> lon;
};

// No site file the program writes comes near this size; a larger file is read no
// further, and counts as not whole records.
constexpr qint64 maxSiteFileBytes = qint64(64) * 1024;

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
