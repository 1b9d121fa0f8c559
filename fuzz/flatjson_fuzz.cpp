#include "data/flatjson.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>

// Any bytes read by the records' JSON reader and by Qt's: the same verdict
// (a lone value aside, which Qt calls malformed and the reader names as not
// an object) and, for an object, the same members, the last of a repeated
// key counting.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Where Qt's reader is erratic the records' reader is strict, and the
    // two are not compared: a backslash before a byte above 0x7F (Qt drops
    // the byte, or fails on what follows), and U+FEFF at the start of a key
    // or value (Qt drops it; the reader keeps it, as its unit test says).
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == '\\' && static_cast<unsigned char>(bytes[i + 1]) >= 0x80)
            return 0;
    const bool compareMembers = bytes.indexOf("\xEF\xBB\xBF", 1) < 0;
    const tablicznik::FlatJson json = tablicznik::readFlatJson(bytes);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const bool qtRead = error.error == QJsonParseError::NoError;
    if (json.outcome == tablicznik::FlatJson::Object) {
        if (!qtRead || !document.isObject())
            std::abort();
        QJsonObject mine;
        for (const tablicznik::JsonMember &m : json.members)
            mine.insert(m.key, m.kind == tablicznik::JsonMember::String   ? QJsonValue(m.text)
                               : m.kind == tablicznik::JsonMember::Number ? QJsonValue(m.number)
                                                                          : QJsonValue());
        if (!compareMembers)
            return 0;
        const QJsonObject qt = document.object();
        if (mine.keys() != qt.keys())
            std::abort();
        for (const QString &key : qt.keys()) {
            const QJsonValue a = mine.value(key), b = qt.value(key);
            if (b.isString() ? a != b : b.isDouble() ? !a.isDouble() || a.toDouble() != b.toDouble() : !a.isNull())
                std::abort();
        }
    } else if (json.outcome == tablicznik::FlatJson::NotAnObject) {
        if (qtRead && document.isObject())
            std::abort();
    } else if (qtRead) {
        std::abort();
    }
    return 0;
}
