// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a site file: no crash, no hang, and what the program writes it
// reads back.
#include "core/sitefile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SiteRecords read = readSiteRecords(bytes);
    // Each field takes at least one byte: memory stays bounded by the input.
    if (read.records.size() * 3 > qsizetype(size))
        std::abort();

    // Three field texts from the same bytes, cut at 0x00 bytes, without the
    // characters a record cannot carry: a double quote, CR and LF.
    SiteRecord record;
    std::size_t field = 0;
    for (char c : bytes) {
        if (c == '\0') {
            field = (field + 1) % 3;
            continue;
        }
        if (c != '"' && c != '\r' && c != '\n')
            record[field] += QChar::fromLatin1(c);
    }
    const SiteRecords back = readSiteRecords(writeSiteRecord(record));
    if (!back.complete || back.records.size() != 1 || back.records[0] != record)
        std::abort();
    return 0;
}
