// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stagedfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

class SaveFileStage final : public StagedFile {
public:
    SaveFileStage(const QString& path, Temporaries temporaries)
        : m_saveFile(path)
        , m_oldFile(path)
        , m_temporaries(temporaries)
    {
    }

    bool open() override
    {
        if (m_temporaries == Temporaries::Tried
            && attempt([this] { return m_saveFile.open(QIODevice::WriteOnly); }))
            return true;
        // No new file may be made here: write over the old file where it stands.
        // None to write over cannot be created either.
        if (!QFileInfo::exists(m_oldFile.fileName())) {
            m_problem = SaveProblem::AccessDenied;
            return false;
        }
        m_inPlace = attempt(
            [this] { return m_oldFile.open(QIODevice::WriteOnly | QIODevice::ExistingOnly); });
        return m_inPlace;
    }
    bool write(const QByteArray& bytes) override
    {
        QFileDevice& file = m_inPlace ? static_cast<QFileDevice&>(m_oldFile) : m_saveFile;
        return attempt([&] { return file.write(bytes) == bytes.size(); });
    }
    bool commit() override
    {
        if (!m_inPlace)
            return attempt([this] { return m_saveFile.commit(); });
        return attempt([this] {
            if (!m_oldFile.flush())
                return false;
            m_oldFile.close();
            return m_oldFile.error() == QFileDevice::NoError;
        });
    }
    bool inPlace() const override { return m_inPlace; }
    SaveProblem problem() const override
    {
        return m_problem.value_or(diagnoseSaveProblem(m_saveFile.fileName(), m_systemError));
    }

private:
    // Runs one step; when it fails, keeps the system's error from right then.
    template <typename Step> bool attempt(Step step)
    {
        clearSystemError();
        const bool done = step();
        if (!done)
            m_systemError = lastSystemError();
        return done;
    }

    QSaveFile m_saveFile;
    QFile m_oldFile;
    Temporaries m_temporaries;
    bool m_inPlace = false;
    int m_systemError = 0;
    std::optional<SaveProblem> m_problem;
};

}

std::unique_ptr<StagedFile> stageFile(const QString& path, Temporaries temporaries)
{
    return std::make_unique<SaveFileStage>(path, temporaries);
}

std::unique_ptr<StagedFile> stageWithSaveFile(const QString& path)
{
    return stageFile(path, Temporaries::Tried);
}
