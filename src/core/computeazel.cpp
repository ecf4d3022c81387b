// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/computeazel.h"

#include "core/readnumber.h"

#include <cmath>

namespace {

constexpr double Rad = 3.14159 / 180; // radians per degree, with the program's pi
constexpr double Ratio = 6378.0 / 42164.0; // Earth radius over geostationary orbit radius

// Degrees and minutes to degrees, rounded half up to hundredths on the magnitude.
double siteAngle(const QString& degrees, const QString& minutes)
{
    const double dg = ReadNumber(degrees);
    const double mn = ReadNumber(minutes) / 60;
    const double angle = dg + mn;
    return std::floor(angle * 100 + 0.5) / 100;
}

double floorHundredths(double value) { return std::floor(value * 100) / 100; }

// The angle a of tan(a) = tan(dlong) / sin(lat), in degrees. At the equator the
// division has no value; the limit of the formula stands in for it.
double azimuthAngle(double dlong, double latsite)
{
    const double tanDlong = std::tan(dlong);
    if (latsite == 0)
        return tanDlong > 0 ? 90 : tanDlong < 0 ? -90 : 0;
    return std::atan(tanDlong / std::sin(latsite)) / Rad;
}

bool anyEmpty(std::initializer_list<const QString*> texts)
{
    for (const QString* text : texts) {
        if (text->isEmpty())
            return true;
    }
    return false;
}

}

Pointing ComputeAzEl(const PointingFields& f)
{
    if (anyEmpty({ &f.D3, &f.eo2 }))
        return { PointingStatus::SatelliteIncomplete };
    if (anyEmpty({ &f.D, &f.M, &f.ns, &f.D2, &f.M2, &f.eo }))
        return { PointingStatus::SiteIncomplete };

    // Latitudes north positive; longitudes, the site's and the satellite's, west positive.
    double latsite = siteAngle(f.D, f.M);
    if (f.ns == u"S")
        latsite = -latsite;
    double longsite = siteAngle(f.D2, f.M2);
    if (f.eo == u"E")
        longsite = -longsite;
    const double longdg = longsite;

    const double possat = ReadNumber(f.D3);
    const double longsat = f.eo2 == u"E" ? -possat : possat;

    longsite = longsite * Rad;
    latsite = latsite * Rad;
    const double longsatr = longsat * Rad;
    const double dlong = std::fabs(longsatr - longsite);

    double az = floorHundredths(azimuthAngle(dlong, latsite));
    az = longsat < longdg ? 180 - az : az + 180; // east of the site, or west of it
    // South of the equator the formula's angle is measured from the north: turn
    // the azimuth half a turn so that it points at the satellite.
    if (latsite < 0)
        az = az < 180 ? az + 180 : az - 180;

    const double cosb = std::cos(dlong) * std::cos(latsite);
    const double el = floorHundredths(std::atan((cosb - Ratio) / std::sqrt(1 - cosb * cosb)) / Rad);

    if (!std::isfinite(az) || !std::isfinite(el))
        return { PointingStatus::SiteUnusable };
    return { PointingStatus::Done, az, el };
}

QString pointingMessage(PointingStatus status)
{
    switch (status) {
    case PointingStatus::SatelliteIncomplete:
        return QStringLiteral("Remplir les cases des coordonées satellite");
    case PointingStatus::SiteIncomplete:
        return QStringLiteral("Remplir les cases des coordonées géographiques");
    case PointingStatus::SiteUnusable:
        return QStringLiteral("Les coordonnées géographiques ne permettent pas le calcul.");
    case PointingStatus::Done:
        break;
    }
    return {};
}
