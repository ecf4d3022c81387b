#pragma once

#include "common/field.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class EntryRules;

// Fills D, M, ns from "Lat", then D2, M2, eo from "Long", both in the current
// working directory. Each write is marked as the program's own (SkipChange), so
// only ns is checked as if typed. Silent: a missing or unreadable file, or an
// incomplete record, ends the loading and keeps what was already written.
void LoadSite(Fields& fields, EntryRules& entry);

// A file written beside the old one and put in its place as a whole.
class StagedFile {
public:
    virtual ~StagedFile() = default;
    virtual bool open() = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    virtual bool commit() = 0; // replaces the old file
    virtual QString errorString() const = 0;
};
using StagedFileFactory = std::function<std::unique_ptr<StagedFile>(const QString& name)>;

// QSaveFile: the new content goes to a temporary file that is renamed over the old.
std::unique_ptr<StagedFile> stageWithSaveFile(const QString& name);

// Writes the six site fields to "Lat" and "Long". Both new files are written in
// full before either replaces its old one, and a failure leaves both old files as
// they were. Returns the message that explains a failure.
std::optional<QString> SaveSite(
    const Fields& fields, const StagedFileFactory& stage = stageWithSaveFile);
