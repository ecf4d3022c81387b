// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/sitestore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <memory>

// Site files in a test's own folder, read and written byte for byte.
inline QByteArray readFile(const QDir& folder, const QString& name)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool writeFile(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline void removeSiteFiles(const QDir& folder)
{
    QFile::remove(folder.filePath(QStringLiteral("Lat")));
    QFile::remove(folder.filePath(QStringLiteral("Long")));
}

// Writes a site file straight over the old one, with no temporary file and no
// wait for the disk: for tests that save thousands of times.
class InPlaceStage final : public StagedFile {
public:
    explicit InPlaceStage(const QString& path)
        : m_file(path)
    {
    }
    bool open() override { return m_file.open(QIODevice::WriteOnly); }
    bool write(const QByteArray& bytes) override { return m_file.write(bytes) == bytes.size(); }
    bool commit() override
    {
        m_file.close();
        return m_file.error() == QFileDevice::NoError;
    }
    bool inPlace() const override { return true; }
    SaveProblem problem() const override { return SaveProblem::Other; }

private:
    QFile m_file;
};

inline std::unique_ptr<StagedFile> stageInPlace(const QString& path)
{
    return std::make_unique<InPlaceStage>(path);
}
