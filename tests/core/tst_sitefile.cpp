// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sitefile.h"
#include "core/sitestore.h"
#include "support/formrecorder.h"
#include "support/sitefiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

QStringList flatten(const QList<SiteRecord>& records)
{
    QStringList texts;
    for (const SiteRecord& record : records)
        texts << record[0] << record[1] << record[2];
    return texts;
}

// English words a save message could carry if the system's own text got through.
bool containsEnglish(const QString& text)
{
    for (const char* word : { "denied", "directory", "space", "file", "read-only", "error",
             "permission", "Unknown", "device" }) {
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

const Field siteFields[] = { Field::D, Field::M, Field::ns, Field::D2, Field::M2, Field::eo };

// The main window's logic with its site files in a temporary folder.
struct Site {
    QTemporaryDir folder;
    RecordedForm logic { folder.path() };
    FormRecorder& recorder = logic.recorder;
    ZelmoForm& form = logic.form;

    QByteArray read(const QString& name) const { return readFile(folder.path(), name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QVERIFY(writeFile(folder.path(), name, bytes));
    }
    QStringList entries() const
    {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    }

    QStringList texts() const
    {
        QStringList out;
        for (Field field : siteFields)
            out << recorder.text(field);
        return out;
    }
    void presetSite(const QStringList& texts)
    {
        for (int i = 0; i < 6; ++i)
            recorder.preset(siteFields[i], texts[i]);
    }
};

// A staged file that fails at one chosen step; counts every step taken.
class FaultyStage : public StagedFile {
public:
    FaultyStage(std::unique_ptr<StagedFile> real, int& step, int failAt)
        : m_real(std::move(real))
        , m_step(step)
        , m_failAt(failAt)
    {
    }
    bool open() override { return !fails() && m_real->open(); }
    bool write(const QByteArray& bytes) override { return !fails() && m_real->write(bytes); }
    bool commit() override { return !fails() && m_real->commit(); }
    bool inPlace() const override { return m_real->inPlace(); }
    SaveProblem problem() const override { return SaveProblem::DiskFull; }

private:
    bool fails() { return m_step++ == m_failAt; }
    std::unique_ptr<StagedFile> m_real;
    int& m_step;
    int m_failAt;
};

}

class SiteFileTest : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void writes_data();
    void writes();

    void loads_data();
    void loads();
    void folderNamedLatLoadsNothing();
    void loadedHemisphereIsChecked();
    void loadedSmallSideLetterIsUpperCased();
    void skipChangeStaysPendingWhenLongIsMissing();
    void handMadeEstLoadsAndReadsAsWest();

    void savesAndLoadsBack_data();
    void savesAndLoadsBack();
    void savingTwiceKeepsTheLastSave();
    void saveFailureKeepsOldFiles_data();
    void saveFailureKeepsOldFiles();
    void saveInterruptedAtEveryStep_data();
    void saveInterruptedAtEveryStep();
    void problemsAreToldInFrench_data();
    void problemsAreToldInFrench();
    void problemsFromTheSystem_data();
    void problemsFromTheSystem();
    void hugeLatLoadsAsFastAsASmallOne();
    void cutRecordsAreNotWhole_data();
    void cutRecordsAreNotWhole();
    void recordReachedByTheCapIsNotLoaded();
    void hugeOldLatIsNotReadToBePutBack();
    void namedPipeNeitherBlocksNorIsReplaced();
    void savesInPlaceWhereTemporariesAreRefused_data();
    void savesInPlaceWhereTemporariesAreRefused();
};

void SiteFileTest::reads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields"); // every complete record, flattened
    QTest::addColumn<bool>("complete");

    QTest::addRow("as written") << QByteArray("\"43\",\"42\",\"N\"\r\n")
                                << QStringList { "43", "42", "N" } << true;
    QTest::addRow("empty file") << QByteArray() << QStringList() << true;
    QTest::addRow("two records") << QByteArray("\"1\",\"2\",\"N\"\r\n\"3\",\"4\",\"S\"\r\n")
                                 << QStringList { "1", "2", "N", "3", "4", "S" } << true;
    QTest::addRow("no final line end")
        << QByteArray("\"43\",\"42\",\"N\"") << QStringList { "43", "42", "N" } << true;
    QTest::addRow("cut short") << QByteArray("\"43\",\"42\"") << QStringList() << false;
    QTest::addRow("second record cut short") << QByteArray("\"1\",\"2\",\"N\"\r\n\"3\",\"4\"\r\n")
                                             << QStringList { "1", "2", "N" } << false;
    QTest::addRow("empty line after")
        << QByteArray("\"1\",\"2\",\"N\"\r\n\r\n") << QStringList { "1", "2", "N" } << false;
    QTest::addRow("stray fourth field")
        << QByteArray("\"1\",\"2\",\"N\",\"x\"\r\n") << QStringList { "1", "2", "N" } << false;
    QTest::addRow("unterminated quote") << QByteArray("\"1\",\"2\",\"N") << QStringList() << false;
    QTest::addRow("commas and blanks in quotes")
        << QByteArray("\"4,3\",\" 42 \",\"N\"\r\n") << QStringList { "4,3", " 42 ", "N" } << true;
    QTest::addRow("unquoted, blanks dropped")
        << QByteArray("43 , 42,N\r\n") << QStringList { "43", "42", "N" } << true;
    QTest::addRow("blanks before a quote")
        << QByteArray("  \"43\", \"42\",\"N\"\r\n") << QStringList { "43", "42", "N" } << true;
    QTest::addRow("record across lines")
        << QByteArray("\"43\"\r\n\"42\"\r\n\"N\"\r\n") << QStringList { "43", "42", "N" } << true;
    QTest::addRow("lone LF line ends") << QByteArray("\"1\",\"2\",\"N\"\n\"3\",\"4\",\"S\"\n")
                                       << QStringList { "1", "2", "N", "3", "4", "S" } << true;
    QTest::addRow("three empty fields")
        << QByteArray("\"\",\"\",\"\"\r\n") << QStringList { "", "", "" } << true;
    QTest::addRow("bytes beyond ASCII")
        << QByteArray("\"4\xe9\",\"\xff\",\"N\"\r\n")
        << QStringList { QString::fromUtf8("4\u00e9"), QString::fromUtf8("\u00ff"), "N" } << true;
}

