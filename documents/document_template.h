#pragma once

#include "documents/document_form.h"
#include "store/file_ops.h"
#include "store/records.h"

#include <QString>

namespace kw {

// A template file (*.sza) holds one DocumentRecord with only the reusable
// part of a bill: place, issue date, buyer, tax number, payment form and
// term, signature and the bill's line table, kind "F". Number, extension,
// service date, correction lines and the corrected bill's reference are
// zero bytes.

// Texts of the three template commands.
QString templateSavedNotice();    // after saving, captioned "Informacja"
QString templateDeleteQuestion(); // before deleting, captioned "Pytanie"
QString templateDeletedNotice();  // after deleting, captioned "Informacja"
// File dialogs ("description|pattern") and the folder they start in,
// relative to the current folder.
QString templateSaveFilter();
QString templateOpenFilter();
QString templateFolder();

// The template record of the document on screen: built from zeros each
// time, every text cut to its field.
DocumentRecord templateRecord(const DocumentForm& form);

// The document on screen after inserting `tpl` into `current`: the fields a
// template carries are replaced (the issue date becomes the template's), the
// number, its extension and the service date stay as they were.
DocumentForm applyTemplate(const DocumentRecord& tpl, DocumentForm current);

// Replaces (or creates) the template file at `path` in one step, so a failed
// save leaves an existing template whole. Throws IoError.
void saveTemplate(FileOps& ops, const QString& path, const DocumentRecord& tpl);

// The first record of a template file. Throws IoError when the file cannot
// be read or is shorter than one record.
DocumentRecord readTemplate(FileOps& ops, const QString& path);

// Deletes a template file. Throws IoError naming the file and the reason.
void deleteTemplate(FileOps& ops, const QString& path);

} // namespace kw
