#include "core/sitestore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

const QString latName = QStringLiteral("Lat");
const QString longName = QStringLiteral("Long");

// The records of a file, or nothing when it cannot be opened or read.
std::optional<SiteRecords> readRecords(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    return readSiteRecords(bytes);
}

QString failure(const QString& name, const QString& reason)
{
    return QStringLiteral("Impossible d'enregistrer le fichier %1 : %2").arg(name, reason);
}

class SaveFileStage final : public StagedFile {
public:
    explicit SaveFileStage(const QString& path)
        : m_file(path)
    {
    }
    bool open() override { return m_file.open(QIODevice::WriteOnly); }
    bool write(const QByteArray& bytes) override { return m_file.write(bytes) == bytes.size(); }
    bool commit() override { return m_file.commit(); }
    QString errorString() const override { return m_file.errorString(); }

private:
    QSaveFile m_file;
};

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
    // Lat is put in place first; keep its old bytes to put back if Long then fails.
    std::optional<QByteArray> oldLat;
    QFile existingLat(path(latName));
    if (existingLat.exists()) {
        if (!existingLat.open(QIODevice::ReadOnly))
            return failure(latName, existingLat.errorString());
        oldLat = existingLat.readAll();
        existingLat.close();
    }

    const QString names[2] = { latName, longName };
    const QByteArray contents[2] = { writeSiteRecord(lat), writeSiteRecord(lon) };
    std::unique_ptr<StagedFile> staged[2];
    for (int i = 0; i < 2; ++i) {
        staged[i] = m_stage(path(names[i]));
        if (!staged[i]->open() || !staged[i]->write(contents[i]))
            return failure(names[i], staged[i]->errorString());
    }

    if (!staged[0]->commit())
        return failure(latName, staged[0]->errorString());
    if (!staged[1]->commit()) {
        const QString message = failure(longName, staged[1]->errorString());
        if (!oldLat) {
            QFile::remove(path(latName));
        } else {
            const auto restore = m_stage(path(latName));
            if (!restore->open() || !restore->write(*oldLat) || !restore->commit())
                return message + QStringLiteral("\nLe fichier Lat n'a pas pu être rétabli.");
        }
        return message;
    }
    return std::nullopt;
}