void SiteFileTest::reads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QFETCH(bool, complete);
    const SiteRecords read = readSiteRecords(bytes);
    QCOMPARE(flatten(read.records), fields);
    QCOMPARE(read.complete, complete);
}

void SiteFileTest::writes_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("Lat of 43 42 N") << QStringList { "43", "42",
        "N" } << QByteArray::fromHex("22 34 33 22 2C 22 34 32 22 2C 22 4E 22 0D 0A");
    QTest::addRow("three empty fields")
        << QStringList { "", "", "" } << QByteArray("\"\",\"\",\"\"\r\n");
    QTest::addRow("comma kept inside quotes")
        << QStringList { "4,3", " 4", "" } << QByteArray("\"4,3\",\" 4\",\"\"\r\n");
    QTest::addRow("one byte a character") << QStringList { QString::fromUtf8("\u00e9"), "", "" }
                                          << QByteArray("\"\xe9\",\"\",\"\"\r\n");
}

void SiteFileTest::writes()
{
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, bytes);
    const SiteRecord record { fields[0], fields[1], fields[2] };
    QCOMPARE(writeSiteRecord(record), bytes);
    QCOMPARE(flatten(readSiteRecords(bytes).records), fields);
}

void SiteFileTest::loads_data()
{
    QTest::addColumn<QByteArray>("lat"); // "<none>": no such file
    QTest::addColumn<QByteArray>("lon");
    QTest::addColumn<QStringList>("site"); // D M ns D2 M2 eo afterwards

    const QByteArray none("<none>");
    const QByteArray paris("\"48\",\"51\",\"N\"\r\n");
    const QByteArray parisLong("\"2\",\"21\",\"E\"\r\n");
    QTest::addRow("no files") << none << none << QStringList { "", "", "", "", "", "" };
    QTest::addRow("both files") << paris << parisLong
                                << QStringList { "48", "51", "N", "2", "21", "E" };
    QTest::addRow("only Long") << none << parisLong << QStringList { "", "", "", "", "", "" };
    QTest::addRow("only Lat") << paris << none << QStringList { "48", "51", "N", "", "", "" };
    QTest::addRow("zero-byte Lat")
        << QByteArray() << parisLong << QStringList { "", "", "", "2", "21", "E" };
    QTest::addRow("last record wins") << QByteArray("\"10\",\"11\",\"S\"\r\n") + paris << parisLong
                                      << QStringList { "48", "51", "N", "2", "21", "E" };
    QTest::addRow("Lat cut short stops the loading")
        << paris + "\"1\",\"2\"" << parisLong << QStringList { "48", "51", "N", "", "", "" };
    QTest::addRow("empty line after Lat") << paris
            + "\r\n" << parisLong << QStringList { "48", "51", "N", "", "", "" };
    QTest::addRow("Long cut short keeps Lat")
        << paris << QByteArray("\"2\"") << QStringList { "48", "51", "N", "", "", "" };
    QTest::addRow("unquoted hand-made files") << QByteArray("48,51,N\n") << QByteArray("2, 21 ,E")
                                              << QStringList { "48", "51", "N", "2", "21", "E" };
    QTest::addRow("values the checks would refuse")
        << QByteArray("\"4 8\",\"x,y\",\"N\"\r\n") << QByteArray("\"999\",\"\",\"O\"\r\n")
        << QStringList { "4 8", "x,y", "N", "999", "", "O" };
}

