// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// Long random sessions of user actions on the main window's logic: typing any
// character, pasting, deleting, undoing, clearing, restarting on random site
// files, saving and pressing Calcul. Invariants are checked after every step.
// Seeded and reproducible: ZELMO_SEED=n replays one session; a failure prints
// its seed and the shortest sequence of actions that still shows it.
#include "core/readnumber.h"
#include "support/formrecorder.h"
#include "support/sitefiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

enum class Kind { Type, Paste, Delete, Undo, ClearSite, ClearSatellite, Calcul, Save, Restart };

struct Action {
    Kind kind = Kind::Type;
    Field field = Field::D;
    QString text; // what is typed or pasted
    QByteArray lat, lon; // the site files a restart finds

    QString describe() const
    {
        const QString name = fieldName(field);
        switch (kind) {
        case Kind::Type:
            return QStringLiteral("type U+%1 into %2")
                .arg(text.isEmpty() ? 0 : text[0].unicode(), 4, 16, QChar(u'0'))
                .arg(name);
        case Kind::Paste:
            return QStringLiteral("paste %1 characters \"%2\" into %3")
                .arg(text.size())
                .arg(text.left(20), name);
        case Kind::Delete:
            return QStringLiteral("delete the last character of ") + name;
        case Kind::Undo:
            return QStringLiteral("undo in ") + name;
        case Kind::ClearSite:
            return QStringLiteral("Effacer (site)");
        case Kind::ClearSatellite:
            return QStringLiteral("Effacer (satellite)");
        case Kind::Calcul:
            return QStringLiteral("Calcul");
        case Kind::Save:
            return QStringLiteral("Enregistrer");
        case Kind::Restart:
            return QStringLiteral("restart with Lat %1 and Long %2")
                .arg(QString::fromLatin1(lat.toPercentEncoding()),
                    QString::fromLatin1(lon.toPercentEncoding()));
        }
        return {};
    }
};

const Field inputs[]
    = { Field::D, Field::M, Field::ns, Field::D2, Field::M2, Field::eo, Field::D3, Field::eo2 };

// Characters a user can type, paste or drop, the unlikely ones included.
const QString keys = QString::fromUtf8("0123456789012345678901234567890123456789.,.,-/+ nsNSeoEOxiI"
                                       "\u00e9\u00df\u0131\u0663\u00b2\t\u0001\r\n\u00a0");

QString randomText(QRandomGenerator& random, int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += keys[random.bounded(int(keys.size()))];
    return text;
}

QByteArray randomSiteFile(QRandomGenerator& random)
{
    if (random.bounded(3) == 0) { // a well-formed record now and then
        return QStringLiteral("\"%1\",\"%2\",\"%3\"\r\n")
            .arg(random.bounded(100))
            .arg(random.bounded(70))
            .arg(QStringLiteral("NSEOnseo ")[random.bounded(9)])
            .toLatin1();
    }
    static const char pieces[] = "\"\"\",,,\r\n\n 0123456789NSEOeo\xe9\xff";
    QByteArray bytes;
    const int length = random.bounded(40);
    for (int i = 0; i < length; ++i)
        bytes += pieces[random.bounded(int(sizeof pieces - 1))];
    return bytes;
}

Action randomAction(QRandomGenerator& random)
{
    Action action;
    action.field = inputs[random.bounded(8)];
    const int roll = random.bounded(100);
    if (roll < 60) {
        action.text = randomText(random, 1);
    } else if (roll < 66) {
        action.kind = Kind::Paste;
        action.text = random.bounded(20) == 0 ? QString(100000, u'7')
                                              : randomText(random, random.bounded(12));
    } else if (roll < 76) {
        action.kind = Kind::Delete;
    } else if (roll < 80) {
        action.kind = Kind::Undo;
    } else if (roll < 83) {
        action.kind = Kind::ClearSite;
    } else if (roll < 86) {
        action.kind = Kind::ClearSatellite;
    } else if (roll < 94) {
        action.kind = Kind::Calcul;
    } else if (roll < 96) {
        action.kind = Kind::Save;
    } else {
        action.kind = Kind::Restart;
        action.lat = randomSiteFile(random);
        action.lon = randomSiteFile(random);
    }
    return action;
}

struct NumericLimits {
    double bound;
    int maxLength;
    QString accepted;
};

NumericLimits limitsOf(Field field)
{
    const QString digits = QStringLiteral("0123456789");
    switch (field) {
    case Field::D:
        return { 89, 2, digits };
    case Field::D2:
        return { 179, 3, digits };
    case Field::D3:
        return { 69, 5, digits + QStringLiteral(",.") };
    default:
        return { 59, 2, digits };
    }
}

// What a field may hold once its change has been checked.
bool acceptable(Field field, const QString& text)
{
    if (text.isEmpty())
        return true;
    if (field == Field::ns)
        return text == u"N" || text == u"S";
    if (field == Field::eo || field == Field::eo2)
        return text == u"E" || text == u"O";
    const NumericLimits limits = limitsOf(field);
    if (text.size() > limits.maxLength || ReadNumber(text) > limits.bound)
        return false;
    for (QChar c : text) {
        if (!limits.accepted.contains(c))
            return false;
    }
    return true;
}

// One program run after another, in a working directory of its own.
class Session {
public:
    // Empty when every step kept every invariant; otherwise what broke, and where.
    QString run(const QList<Action>& actions)
    {
        removeSiteFiles(m_folder.path());
        start();
        for (int step = 0; step < actions.size(); ++step) {
            const QString broken = perform(actions[step]);
            if (!broken.isEmpty())
                return QStringLiteral("step %1 (%2): %3")
                    .arg(step)
                    .arg(actions[step].describe(), broken);
        }
        return {};
    }

private:
    void start()
    {
        m_form = std::make_unique<Running>(m_folder.path());
        m_form->form.load();
    }

