#include "site/sitestore.h"

#include "entry/entryrules.h"
#include "site/sitefile.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace {

struct SiteFile {
    QString name;
    std::array<Field, 3> fields;
};

const SiteFile latFile { QStringLiteral("Lat"), { Field::D, Field::M, Field::ns } };
const SiteFile longFile { QStringLiteral("Long"), { Field::D2, Field::M2, Field::eo } };

// Returns false when loading must end here.
bool loadFile(const SiteFile& file, Fields& fields, EntryRules& entry)
{
    QFile in(file.name);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    in.close();

    const SiteRecords read = readSiteRecords(bytes);
    for (const SiteRecord& record : read.records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            entry.armSkipChange();
            fields.setText(file.fields[i], record[i]);
        }
    }
    return read.complete;
}

QByteArray recordOf(const SiteFile& file, const Fields& fields)
{
    SiteRecord record;
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = fields.text(file.fields[i]);
    return writeSiteRecord(record);
}

QString failure(const QString& name, const QString& reason)
{
    return QStringLiteral("Impossible d'enregistrer le fichier %1 : %2").arg(name, reason);
}

class SaveFileStage final : public StagedFile {
public:
    explicit SaveFileStage(const QString& name)
        : m_file(name)
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

void LoadSite(Fields& fields, EntryRules& entry)
{
    if (loadFile(latFile, fields, entry))
        loadFile(longFile, fields, entry);
}

std::unique_ptr<StagedFile> stageWithSaveFile(const QString& name)
{
    return std::make_unique<SaveFileStage>(name);
}

std::optional<QString> SaveSite(const Fields& fields, const StagedFileFactory& stage)
{
    // Lat is put in place first; keep its old bytes to put back if Long then fails.
    std::optional<QByteArray> oldLat;
    QFile existingLat(latFile.name);
    if (existingLat.exists()) {
        if (!existingLat.open(QIODevice::ReadOnly))
            return failure(latFile.name, existingLat.errorString());
        oldLat = existingLat.readAll();
        existingLat.close();
    }

    std::unique_ptr<StagedFile> staged[2];
    const SiteFile* files[2] = { &latFile, &longFile };
    for (int i = 0; i < 2; ++i) {
        staged[i] = stage(files[i]->name);
        if (!staged[i]->open() || !staged[i]->write(recordOf(*files[i], fields)))
            return failure(files[i]->name, staged[i]->errorString());
    }

    if (!staged[0]->commit())
        return failure(latFile.name, staged[0]->errorString());
    if (!staged[1]->commit()) {
        const QString message = failure(longFile.name, staged[1]->errorString());
        if (!oldLat) {
            QFile::remove(latFile.name);
        } else {
            const auto restore = stage(latFile.name);
            if (!restore->open() || !restore->write(*oldLat) || !restore->commit())
                return message + QStringLiteral("\nLe fichier Lat n'a pas pu être rétabli.");
        }
        return message;
    }
    return std::nullopt;
}
