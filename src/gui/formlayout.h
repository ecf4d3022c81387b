#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;
class QLabel;

// The windows are laid out in twips, 15 to a device-independent pixel, so that
// Qt's high-DPI scaling keeps their proportions.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(
        twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// The faces the windows were drawn with: MS Sans Serif, Arial and Times New Roman
// on Windows; elsewhere their metric-compatible stand-ins, Liberation Sans (for
// the first two) and Liberation Serif.
QString sansFamily();
QString arialFamily();
QString serifFamily();
QFont sansFont(qreal points, bool bold = false, bool italic = false);
QFont arialFont(qreal points, bool bold = false, bool italic = false);
QFont serifFont(qreal points, bool bold = false, bool italic = false);

void setTextColor(QWidget* widget, const QColor& color);
void setBackground(QWidget* widget, const QColor& color);

QLabel* addLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text);