    QString perform(const Action& action)
    {
        FormRecorder& r = m_form->recorder;
        const int messagesBefore = int(r.messages.size());
        const bool checked = m_form->form.SkipChange() == 0;
        r.maxDepth = 0;
        const QString before = r.text(action.field);
        m_changed = false;

        switch (action.kind) {
        case Kind::Type:
            userChange(action.field, before + action.text);
            break;
        case Kind::Paste:
            userChange(action.field, action.text);
            break;
        case Kind::Delete:
            userChange(action.field, before.left(before.size() - 1));
            break;
        case Kind::Undo:
            if (!m_form->undo[action.field].isEmpty())
                userChange(action.field, m_form->undo[action.field].takeLast(), false);
            break;
        case Kind::ClearSite:
            m_form->form.efface();
            break;
        case Kind::ClearSatellite:
            m_form->form.efface2();
            break;
        case Kind::Calcul:
            m_form->form.calcul();
            break;
        case Kind::Save:
            m_form->form.enregistrer();
            break;
        case Kind::Restart:
            writeFile(m_folder.path(), QStringLiteral("Lat"), action.lat);
            writeFile(m_folder.path(), QStringLiteral("Long"), action.lon);
            start();
            break;
        }
        FormRecorder& after = m_form->recorder;

        if (after.maxDepth > 3)
            return QStringLiteral("change handling nested %1 deep").arg(after.maxDepth);
        const int shown
            = int(after.messages.size()) - (action.kind == Kind::Restart ? 0 : messagesBefore);
        if (shown > 1)
            return QStringLiteral("%1 messages for one action: %2")
                .arg(shown)
                .arg(after.messages.join(u'|'));
        // The user's change of a field is checked, unless SkipChange was pending (ns
        // is always checked). A change that leaves the text as it was raises nothing.
        const bool userChanged = action.kind == Kind::Type || action.kind == Kind::Paste
            || action.kind == Kind::Delete || action.kind == Kind::Undo;
        const bool checkedChange
            = userChanged && m_changed && (checked || action.field == Field::ns);
        if (checkedChange && !acceptable(action.field, after.text(action.field)))
            return QStringLiteral("%1 holds \"%2\"")
                .arg(fieldName(action.field), after.text(action.field).left(40));
        static const QRegularExpression number(QStringLiteral("^(-?[0-9]+([.,][0-9]+)?)?$"));
        for (Field result : { Field::Azdg, Field::Eldg }) {
            if (!number.match(after.text(result)).hasMatch())
                return QStringLiteral("%1 shows \"%2\"").arg(fieldName(result), after.text(result));
        }
        if (action.kind == Kind::Calcul && shown == 0 && after.text(Field::Azdg).isEmpty())
            return QStringLiteral("Calcul showed neither a result nor a message");
        return {};
    }

    void userChange(Field field, const QString& text, bool undoable = true)
    {
        FormRecorder& r = m_form->recorder;
        if (r.text(field) == text)
            return;
        if (undoable)
            m_form->undo[field].append(r.text(field));
        m_changed = true;
        r.setText(field, text);
    }

    // Saving writes the files in place, with no wait for the disk: what is tested
    // here is the program's logic, thousands of times; the site tests cover the
    // real, synced save.
    struct Running : RecordedForm {
        explicit Running(const QString& folder)
            : RecordedForm(folder, stageInPlace)
        {
        }
        QMap<Field, QStringList> undo; // the texts the user's changes replaced
    };
    QTemporaryDir m_folder;
    std::unique_ptr<Running> m_form;
    bool m_changed = false; // the step's user change really changed the text
};

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Drops actions one at a time while the failure still shows.
QList<Action> shortest(Session& session, QList<Action> actions)
{
    for (qsizetype i = actions.size() - 1; i >= 0; --i) {
        QList<Action> shorter = actions;
        shorter.removeAt(i);
        if (!session.run(shorter).isEmpty())
            actions = shorter;
    }
    return actions;
}

}

class RandomSessionsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void sessions_data();
    void sessions();
};

void RandomSessionsTest::sessions_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addRow("French locale") << QLocale(QLocale::French, QLocale::France);
    QTest::addRow("English locale") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::addRow("Turkish locale") << QLocale(QLocale::Turkish, QLocale::Turkey);
}

void RandomSessionsTest::sessions()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    const int replay = environmentNumber("ZELMO_SEED", -1);
    const int sessions = replay >= 0 ? 1 : environmentNumber("ZELMO_SESSIONS", 100);
    const int steps = environmentNumber("ZELMO_STEPS", 400);

    Session session;
    for (int i = 0; i < sessions; ++i) {
        const quint32 seed = replay >= 0 ? quint32(replay) : quint32(i + 1);
        QRandomGenerator random(seed);
        QList<Action> actions;
        for (int step = 0; step < steps; ++step)
            actions << randomAction(random);

        const QString broken = session.run(actions);
        if (broken.isEmpty())
            continue;
        QStringList lines { QStringLiteral("seed %1: %2").arg(seed).arg(broken),
            QStringLiteral("shortest sequence that shows it:") };
        const QList<Action> minimal = shortest(session, actions);
        for (const Action& action : minimal)
            lines << QStringLiteral("  ") + action.describe();
        lines << QStringLiteral("  -> ") + session.run(minimal);
        QFAIL(qPrintable(lines.join(u'\n')));
    }
    qInfo("%d sessions of %d steps", sessions, steps);
}

QTEST_GUILESS_MAIN(RandomSessionsTest)
#include "tst_randomsessions.moc"
