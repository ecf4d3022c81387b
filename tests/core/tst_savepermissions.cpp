// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving the site where the folder or the files forbid something, with real
// permissions: run as an ordinary user (root is never refused anything).
#include "core/sitestore.h"
#include "support/sitefiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const SiteRecord paris { "48", "51", "N" };
const SiteRecord parisLong { "2", "21", "E" };
const QByteArray parisBytes("\"48\",\"51\",\"N\"\r\n");
const QByteArray parisLongBytes("\"2\",\"21\",\"E\"\r\n");
const QByteArray oldLat("\"10\",\"11\",\"S\"\r\n");
const QByteArray oldLong("\"12\",\"13\",\"O\"\r\n");

constexpr QFile::Permissions readOnlyFolder
    = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
constexpr QFile::Permissions writeOnly = QFile::WriteOwner | QFile::WriteUser;
constexpr QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadUser;
constexpr QFile::Permissions readWrite
    = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

// A folder whose permissions are set after its files are written, and given back
// before it is removed.
struct Folder {
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    QString file(const QString& name) const { return QDir(dir.path()).filePath(name); }
    ~Folder()
    {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Reads a file whatever its permissions (a write-only file is opened up first).
    QByteArray read(const QString& name) const
    {
        const auto permissions = QFile::permissions(file(name));
        QFile::setPermissions(file(name), permissions | QFile::ReadOwner);
        const QByteArray bytes = readFile(path(), name);
        QFile::setPermissions(file(name), permissions);
        return bytes;
    }
    QStringList entries() const { return QDir(path()).entryList(QDir::Files | QDir::Hidden); }
};

}

class SavePermissionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void saves_data();
    void saves();
};

void SavePermissionsTest::initTestCase()
{
    if (geteuid() == 0)
        QSKIP("Run by root, and no ordinary user to run as: permissions would not hold.");
}

void SavePermissionsTest::saves_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<int>("latMode"); // permissions of the old Lat; 0: no such file
    QTest::addColumn<int>("longMode");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QByteArray>("latAfter");
    QTest::addColumn<QByteArray>("longAfter");

    const int rw = int(readWrite);
    const int wo = int(writeOnly);
    const int ro = int(readOnly);
    const QByteArray missing("<missing>");
    const QString longRefused
        = QStringLiteral("Impossible d'enregistrer le fichier Long : accès refusé.");

    QTest::addRow("read-only folder, writable files: rewritten in place")
        << false << rw << rw << QString() << parisBytes << parisLongBytes;
    QTest::addRow("read-only folder, no files")
        << false << 0 << 0
        << QStringLiteral("Impossible d'enregistrer le fichier Lat : accès refusé.") << missing
        << missing;
    QTest::addRow("read-only folder, Long read-only: Lat put back")
        << false << rw << ro << longRefused << oldLat << oldLong;
    QTest::addRow("read-only folder, Long read-only, Lat write-only: Lat cannot be put back")
        << false << wo << ro
        << longRefused + QStringLiteral("\nLe fichier Lat n'a pas pu être rétabli.") << parisBytes
        << oldLong;
    QTest::addRow("write-only Lat")
        << true << wo << rw << QString() << parisBytes << parisLongBytes;
    QTest::addRow("read-only Lat in a writable folder")
        << true << ro << rw
        << QStringLiteral("Impossible d'enregistrer le fichier Lat : accès refusé.") << oldLat
        << oldLong;
}

void SavePermissionsTest::saves()
{
    QFETCH(bool, folderWritable);
    QFETCH(int, latMode);
    QFETCH(int, longMode);
    QFETCH(QString, message);
    QFETCH(QByteArray, latAfter);
    QFETCH(QByteArray, longAfter);

    Folder folder;
    const std::pair<QString, int> files[]
        = { { QStringLiteral("Lat"), latMode }, { QStringLiteral("Long"), longMode } };
    for (const auto& [name, mode] : files) {
        if (mode == 0)
            continue;
        QVERIFY(writeFile(folder.path(), name, name == u"Lat" ? oldLat : oldLong));
        QVERIFY(QFile::setPermissions(
            folder.file(name), QFile::Permissions::fromInt(static_cast<uint>(mode))));
    }
    if (!folderWritable)
        QVERIFY(QFile::setPermissions(folder.path(), readOnlyFolder));

    const auto error = SiteStore(folder.path()).save(paris, parisLong);
    QCOMPARE(error.value_or(QString()), message);
    QCOMPARE(folder.read(QStringLiteral("Lat")), latAfter);
    QCOMPARE(folder.read(QStringLiteral("Long")), longAfter);
    // Files keep their permissions, and no temporary file is left behind.
    for (const auto& [name, mode] : files) {
        if (mode != 0)
            QCOMPARE(int(QFile::permissions(folder.file(name))), mode);
    }
    QStringList expected;
    for (const auto& [name, mode] : files) {
        if (mode != 0 || error == std::nullopt)
            expected << name;
    }
    QCOMPARE(folder.entries(), expected);
}

QTEST_GUILESS_MAIN(SavePermissionsTest)
#include "tst_savepermissions.moc"