void SiteFileTest::loads()
{
    QFETCH(QByteArray, lat);
    QFETCH(QByteArray, lon);
    QFETCH(QStringList, site);

    Site s;
    if (lat != "<none>")
        s.write(QStringLiteral("Lat"), lat);
    if (lon != "<none>")
        s.write(QStringLiteral("Long"), lon);
    s.form.load();
    QCOMPARE(s.texts(), site);
    QCOMPARE(s.recorder.messages, QStringList());
    QCOMPARE(s.recorder.beeps, 0);
}

void SiteFileTest::folderNamedLatLoadsNothing()
{
    Site s;
    QVERIFY(QDir(s.folder.path()).mkdir(QStringLiteral("Lat")));
    s.write(QStringLiteral("Long"), "\"2\",\"21\",\"E\"\r\n");
    s.form.load();
    QCOMPARE(s.texts(), (QStringList { "", "", "", "", "", "" }));
    QCOMPARE(s.recorder.messages, QStringList());
}

void SiteFileTest::loadedHemisphereIsChecked()
{
    Site s;
    s.write(QStringLiteral("Lat"), "\"\",\"51\",\"N\"\r\n");
    s.write(QStringLiteral("Long"), "\"2\",\"21\",\"E\"\r\n");
    s.form.load();
    QCOMPARE(s.recorder.messages, QStringList { QStringLiteral("Remplir la case degrés.") });
    QCOMPARE(s.texts(), (QStringList { "", "51", "", "2", "21", "E" }));
}

void SiteFileTest::loadedSmallSideLetterIsUpperCased()
{
    Site s;
    s.write(QStringLiteral("Lat"), "\"48\",\"51\",\"n\"\r\n");
    s.write(QStringLiteral("Long"), "\"2\",\"21\",\"e\"\r\n");
    s.form.load();
    QCOMPARE(s.texts(), (QStringList { "48", "51", "N", "2", "21", "E" }));
    QCOMPARE(s.recorder.messages, QStringList());
    QCOMPARE(s.form.SkipChange(), 0);
}

