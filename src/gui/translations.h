// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Qt's own texts (a field's context menu, the message box buttons) in French,
// whatever the user's locale: the program speaks French only. Taken from the
// copy compiled into the program where there is one, else from Qt's
// translations folder.
void installFrenchQtTexts(QCoreApplication& app);
