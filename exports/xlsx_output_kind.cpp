#include "exports/xlsx_output_kind.h"

#include <QHash>
#include <QIODevice>
#include <QXmlStreamReader>

#include <zip.h>

namespace kw {

namespace {

// The document properties are a few hundred bytes; a part much larger is
// no workbook of ours.
constexpr zip_uint64_t maxPropertiesSize = 1 << 16;

const QString dublinCore = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString dublinCoreTerms = QStringLiteral("http://purl.org/dc/terms/");
const QString coreProperties =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties");

// libzip reads the existing file through the device it was given, so
// nothing but the central directory and one small part is read.
zip_int64_t readDevice(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto& device = *static_cast<QIODevice*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN: return device.seek(0) ? 0 : -1;
    case ZIP_SOURCE_READ: return device.read(static_cast<char*>(data), qint64(length));
    case ZIP_SOURCE_CLOSE: return 0;
    case ZIP_SOURCE_STAT: {
        auto* stat = static_cast<zip_stat_t*>(data);
        zip_stat_init(stat);
        stat->size = zip_uint64_t(device.size());
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_SEEK: {
        zip_error_t error;
        zip_error_init(&error);
        const zip_int64_t offset = zip_source_seek_compute_offset(zip_uint64_t(device.pos()),
                                                                  zip_uint64_t(device.size()), data, length, &error);
        zip_error_fini(&error);
        return offset >= 0 && device.seek(offset) ? 0 : -1;
    }
    case ZIP_SOURCE_TELL: return device.pos();
    case ZIP_SOURCE_ERROR: {
        // Asked for after a failure; every failure here is a read error.
        auto* codes = static_cast<int*>(data);
        codes[0] = ZIP_ER_READ;
        codes[1] = 0;
        return 2 * sizeof(int);
    }
    case ZIP_SOURCE_FREE: return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                              ZIP_SOURCE_SUPPORTS, -1);
    default: return -1;
    }
}

// docProps/core.xml of the package on `device`; empty when it is no ZIP
// package or has no such part.
QByteArray corePropertiesPart(QIODevice& device)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_function_create(readDevice, &device, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        return {};
    }
    QByteArray part;
    zip_stat_t stat;
    if (zip_stat(archive, "docProps/core.xml", 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
        stat.size <= maxPropertiesSize) {
        if (zip_file_t* file = zip_fopen_index(archive, stat.index, 0)) {
            part.resize(qsizetype(stat.size));
            if (zip_fread(file, part.data(), stat.size) != zip_int64_t(stat.size))
                part.clear();
            zip_fclose(file);
        }
    }
    zip_discard(archive);
    return part;
}

// The document properties of docProps/core.xml by name ("dc:creator").
QHash<QString, QString> propertiesOf(const QByteArray& coreXml)
{
    const QHash<QString, QString> prefixes = {{dublinCore, QStringLiteral("dc:")},
                                              {dublinCoreTerms, QStringLiteral("dcterms:")},
                                              {coreProperties, QStringLiteral("cp:")}};
    QHash<QString, QString> properties;
    QXmlStreamReader xml(coreXml);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString prefix = prefixes.value(xml.namespaceUri().toString());
        if (!prefix.isEmpty() && xml.name() != QLatin1String("coreProperties"))
            properties.insert(prefix + xml.name().toString(),
                              xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return properties;
}

// A workbook as this program wrote it: made and last saved by it, and
// modified when it was made. A workbook someone has since changed and saved
// in a spreadsheet keeps its creator but names another last modifier or a
// later time, and is theirs now.
bool isAsWritten(const QHash<QString, QString>& properties)
{
    const QString created = properties.value(QStringLiteral("dcterms:created"));
    return properties.value(QStringLiteral("dc:creator")) == xlsxAuthor() &&
        properties.value(QStringLiteral("cp:lastModifiedBy")) == xlsxAuthor() && !created.isEmpty() &&
        properties.value(QStringLiteral("dcterms:modified")) == created;
}

} // namespace

QString xlsxAuthor() { return QStringLiteral("Kwitarnia"); }

OutputKind xlsxOutputKind()
{
    return {QStringLiteral("arkuszem XLSX"),
            [](QIODevice& existing) { return isAsWritten(propertiesOf(corePropertiesPart(existing))); }};
}

} // namespace kw