void SiteFileTest::skipChangeStaysPendingWhenLongIsMissing()
{
    Site s;
    s.write(QStringLiteral("Lat"), "\"48\",\"51\",\"N\"\r\n");
    s.form.load();
    QCOMPARE(s.form.SkipChange(), 1); // the last write was ns, which never consumes it
    s.recorder.change(Field::D3, { QStringLiteral("a") });
    QCOMPARE(s.recorder.text(Field::D3), QStringLiteral("a"));
    QCOMPARE(s.recorder.beeps, 0);
}

// "EST", upper case already, passes eo unchecked at loading; the computation
// takes only "E" for east, so the site is read as west of Greenwich.
void SiteFileTest::handMadeEstLoadsAndReadsAsWest()
{
    Site s;
    s.write(QStringLiteral("Lat"), "\"48\",\"51\",\"N\"\r\n");
    s.write(QStringLiteral("Long"), "\"2\",\"21\",\"EST\"\r\n");
    s.form.load();
    QCOMPARE(s.texts(), (QStringList { "48", "51", "N", "2", "21", "EST" }));
    s.recorder.preset(Field::D3, QStringLiteral("13"));
    s.recorder.preset(Field::eo2, QStringLiteral("E"));
    s.form.calcul();
    QCOMPARE(s.recorder.messages, QStringList());
    QCOMPARE(s.recorder.text(Field::Azdg), QLocale().toString(159.98));
    QCOMPARE(s.recorder.text(Field::Eldg), QLocale().toString(32.01));
}

void SiteFileTest::savesAndLoadsBack_data()
{
    QTest::addColumn<QStringList>("site");
    QTest::addColumn<QByteArray>("lat");
    QTest::addColumn<QByteArray>("lon");

    QTest::addRow("a full site") << QStringList { "43", "42", "N", "2", "21", "E" }
                                 << QByteArray("\"43\",\"42\",\"N\"\r\n")
                                 << QByteArray("\"2\",\"21\",\"E\"\r\n");
    QTest::addRow("all empty") << QStringList { "", "", "", "", "", "" }
                               << QByteArray("\"\",\"\",\"\"\r\n")
                               << QByteArray("\"\",\"\",\"\"\r\n");
    QTest::addRow("letter missing")
        << QStringList { "43", "42", "", "2", "21", "O" } << QByteArray("\"43\",\"42\",\"\"\r\n")
        << QByteArray("\"2\",\"21\",\"O\"\r\n");
    QTest::addRow("commas and blanks")
        << QStringList { "4,3", " 42 ", "N", "x y", "2,1", "E" }
        << QByteArray("\"4,3\",\" 42 \",\"N\"\r\n") << QByteArray("\"x y\",\"2,1\",\"E\"\r\n");
}

void SiteFileTest::savesAndLoadsBack()
{
    QFETCH(QStringList, site);
    QFETCH(QByteArray, lat);
    QFETCH(QByteArray, lon);

    Site s;
    s.presetSite(site);
    s.form.enregistrer();
    QCOMPARE(s.recorder.messages, QStringList());
    QCOMPARE(s.read(QStringLiteral("Lat")), lat);
    QCOMPARE(s.read(QStringLiteral("Long")), lon);
    QCOMPARE(s.texts(), site); // saving changes no field

    RecordedForm next(s.folder.path());
    next.form.load();
    for (int i = 0; i < 6; ++i)
        QCOMPARE(next.recorder.text(siteFields[i]), site[i]);
}

void SiteFileTest::savingTwiceKeepsTheLastSave()
{
    Site s;
    s.presetSite({ "43", "42", "N", "2", "21", "E" });
    s.form.enregistrer();
    s.presetSite({ "1", "2", "S", "3", "4", "O" });
    s.form.enregistrer();
    QCOMPARE(s.read(QStringLiteral("Lat")), QByteArray("\"1\",\"2\",\"S\"\r\n"));
    QCOMPARE(s.read(QStringLiteral("Long")), QByteArray("\"3\",\"4\",\"O\"\r\n"));
    QCOMPARE(s.entries(), (QStringList { "Lat", "Long" }));
}

