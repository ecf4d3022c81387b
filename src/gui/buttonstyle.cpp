// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/buttonstyle.h"

#include <QApplication>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// The style's contents rectangle, given the button's whole height but its edge
// when a line of text does not fit in it.
QRect fitted(QRect contents, QRect button, const QFontMetrics& metrics)
{
    if (contents.height() >= metrics.height())
        return contents;
    constexpr int edge = 1;
    contents.setTop(button.top() + edge);
    contents.setBottom(button.bottom() - edge);
    return contents;
}

}

FittedCaptionStyle::FittedCaptionStyle(QStyle* base)
    : QProxyStyle(base)
{
}

QRect FittedCaptionStyle::subElementRect(
    SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    const QRect contents = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_PushButtonContents || !option)
        return contents;
    return fitted(contents, option->rect, option->fontMetrics);
}

// The styles draw the caption in the contents rectangle they compute themselves,
// not through this proxy: the label is given the fitted one here.
void FittedCaptionStyle::drawControl(ControlElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButtonLabel || !button || !widget) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton label = *button;
    label.rect = fitted(button->rect, widget->rect(), button->fontMetrics);
    QProxyStyle::drawControl(element, &label, painter, widget);
}

void placeWithFittedCaption(QPushButton& button, QWidget* parent)
{
    // A style of the application's kind for this button alone; the button owns it.
    auto* style = new FittedCaptionStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(&button);
    button.setStyle(style);
    button.setParent(parent);
}
