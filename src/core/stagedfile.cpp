#include "core/stagedfile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

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

}

std::unique_ptr<StagedFile> stageWithSaveFile(const QString& path)
{
    return std::make_unique<SaveFileStage>(path);
}