void SiteFileTest::saveFailureKeepsOldFiles_data()
{
    QTest::addColumn<QString>("directory"); // a folder stands where this file should be
    QTest::addRow("Lat is a folder") << "Lat";
    QTest::addRow("Long is a folder") << "Long";
}

void SiteFileTest::saveFailureKeepsOldFiles()
{
    QFETCH(QString, directory);
    Site s;
    const QByteArray oldLat("\"10\",\"11\",\"S\"\r\n");
    const QByteArray oldLong("\"12\",\"13\",\"O\"\r\n");
    for (const QString& name : { QStringLiteral("Lat"), QStringLiteral("Long") }) {
        if (name == directory)
            QVERIFY(QDir(s.folder.path()).mkdir(name));
        else
            s.write(name, name == u"Lat" ? oldLat : oldLong);
    }

    s.presetSite({ "43", "42", "N", "2", "21", "E" });
    s.form.enregistrer();
    QCOMPARE(s.recorder.messages.size(), 1);
    QCOMPARE(s.recorder.messages[0],
        QStringLiteral("Impossible d'enregistrer le fichier %1 : un dossier porte déjà ce nom.")
            .arg(directory));
    QCOMPARE(s.texts(), (QStringList { "43", "42", "N", "2", "21", "E" }));
    if (directory != u"Lat")
        QCOMPARE(s.read(QStringLiteral("Lat")), oldLat);
    if (directory != u"Long")
        QCOMPARE(s.read(QStringLiteral("Long")), oldLong);
}

void SiteFileTest::saveInterruptedAtEveryStep_data()
{
    QTest::addColumn<int>("failAt"); // the step that fails, counted from 0
    QTest::addColumn<bool>("oldFiles");

    // Both files are opened and written, then Lat and Long are committed in turn.
    const char* steps[]
        = { "Lat open", "Lat write", "Long open", "Long write", "Lat commit", "Long commit" };
    for (int failAt = 0; failAt < 6; ++failAt) {
        QTest::addRow("%s fails, over a saved site", steps[failAt]) << failAt << true;
        QTest::addRow("%s fails, first save", steps[failAt]) << failAt << false;
    }
}

void SiteFileTest::saveInterruptedAtEveryStep()
{
    QFETCH(int, failAt);
    QFETCH(bool, oldFiles);
    const QByteArray oldLat("\"10\",\"11\",\"S\"\r\n");
    const QByteArray oldLong("\"12\",\"13\",\"O\"\r\n");
    const SiteRecord lat { "43", "42", "N" };
    const SiteRecord lon { "2", "21", "E" };
    Site s;
    if (oldFiles) {
        s.write(QStringLiteral("Lat"), oldLat);
        s.write(QStringLiteral("Long"), oldLong);
    }

    int step = 0;
    const auto faulty = [&](const QString& path) -> std::unique_ptr<StagedFile> {
        if (step >= 6) // putting the old Lat back
            return stageWithSaveFile(path);
        return std::make_unique<FaultyStage>(stageWithSaveFile(path), step, failAt);
    };
    const auto error = SiteStore(s.folder.path(), faulty).save(lat, lon);
    QVERIFY(error.has_value());
    const QString failing = failAt == 0 || failAt == 1 || failAt == 4 ? "Lat" : "Long";
    QCOMPARE(*error,
        QStringLiteral("Impossible d'enregistrer le fichier %1 : le disque est plein.")
            .arg(failing));
    if (oldFiles) {
        QCOMPARE(s.read(QStringLiteral("Lat")), oldLat);
        QCOMPARE(s.read(QStringLiteral("Long")), oldLong);
    }
    QCOMPARE(s.entries(), (oldFiles ? QStringList { "Lat", "Long" } : QStringList()));

    // Nothing is left in the way of the next save.
    QCOMPARE(SiteStore(s.folder.path()).save(lat, lon), std::nullopt);
    QCOMPARE(s.read(QStringLiteral("Lat")), QByteArray("\"43\",\"42\",\"N\"\r\n"));
    QCOMPARE(s.read(QStringLiteral("Long")), QByteArray("\"2\",\"21\",\"E\"\r\n"));
}

