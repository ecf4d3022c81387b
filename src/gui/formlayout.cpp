// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/formlayout.h"

#include "gui/buttonstyle.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor maroon(128, 0, 0);

QFont font(const QStringList& families, QFont::StyleHint kind, qreal points, bool bold, bool italic)
{
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(kind);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

}

// Microsoft Sans Serif is the scalable twin of the bitmap MS Sans Serif, with its
// metrics: a bitmap face cannot follow the display's scale. After the Windows
// faces come their Linux stand-ins, which Wine shows to Windows programs: a Wine
// without the Windows faces would otherwise give every text the first face it
// knows, whatever its kind.
#ifdef Q_OS_WIN
QStringList sansFamilies()
{
    return { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans") };
}
QStringList arialFamilies()
{
    return { QStringLiteral("Arial"), QStringLiteral("Liberation Sans") };
}
QStringList serifFamilies()
{
    return { QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif") };
}
#else
QStringList sansFamilies() { return { QStringLiteral("Liberation Sans") }; }
QStringList arialFamilies() { return { QStringLiteral("Liberation Sans") }; }
QStringList serifFamilies() { return { QStringLiteral("Liberation Serif") }; }
#endif

QFont sansFont(qreal points, bool bold, bool italic)
{
    return font(sansFamilies(), QFont::SansSerif, points, bold, italic);
}

QFont arialFont(qreal points, bool bold, bool italic)
{
    return font(arialFamilies(), QFont::SansSerif, points, bold, italic);
}

QFont serifFont(qreal points, bool bold, bool italic)
{
    return font(serifFamilies(), QFont::Serif, points, bold, italic);
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* addLabel(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop); // the text starts at the top, as drawn
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, QRect geometry, const QString& caption)
{
    auto* button = new QPushButton(caption);
    placeWithFittedCaption(*button, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

// The caption sits on the line at the top left: the controls inside were placed
// for that, the column headings of the site group just under the line.
QGroupBox* addFrame(QWidget* parent, const char* name, QRect geometry, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setFont(sansFont(8.25, true));
    const int captionHeight = frame->fontMetrics().height();
    frame->setStyleSheet(
        QStringLiteral("QGroupBox { border: 2px groove palette(mid); margin-top: %1px; }"
                       "QGroupBox::title { subcontrol-origin: margin; "
                       "subcontrol-position: top left; left: 6px; padding: 0 2px; "
                       "color: %2; }")
            .arg(captionHeight / 2)
            .arg(maroon.name(QColor::HexRgb)));
    return frame;
}

void useWindowFont(QWidget* frame, const QFont& windowFont)
{
    for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_SetFont))
            child->setFont(windowFont);
    }
}

// On Windows a window once shown may measure a pixel wider than before: keep that
// pixel to spare there.
bool fitsAcross(const QLabel& label)
{
#ifdef Q_OS_WIN
    constexpr int spare = 1;
#else
    constexpr int spare = 0;
#endif
    return label.fontMetrics().horizontalAdvance(label.text()) + spare <= label.width();
}
