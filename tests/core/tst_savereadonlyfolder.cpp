// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving the site in folders that forbid new files, prepared by the script that
// runs this test (tests/support/wine-as-ordinary-user.sh) with real permissions,
// for an ordinary user: the Windows build meets them under Wine as a user would.
// ZELMO_FOLDERS names the folder that holds them.
#include "core/sitestore.h"
#include "support/sitefiles.h"

#include <QTest>

namespace {

const SiteRecord paris { "48", "51", "N" };
const SiteRecord parisLong { "2", "21", "E" };
const QByteArray parisBytes("\"48\",\"51\",\"N\"\r\n");
const QByteArray parisLongBytes("\"2\",\"21\",\"E\"\r\n");
const QByteArray oldLat("\"10\",\"11\",\"S\"\r\n"); // what the script wrote
const QByteArray oldLong("\"12\",\"13\",\"O\"\r\n");

}

class SaveReadOnlyFolderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void saves_data();
    void saves();

private:
    QDir m_folders;
};

void SaveReadOnlyFolderTest::initTestCase()
{
    const QString folders = qEnvironmentVariable("ZELMO_FOLDERS");
    if (folders.isEmpty())
        QSKIP("No prepared folders: run by tests/support/wine-as-ordinary-user.sh.");
    m_folders.setPath(folders);
    QVERIFY2(m_folders.exists(), qPrintable(folders));
}

void SaveReadOnlyFolderTest::saves_data()
{
    QTest::addColumn<QString>("folder"); // read-only, as the script made it
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QByteArray>("latAfter");
    QTest::addColumn<QByteArray>("longAfter");

    const QByteArray missing("<missing>");
    QTest::addRow("writable files: rewritten in place")
        << "writable-files" << QString() << parisBytes << parisLongBytes;
    QTest::addRow("no files: none can be created")
        << "no-files" << QStringLiteral("Impossible d'enregistrer le fichier Lat : accès refusé.")
        << missing << missing;
    QTest::addRow("read-only Long: Lat put back")
        << "read-only-long"
        << QStringLiteral("Impossible d'enregistrer le fichier Long : accès refusé.") << oldLat
        << oldLong;
}

void SaveReadOnlyFolderTest::saves()
{
    QFETCH(QString, folder);
    QFETCH(QString, message);
    QFETCH(QByteArray, latAfter);
    QFETCH(QByteArray, longAfter);

    const QDir place(m_folders.filePath(folder));
    const QStringList before = place.entryList(QDir::Files | QDir::Hidden);
    const auto error = SiteStore(place.path()).save(paris, parisLong);
    QCOMPARE(error.value_or(QString()), message);
    QCOMPARE(readFile(place, QStringLiteral("Lat")), latAfter);
    QCOMPARE(readFile(place, QStringLiteral("Long")), longAfter);
    QCOMPARE(place.entryList(QDir::Files | QDir::Hidden), before); // no stray temporary
}

QTEST_GUILESS_MAIN(SaveReadOnlyFolderTest)
#include "tst_savereadonlyfolder.moc"
