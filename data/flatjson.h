#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

namespace tablicznik {

// One member of a JSON object: a string value decoded, a number kept as a
// number, any other value (true, false, null, an array, an object) checked
// and noted but not kept.
struct JsonMember {
    enum Kind { String, Number, Other };
    QString key;
    Kind kind = Other;
    QString text;
    double number = 0;
};

// A JSON document read for the one flat object a catalogue record is. The
// whole document is checked against the JSON grammar (RFC 8259, UTF-8, an
// optional byte order mark); the members are given in the file's order,
// a repeated key as often as it is written.
struct FlatJson {
    enum Outcome { Object, NotAnObject, Malformed };
    Outcome outcome = Malformed;
    qsizetype errorOffset = 0; // the byte where a malformed document goes wrong
    std::vector<JsonMember> members;
};

FlatJson readFlatJson(QByteArrayView bytes);

} // namespace tablicznik