void SiteFileTest::problemsAreToldInFrench_data()
{
    QTest::addColumn<SaveProblem>("problem");
    QTest::addColumn<QString>("reason");
    QTest::addRow("access refused") << SaveProblem::AccessDenied << "accès refusé.";
    QTest::addRow("folder of that name")
        << SaveProblem::FolderInTheWay << "un dossier porte déjà ce nom.";
    QTest::addRow("disk full") << SaveProblem::DiskFull << "le disque est plein.";
    QTest::addRow("read-only disk")
        << SaveProblem::ReadOnlyDisk << "le disque est protégé en écriture.";
    QTest::addRow("anything else") << SaveProblem::Other << "erreur d'écriture.";
}

void SiteFileTest::problemsAreToldInFrench()
{
    QFETCH(SaveProblem, problem);
    QFETCH(QString, reason);
    QCOMPARE(saveProblemText(problem), reason);
    QVERIFY2(!containsEnglish(saveProblemText(problem)), qPrintable(saveProblemText(problem)));
}

void SiteFileTest::problemsFromTheSystem_data()
{
    QTest::addColumn<int>("systemError");
    QTest::addColumn<SaveProblem>("problem");
#ifdef Q_OS_WIN
    // Windows' own error codes (GetLastError), not errno.
    QTest::addRow("access denied") << int(ERROR_ACCESS_DENIED) << SaveProblem::AccessDenied;
    QTest::addRow("disk full") << int(ERROR_DISK_FULL) << SaveProblem::DiskFull;
    QTest::addRow("handle disk full") << int(ERROR_HANDLE_DISK_FULL) << SaveProblem::DiskFull;
    QTest::addRow("write-protected") << int(ERROR_WRITE_PROTECT) << SaveProblem::ReadOnlyDisk;
    QTest::addRow("sharing violation") << int(ERROR_SHARING_VIOLATION) << SaveProblem::Other;
#else
    QTest::addRow("no space") << ENOSPC << SaveProblem::DiskFull;
#ifdef EDQUOT
    QTest::addRow("quota") << EDQUOT << SaveProblem::DiskFull;
#endif
    QTest::addRow("read-only file system") << EROFS << SaveProblem::ReadOnlyDisk;
    QTest::addRow("permission") << EACCES << SaveProblem::AccessDenied;
    QTest::addRow("operation not permitted") << EPERM << SaveProblem::AccessDenied;
    QTest::addRow("input/output error") << EIO << SaveProblem::Other;
#endif
}

void SiteFileTest::problemsFromTheSystem()
{
    QFETCH(int, systemError);
    QFETCH(SaveProblem, problem);
    QTemporaryDir folder; // writable, with no file of that name: only the error speaks
    QCOMPARE(diagnoseSaveProblem(QDir(folder.path()).filePath(QStringLiteral("Lat")), systemError),
        problem);
    // A folder in the way is named as such, whatever the system said.
    QCOMPARE(diagnoseSaveProblem(folder.path(), systemError), SaveProblem::FolderInTheWay);
}

void SiteFileTest::hugeLatLoadsAsFastAsASmallOne()
{
    Site s;
    QByteArray noise(20 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char& c : noise)
        c = char(random.bounded(256));
    s.write(QStringLiteral("Lat"), noise);
    s.write(QStringLiteral("Long"), "\"2\",\"21\",\"E\"\r\n");

    QElapsedTimer timer;
    timer.start();
    s.form.load();
    const qint64 huge = timer.restart();
    RecordedForm small(s.folder.path());
    s.write(QStringLiteral("Lat"), "\"48\",\"51\",\"N\"\r\n");
    small.form.load();
    const qint64 normal = timer.elapsed();
    QVERIFY2(huge < normal + 200,
        qPrintable(QStringLiteral("%1 ms, against %2 ms").arg(huge).arg(normal)));
    // A file that big is no site file: the loading stops after it.
    QCOMPARE(s.recorder.text(Field::D2), QString());
}

