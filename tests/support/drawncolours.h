// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QColor>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionGroupBox>

#include <cmath>
#include <utility>

// WCAG 2's contrast ratio of two colours, from 1:1 to 21:1.
inline double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// A frame's caption is coloured by a style sheet, not by the palette: read from
// its pixels, the colour that stands out most from the commonest one, behind it.
inline std::pair<QColor, QColor> captionColours(QGroupBox& frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect caption = frame.style()->subControlRect(
        QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &frame);
    const QImage image = frame.grab(caption).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb commonest = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(commonest))
            commonest = it.key();
    }
    const QColor background(commonest);
    QColor text = background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (contrast(QColor(it.key()), background) > contrast(text, background))
            text = QColor(it.key());
    }
    return { text, background };
}

// A control's text colour and the colour behind it, as drawn. Fields and buttons
// paint their own background; a label shows the one of the nearest control that
// paints one.
inline std::pair<QColor, QColor> drawnColours(QWidget& widget)
{
    if (auto* frame = qobject_cast<QGroupBox*>(&widget))
        return captionColours(*frame);
    const QPalette& palette = widget.palette();
    if (qobject_cast<const QLineEdit*>(&widget))
        return { palette.color(QPalette::Text), palette.color(QPalette::Base) };
    if (qobject_cast<const QPushButton*>(&widget))
        return { palette.color(QPalette::ButtonText), palette.color(QPalette::Button) };
    const QWidget* painter = &widget;
    while (!painter->isWindow() && !painter->autoFillBackground())
        painter = painter->parentWidget();
    return { palette.color(QPalette::WindowText),
        painter->palette().color(painter->backgroundRole()) };
}
