// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The eight input texts as the user left them.
struct PointingFields {
    QString D, M, ns; // site latitude: degrees, minutes, "N" or "S"
    QString D2, M2, eo; // site longitude: degrees, minutes, "E" or "O"
    QString D3, eo2; // satellite orbital position: decimal degrees, "E" or "O"
};

enum class PointingStatus {
    Done,
    SatelliteIncomplete, // D3 or eo2 empty: checked first
    SiteIncomplete, // one of the six site fields empty
    SiteUnusable, // the site's numbers give no finite result
};

struct Pointing {
    PointingStatus status = PointingStatus::Done;
    double azimuth = 0; // degrees from north through east, floored to hundredths
    double elevation = 0; // degrees, floored to hundredths
};

// Where a dish on the site sees the geostationary satellite. The arithmetic keeps
// the old program's constants and rounding steps, in their order, so that the
// digits shown are the ones its users know: pi as 3.14159, the site rounded half
// up to hundredths of a degree, both results floored to hundredths.
Pointing ComputeAzEl(const PointingFields& fields);

// The message that goes with a status other than Done.
QString pointingMessage(PointingStatus status);
