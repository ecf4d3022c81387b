// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/saveproblem.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

// A file written beside the old one and put in its place as a whole; in a folder
// that forbids new files, the old file is rewritten where it stands.
class StagedFile {
public:
    StagedFile() = default;
    Q_DISABLE_COPY_MOVE(StagedFile)
    virtual ~StagedFile() = default;

    virtual bool open() = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    virtual bool commit() = 0; // replaces the old file
    // The old file was opened for writing where it stands: from then on it changes.
    virtual bool inPlace() const = 0;
    virtual SaveProblem problem() const = 0; // after a step failed
};
using StagedFileFactory = std::function<std::unique_ptr<StagedFile>(const QString& path)>;

// Whether a temporary file may be tried first. Refused is what a folder that
// forbids new files answers; tests ask for it to take the in-place path anywhere.
enum class Temporaries { Tried, Refused };

// The new content goes to a temporary file (QSaveFile) that is renamed over the
// old one, its permissions kept. When the temporary cannot be made and the old
// file may be written, the old file is emptied and rewritten where it stands: not
// atomic, but the only write such a folder allows. The same code on every
// platform.
std::unique_ptr<StagedFile> stageFile(const QString& path, Temporaries temporaries);
std::unique_ptr<StagedFile> stageWithSaveFile(const QString& path);
