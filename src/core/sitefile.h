// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>

// One line of a site file: Lat holds D, M, ns; Long holds D2, M2, eo.
using SiteRecord = std::array<QString, 3>;

struct SiteRecords {
    QList<SiteRecord> records; // every complete record, in file order
    bool complete = true; // false when something after the last record is not a record
};

// Reads the records of a site file. Fields are separated by commas and line ends
// (CR LF, or a lone LF or CR in a hand-made file). A quoted field is the text up
// to the next quote, commas and blanks included; an unquoted one runs to the next
// comma or line end, with blanks at both ends dropped. Bytes are Latin-1, so any
// byte reads and writes back unchanged.
//
// Cut: the bytes are only the start of a longer file. A record then counts only
// when something follows its third field, since the cut may have shortened an
// unquoted field ("NN" cut to "N").
enum class FileEnd { Whole, Cut };
SiteRecords readSiteRecords(QByteArrayView bytes, FileEnd end = FileEnd::Whole);

// The one line the program writes: three quoted texts, commas, CR LF.
QByteArray writeSiteRecord(const SiteRecord& record);
