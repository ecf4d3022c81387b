// SPDX-FileCopyrightText: 2026 L'équipe Zelmo
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/sitefile.h"

#include <optional>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isDelimiter(char c) { return c == ',' || isLineEnd(c); }

class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // Whether the last field read was followed by a delimiter, not by the end.
    bool delimited() const { return m_delimited; }

    // The next field, or nothing when the file runs out before it.
    std::optional<QString> next()
    {
        while (!atEnd() && isBlank(peek()))
            ++m_pos;
        if (atEnd())
            return std::nullopt;
        auto text = peek() == '"' ? quoted() : unquoted();
        if (text)
            skipDelimiter();
        return text;
    }

private:
    char peek() const { return m_bytes[m_pos]; }

    std::optional<QString> quoted()
    {
        const qsizetype close = m_bytes.indexOf('"', m_pos + 1);
        if (close < 0)
            return std::nullopt;
        const QByteArrayView text = m_bytes.sliced(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (!atEnd() && !isDelimiter(peek()))
            ++m_pos;
        return QString::fromLatin1(text);
    }

    std::optional<QString> unquoted()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && !isDelimiter(peek()))
            ++m_pos;
        QByteArrayView text = m_bytes.sliced(start, m_pos - start);
        while (!text.isEmpty() && isBlank(text.back()))
            text.chop(1);
        return QString::fromLatin1(text);
    }

    void skipDelimiter()
    {
        m_delimited = !atEnd();
        if (atEnd())
            return;
        const char c = peek();
        ++m_pos;
        if (c == '\r' && !atEnd() && peek() == '\n')
            ++m_pos;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_delimited = false;
};

}

SiteRecords readSiteRecords(QByteArrayView bytes, FileEnd end)
{
    SiteRecords result;
    FieldReader reader(bytes);
    while (!reader.atEnd()) {
        SiteRecord record;
        for (QString& field : record) {
            auto text = reader.next();
            if (!text) {
                result.complete = false;
                return result;
            }
            field = *text;
        }
        if (end == FileEnd::Cut && !reader.delimited()) {
            result.complete = false; // the cut reaches this record
            return result;
        }
        result.records.append(record);
    }
    return result;
}

QByteArray writeSiteRecord(const SiteRecord& record)
{
    QByteArray line;
    for (const QString& field : record) {
        if (!line.isEmpty())
            line += ',';
        line += '"' + field.toLatin1() + '"';
    }
    return line + "\r\n";
}
