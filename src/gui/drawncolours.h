// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The windows fix some colours (maroon captions, blue and red field texts, the
// yellow help page, the apricot panel) and leave the rest to the desktop: that
// pairing reads well only beside light colours. A dark desktop scheme would put
// its light text on the fixed apricot and its dark grey behind the maroon.
//
// Where the desktop's palette is dark, the whole program (its three windows,
// their menus and its message box) takes Qt's light palette instead; a light
// desktop palette is kept as it is. Call it once the application exists.
void keepDrawnColours();