void SiteFileTest::cutRecordsAreNotWhole_data()
{
    QTest::addColumn<QByteArray>("bytes"); // the start of a longer file
    QTest::addColumn<QStringList>("fields");

    const QByteArray first("\"1\",\"2\",\"S\"\r\n");
    QTest::addRow("cut inside an unquoted letter")
        << first + "48,51,N" << QStringList { "1", "2", "S" };
    QTest::addRow("cut right after a quoted letter")
        << first + "\"48\",\"51\",\"N\"" << QStringList { "1", "2", "S" };
    QTest::addRow("cut between CR and LF")
        << first + "\"48\",\"51\",\"N\"\r" << QStringList { "1", "2", "S", "48", "51", "N" };
    QTest::addRow("cut after a comma that follows the letter")
        << first + "48,51,N," << QStringList { "1", "2", "S", "48", "51", "N" };
}

void SiteFileTest::cutRecordsAreNotWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    const SiteRecords cut = readSiteRecords(bytes, FileEnd::Cut);
    QCOMPARE(flatten(cut.records), fields);
    QVERIFY(!cut.complete || fields.size() == 6);
    // The same bytes as a whole file hold both records.
    QCOMPARE(readSiteRecords(bytes).records.size(), 2);
}

// A Lat past the size cap, cut inside "NN": the record the cut reaches is not
// loaded, the one before it stays, and Long is not read.
void SiteFileTest::recordReachedByTheCapIsNotLoaded()
{
    const QByteArray record("\"1\",\"2\",\"S\"\r\n");
    QByteArray lat = record.repeated(int(maxSiteFileBytes / record.size()) - 1);
    const QByteArray last("48,51,");
    lat += QByteArray(int(maxSiteFileBytes - 1 - lat.size() - last.size()), ' ') + last;
    QCOMPARE(lat.size(), maxSiteFileBytes - 1);
    lat += "NN\r\n"; // the cap falls between the two N

    Site s;
    s.write(QStringLiteral("Lat"), lat);
    s.write(QStringLiteral("Long"), "\"2\",\"21\",\"E\"\r\n");
    s.form.load();
    QCOMPARE(s.texts(), (QStringList { "1", "2", "S", "", "", "" }));
}

// The old files are read, to be put back, no further than the cap: a huge old Lat
// cannot be put back, as if it were unreadable.
void SiteFileTest::hugeOldLatIsNotReadToBePutBack()
{
    Site s;
    s.write(QStringLiteral("Lat"), QByteArray(int(maxSiteFileBytes) + 1, 'x'));
    s.write(QStringLiteral("Long"), "\"12\",\"13\",\"O\"\r\n");
    int step = 0;
    const auto longCommitFails = [&](const QString& path) -> std::unique_ptr<StagedFile> {
        return std::make_unique<FaultyStage>(stageWithSaveFile(path), step, 5);
    };
    const auto error
        = SiteStore(s.folder.path(), longCommitFails).save({ "43", "42", "N" }, { "2", "21", "E" });
    QCOMPARE(error.value_or(QString()),
        QStringLiteral("Impossible d'enregistrer le fichier Long : le disque est plein.\n"
                       "Le fichier Lat n'a pas pu être rétabli."));
    QCOMPARE(s.read(QStringLiteral("Long")), QByteArray("\"12\",\"13\",\"O\"\r\n"));
}

