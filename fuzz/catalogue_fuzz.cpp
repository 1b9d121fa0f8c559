#include "data/catalogue.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

// Any bytes read as one element's two catalogue files. The input is the
// element's number in its first byte (1 + byte % 112), then the JSON record,
// a NUL byte, and the RTF description (all of the rest is the record when
// there is no NUL). Never a crash: either a record that keeps every rule
// the loader enforces, or a CatalogueError that names its file and fault.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int expected = 1 + data[0] % tablicznik::Catalogue::kCount;
    const char *rest = reinterpret_cast<const char *>(data + 1);
    const size_t restSize = size - 1;
    const auto *nul = static_cast<const char *>(std::memchr(rest, 0, restSize));
    const size_t recordSize = nul ? size_t(nul - rest) : restSize;
    const QByteArrayView record(rest, qsizetype(recordSize));
    const QByteArray description = nul ? QByteArray(nul + 1, qsizetype(restSize - recordSize - 1)) : QByteArray();
    const QString recordName = QStringLiteral("record.json"), descriptionName = QStringLiteral("description.rtf");
    try {
        const tablicznik::ElementRecord element =
            tablicznik::Catalogue::readElement(record, description, expected, recordName, descriptionName);
        if (element.Numer != expected || element.Symbol.isEmpty() || element.Nazwa.isEmpty())
            std::abort();
        const QString text = element.Opis.text(); // one character a byte, whatever the bytes
        if (element.Opis.size() != description.size() || text.size() != description.size() ||
            text.size() > tablicznik::Catalogue::kDescriptionLimit || !text.startsWith(QLatin1StringView("{\\rtf1\\ansi")))
            std::abort();
    } catch (const tablicznik::CatalogueError &error) {
        if (error.fault.isEmpty() || (error.file != recordName && error.file != descriptionName))
            std::abort();
    }
    return 0;
}
