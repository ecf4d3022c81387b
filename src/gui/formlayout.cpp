#include "gui/formlayout.h"

#include <QLabel>

namespace {

QFont font(const QString& family, qreal points, bool bold, bool italic)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

}

#ifdef Q_OS_WIN
QString sansFamily() { return QStringLiteral("MS Sans Serif"); }
QString arialFamily() { return QStringLiteral("Arial"); }
QString serifFamily() { return QStringLiteral("Times New Roman"); }
#else
QString sansFamily() { return QStringLiteral("Liberation Sans"); }
QString arialFamily() { return QStringLiteral("Liberation Sans"); }
QString serifFamily() { return QStringLiteral("Liberation Serif"); }
#endif

QFont sansFont(qreal points, bool bold, bool italic)
{
    return font(sansFamily(), points, bold, italic);
}

QFont arialFont(qreal points, bool bold, bool italic)
{
    return font(arialFamily(), points, bold, italic);
}

QFont serifFont(qreal points, bool bold, bool italic)
{
    return font(serifFamily(), points, bold, italic);
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

QLabel* addLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop); // the text starts at the top, as drawn
    return label;
}