void SiteFileTest::namedPipeNeitherBlocksNorIsReplaced()
{
#ifdef Q_OS_WIN
    QSKIP("No named pipe can stand in a folder on Windows.");
#else
    for (const QString& pipe : { QStringLiteral("Lat"), QStringLiteral("Long") }) {
        Site s;
        const QString other = pipe == u"Lat" ? QStringLiteral("Long") : QStringLiteral("Lat");
        QCOMPARE(mkfifo(qPrintable(QDir(s.folder.path()).filePath(pipe)), 0644), 0);
        s.write(other, other == u"Lat" ? "\"48\",\"51\",\"N\"\r\n" : "\"2\",\"21\",\"E\"\r\n");

        // Opening a pipe for reading would wait for a writer that never comes.
        s.form.load();
        if (pipe == u"Lat")
            QCOMPARE(s.texts(), (QStringList { "", "", "", "", "", "" }));
        else
            QCOMPARE(s.texts(), (QStringList { "48", "51", "N", "", "", "" }));
        QCOMPARE(s.recorder.messages, QStringList());

        const QByteArray before = s.read(other);
        s.presetSite({ "43", "42", "N", "2", "21", "E" });
        s.form.enregistrer();
        QCOMPARE(s.recorder.messages,
            QStringList { QStringLiteral(
                "Impossible d'enregistrer le fichier %1 : un fichier spécial porte déjà ce nom.")
                              .arg(pipe) });
        QVERIFY(!QFileInfo(QDir(s.folder.path()).filePath(pipe)).isFile()); // still the pipe
        QCOMPARE(s.read(other), before);
    }
#endif
}

// Where the folder refuses new files, the old files are written where they stand:
// the same code on every platform, asked here to take that path in any folder.
void SiteFileTest::savesInPlaceWhereTemporariesAreRefused_data()
{
    QTest::addColumn<bool>("oldLat");
    QTest::addColumn<bool>("oldLong");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QByteArray>("latAfter");
    QTest::addColumn<QByteArray>("longAfter");

    const QByteArray newLat("\"43\",\"42\",\"N\"\r\n");
    const QByteArray newLong("\"2\",\"21\",\"E\"\r\n");
    const QByteArray oldLat("\"10\",\"11\",\"S\"\r\n");
    const QByteArray oldLong("\"12\",\"13\",\"O\"\r\n");
    const QByteArray missing("<missing>");
    QTest::addRow("both files there: rewritten") << true << true << QString() << newLat << newLong;
    QTest::addRow("no files: none can be created")
        << false << false
        << QStringLiteral("Impossible d'enregistrer le fichier Lat : accès refusé.") << missing
        << missing;
    QTest::addRow("no Long: Lat is put back")
        << true << false
        << QStringLiteral("Impossible d'enregistrer le fichier Long : accès refusé.") << oldLat
        << missing;
}

void SiteFileTest::savesInPlaceWhereTemporariesAreRefused()
{
    QFETCH(bool, oldLat);
    QFETCH(bool, oldLong);
    QFETCH(QString, message);
    QFETCH(QByteArray, latAfter);
    QFETCH(QByteArray, longAfter);

    Site s;
    if (oldLat)
        s.write(QStringLiteral("Lat"), "\"10\",\"11\",\"S\"\r\n");
    if (oldLong)
        s.write(QStringLiteral("Long"), "\"12\",\"13\",\"O\"\r\n");
    const auto refused = [&](const QString& path) { return stageFile(path, Temporaries::Refused); };
    const auto error
        = SiteStore(s.folder.path(), refused).save({ "43", "42", "N" }, { "2", "21", "E" });
    QCOMPARE(error.value_or(QString()), message);
    QCOMPARE(s.read(QStringLiteral("Lat")), latAfter);
    QCOMPARE(s.read(QStringLiteral("Long")), longAfter);
    QStringList expected; // no temporary file, nothing created
    if (oldLat)
        expected << QStringLiteral("Lat");
    if (oldLong)
        expected << QStringLiteral("Long");
    QCOMPARE(s.entries(), expected);
}

QTEST_GUILESS_MAIN(SiteFileTest)
#include "tst_sitefile.moc"
