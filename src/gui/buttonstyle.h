// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

class QPushButton;

// The application's style for a button, its caption fitted. The window's small
// buttons are 15 pixels high (225 twips), as drawn. The Windows style keeps a
// margin inside the bevel that leaves less than a line of text there, and clips
// the caption to what is left: "Effacer" would lose the top of its letters. For
// a caption that does not fit, the margins give way: it gets the button's whole
// height but its one-pixel edge, and keeps the style's margins across.
class FittedCaptionStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit FittedCaptionStyle(QStyle* base);

    QRect subElementRect(
        SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override;
};

// Gives a button that has no parent yet a FittedCaptionStyle of its own, then
// places it in its parent. In that order: a button inside a frame with a style
// sheet keeps the frame's style, not one set on it afterwards.
void placeWithFittedCaption(QPushButton& button, QWidget* parent);
