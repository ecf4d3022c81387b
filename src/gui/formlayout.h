// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// The windows are laid out in twips, 15 to a device-independent pixel, so that
// Qt's high-DPI scaling keeps their proportions.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(
        twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// The faces the windows were drawn with, MS Sans Serif, Arial and Times New Roman,
// as families in order of preference. On Windows, faces that every Windows has
// with those metrics: Microsoft Sans Serif, Arial and Times New Roman; elsewhere,
// and after them, their metric-compatible stand-ins Liberation Sans (for the
// first two) and Liberation Serif. Each font also carries the hint of its kind,
// sans or serif, for a system that has none of them.
QStringList sansFamilies();
QStringList arialFamilies();
QStringList serifFamilies();
QFont sansFont(qreal points, bool bold = false, bool italic = false);
QFont arialFont(qreal points, bool bold = false, bool italic = false);
QFont serifFont(qreal points, bool bold = false, bool italic = false);

void setTextColor(QWidget* widget, const QColor& color);
void setBackground(QWidget* widget, const QColor& color);

// Controls at their fixed places, named after the window's layout.
QLabel* addLabel(QWidget* parent, const char* name, QRect geometry, const QString& text);
QPushButton* addButton(QWidget* parent, const char* name, QRect geometry, const QString& caption);
// A frame whose etched line runs through the middle of its bold maroon caption.
QGroupBox* addFrame(QWidget* parent, const char* name, QRect geometry, const QString& caption);
// Children of a frame keep the window's regular font, not the frame's bold one.
void useWindowFont(QWidget* frame, const QFont& windowFont);

// Whether a label's text fits its width.
bool fitsAcross(const QLabel& label);
