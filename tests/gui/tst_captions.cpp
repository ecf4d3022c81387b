// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// Every caption whole, at the scale the test runs at (CTest runs it at 100, 125,
// 150 and 200 %, through ZELMO_SCALE_FACTOR): a button's caption inside the rectangle its style
// draws it in (and clips it to), a label's text inside the label, a frame's caption inside the
// frame, and no two texts or controls on top of each other. Measured with the faces the system
// resolved, not the ones asked for.
#include "gui/mainwindow.h"
#include "support/layoutchecks.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Where a text's ink falls when the style lays it out in a box with these flags.
QRect inkRect(const QWidget& widget, const QFont& font, QRect box, int flags, const QString& text)
{
    const QFontMetrics metrics(font);
    const QRect laid = widget.style()->itemTextRect(metrics, box, flags, true, text);
    return metrics.tightBoundingRect(text).translated(laid.left(), laid.top() + metrics.ascent());
}

QString describe(const QWidget& widget, const QFont& font, QRect ink, QRect room)
{
    const QFontInfo resolved(font);
    return QStringLiteral("%1 (\"%2\", %3 pt): ink %4,%5 %6x%7 outside %8,%9 %10x%11")
        .arg(widget.objectName(), resolved.family())
        .arg(resolved.pointSizeF())
        .arg(ink.x())
        .arg(ink.y())
        .arg(ink.width())
        .arg(ink.height())
        .arg(room.x())
        .arg(room.y())
        .arg(room.width())
        .arg(room.height());
}

QRect buttonContents(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

QRect frameCaption(const QGroupBox& frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.textAlignment = frame.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return frame.style()->subControlRect(
        QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &frame);
}

int labelFlags(const QLabel& label)
{
    return int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
}

// A text's ink, or a control's box, in the window's coordinates.
struct Extent {
    QString what;
    const QWidget* owner;
    QRect rect;
};

QList<Extent> extents(QWidget& window)
{
    QList<Extent> all;
    const auto add = [&](const QWidget* owner, const QString& what, QRect local) {
        all.append({ what, owner, QRect(owner->mapTo(&window, local.topLeft()), local.size()) });
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().trimmed().isEmpty() && !label->wordWrap())
            add(label, label->objectName(),
                inkRect(*label, label->font(), label->contentsRect(), labelFlags(*label),
                    label->text()));
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
        add(frame, frame->objectName() + QStringLiteral(" caption"),
            inkRect(*frame, frame->font(), frameCaption(*frame), int(frame->alignment()),
                frame->title()));
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        add(button, button->objectName(), button->rect());
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>())
        add(edit, edit->objectName(), edit->rect());
    return all;
}

}

class CaptionsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buttonCaptionsFit_data();
    void buttonCaptionsFit();
    void labelTextsFit_data();
    void labelTextsFit();
    void frameCaptionsFit();
    void noTwoOverlap_data();
    void noTwoOverlap();

private:
    QTemporaryDir m_folder;
    std::unique_ptr<Window> m_window;
};

void CaptionsTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    qInfo("At %s times the size",
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").constData()
                                                     : "1");
    requireLayoutFaces();
}

void CaptionsTest::init() { m_window = std::make_unique<Window>(m_folder.path()); }

void CaptionsTest::cleanup() { m_window.reset(); }

void CaptionsTest::buttonCaptionsFit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addRow("Zelmo") << "Zelmo";
    QTest::addRow("Aide") << "Aide";
    QTest::addRow("Info") << "Info";
}

// The style clips a caption to its contents rectangle: all of the ink must be there.
void CaptionsTest::buttonCaptionsFit()
{
    QFETCH(QString, window);
    QWidget* shown = m_window->open(window);
    QVERIFY(shown);
    const QList<QPushButton*> buttons = shown->findChildren<QPushButton*>();
    QVERIFY(!buttons.isEmpty());
    for (const QPushButton* button : buttons) {
        const QRect contents = buttonContents(*button);
        const QRect ink = inkRect(*button, button->font(), contents,
            Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
        QVERIFY2(
            contents.contains(ink), qPrintable(describe(*button, button->font(), ink, contents)));
    }
}

void CaptionsTest::labelTextsFit_data() { buttonCaptionsFit_data(); }

void CaptionsTest::labelTextsFit()
{
    QFETCH(QString, window);
    QWidget* shown = m_window->open(window);
    QVERIFY(shown);
    for (const QLabel* label : shown->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        // A wrapped text is measured by its lines, a single line by its ink.
        const QRect needed = label->wordWrap()
            ? label->fontMetrics().boundingRect(room, labelFlags(*label), label->text())
            : inkRect(*label, label->font(), room, labelFlags(*label), label->text());
        QVERIFY2(room.contains(needed), qPrintable(describe(*label, label->font(), needed, room)));
    }
}

void CaptionsTest::frameCaptionsFit()
{
    QWidget* shown = m_window->open(QStringLiteral("Zelmo"));
    QVERIFY(shown);
    for (const QGroupBox* frame : shown->findChildren<QGroupBox*>()) {
        const QRect ink = inkRect(
            *frame, frame->font(), frameCaption(*frame), int(frame->alignment()), frame->title());
        QVERIFY2(frame->rect().contains(ink),
            qPrintable(describe(*frame, frame->font(), ink, frame->rect())));
    }
}

void CaptionsTest::noTwoOverlap_data() { buttonCaptionsFit_data(); }

// Texts by their ink, fields and buttons by their boxes.
void CaptionsTest::noTwoOverlap()
{
    QFETCH(QString, window);
    QWidget* shown = m_window->open(window);
    QVERIFY(shown);
    const QList<Extent> all = extents(*shown);
    for (qsizetype i = 0; i < all.size(); ++i) {
        for (qsizetype j = i + 1; j < all.size(); ++j) {
            if (all[i].owner == all[j].owner)
                continue;
            const QRect both = all[i].rect & all[j].rect;
            QVERIFY2(both.isEmpty(),
                qPrintable(QStringLiteral("%1 and %2 share %3x%4 px at %5,%6")
                               .arg(all[i].what, all[j].what)
                               .arg(both.width())
                               .arg(both.height())
                               .arg(both.x())
                               .arg(both.y())));
        }
    }
}

// The scale comes as ZELMO_SCALE_FACTOR, and becomes Qt's before the application
// starts: Wine passes no QT_ variable on to a Windows program.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("ZELMO_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", qgetenv("ZELMO_SCALE_FACTOR"));
    QApplication app(argc, argv);
    CaptionsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_captions.moc"
