#include "data/flatjson.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using tablicznik::FlatJson;
using tablicznik::JsonMember;
using tablicznik::readFlatJson;

namespace {

// What Qt's own JSON reader makes of the bytes, in the reader's terms.
FlatJson::Outcome qtOutcome(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return FlatJson::Malformed;
    return document.isObject() ? FlatJson::Object : FlatJson::NotAnObject;
}

// The members as a JSON object, the last of a repeated key counting.
QJsonObject asObject(const FlatJson &json)
{
    QJsonObject object;
    for (const JsonMember &m : json.members) {
        if (m.kind == JsonMember::String)
            object.insert(m.key, m.text);
        else if (m.kind == JsonMember::Number)
            object.insert(m.key, m.number);
        else
            object.insert(m.key, QJsonValue(QJsonValue::Null)); // compared by kind below
    }
    return object;
}

} // namespace

class FlatJsonTest : public QObject {
    Q_OBJECT

private slots:
    // Every record of the catalogue reads as Qt reads it: the same keys in
    // the file's order, the same texts, the same number.
    void catalogueRecordsAsQtReadsThem()
    {
        const QDir folder(QStringLiteral(":/catalogue"));
        const QStringList files = folder.entryList({QStringLiteral("*.json")});
        QCOMPARE(files.size(), 118); // the table of 112 and today's six more
        for (const QString &name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            const FlatJson json = readFlatJson(bytes);
            QCOMPARE(json.outcome, FlatJson::Object);
            QCOMPARE(asObject(json), QJsonDocument::fromJson(bytes).object());
            QCOMPARE(json.members.front().key, QStringLiteral("Numer"));
        }
    }

    void documents_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const auto row = [](const char *name, QByteArray bytes) { QTest::newRow(name) << bytes; };
        row("empty object", "{}");
        row("blanks everywhere", " \t\r\n{ \"a\" : \"b\" , \"c\":1 }\n ");
        row("escapes", "{\"a\": \"\\\"\\\\\\/\\b\\f\\n\\r\\t\"}");
        row("unicode escapes", "{\"a\": \"\\u0105\\u00F3\\u20ac\\uD83D\\uDE00\"}");
        row("UTF-8 text", "{\"a\": \"Gęstość ąęłśżź €\"}");
        row("numbers", "{\"a\": 0, \"b\": -0, \"c\": 12.5, \"d\": 1e3, \"e\": -2E-2, \"f\": 20.0}");
        row("nested values", "{\"a\": [1, [2, {\"x\": null}], \"s\"], \"b\": {\"c\": {\"d\": []}}, \"e\": true, \"f\": false}");
        row("repeated key", "{\"a\": \"first\", \"a\": \"second\"}");
        row("byte order mark", "\xEF\xBB\xBF{\"a\": \"b\"}");
        row("array", "[1, 2]");
        row("empty", "");
        row("blanks only", "  \n");
        row("unclosed object", "{\"Numer\": 7,");
        row("trailing comma", "{\"a\": 1,}");
        row("missing colon", "{\"a\" 1}");
        row("key not a string", "{a: 1}");
        row("single quotes", "{'a': 1}");
        row("two objects", "{} {}");
        row("garbage after", "{\"a\": 1} x");
        row("unclosed string", "{\"a\": \"b}");
        row("control characters", "{\"a\": \"b\tc\x01\"}");
        row("unknown escape", "{\"a\": \"\\x41\"}");
        row("escaped non-ASCII", "{\"a\": \"\\\xc3\xa9\"}");
        row("short unicode escape", "{\"a\": \"\\u12\"}");
        row("bad hex digit", "{\"a\": \"\\u12G4\"}");
        row("leading zero", "{\"a\": 01}");
        row("lone minus", "{\"a\": -}");
        row("bare point", "{\"a\": 1.}");
        row("leading point", "{\"a\": .5}");
        row("negative leading point", "{\"a\": -.5e1}");
        row("point alone", "{\"a\": .}");
        row("overflow", "{\"a\": 1e999}");
        row("double zero", "{\"a\": 00}");
        row("empty exponent", "{\"a\": 1e}");
        row("plus sign", "{\"a\": +1}");
        row("misspelt literal", "{\"a\": nul}");
        row("invalid UTF-8", "{\"a\": \"\xC3\x28\"}");
        row("truncated UTF-8", "{\"a\": \"\xE2\x82\"}");
        row("overlong UTF-8", "{\"a\": \"\xC0\xAF\"}");
        row("encoded surrogate", "{\"a\": \"\xED\xA0\x80\"}");
        row("beyond U+10FFFF", "{\"a\": \"\xF4\x90\x80\x80\"}");
        row("four-byte UTF-8", "{\"a\": \"\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF\"}");
        row("UTF-8 around escapes", "{\"\xC5\x81\\n\xC3\xB3" "d\\u017a\": \"\xC4\x85\\t\xC4\x99\"}");
        row("binary garbage", QByteArray("\xff\xfe\x00\x01", 4));
        row("unclosed array", "{\"a\": [1, 2}");
        row("deep nesting", "{\"a\": " + QByteArray(200, '[') + QByteArray(200, ']') + "}");
    }

    // Whether a document is a JSON object, another JSON value or no JSON at
    // all, as Qt decides it; the members of an object as Qt reads them.
    void documents()
    {
        QFETCH(QByteArray, bytes);
        const FlatJson json = readFlatJson(bytes);
        QCOMPARE(json.outcome, qtOutcome(bytes));
        if (json.outcome != FlatJson::Object) {
            QVERIFY(json.members.empty());
            QVERIFY(json.outcome != FlatJson::Malformed || (json.errorOffset >= 0 && json.errorOffset <= bytes.size()));
            return;
        }
        const QJsonObject qt = QJsonDocument::fromJson(bytes).object();
        for (const JsonMember &m : json.members) {
            const QJsonValue value = qt.value(m.key);
            QCOMPARE(m.kind == JsonMember::String, value.isString());
            QCOMPARE(m.kind == JsonMember::Number, value.isDouble());
        }
        QJsonObject strings = asObject(json), qtStrings = qt;
        for (const QString &key : qt.keys())
            if (!qt.value(key).isString() && !qt.value(key).isDouble())
                qtStrings.insert(key, QJsonValue(QJsonValue::Null));
        QCOMPARE(strings, qtStrings);
    }

    // U+FEFF inside a string is a character of the text, wherever it stands
    // (Qt's own reader loses it at the start of a key or value).
    void byteOrderMarksInText()
    {
        const FlatJson json = readFlatJson("\xEF\xBB\xBF{\"\xEF\xBB\xBF\xEF\xBB\xBFk\": \"\xEF\xBB\xBF" "a\\n\xEF\xBB\xBF\"}");
        QCOMPARE(json.outcome, FlatJson::Object);
        QCOMPARE(json.members.size(), size_t(1));
        QCOMPARE(json.members[0].key, QStringLiteral("\uFEFF\uFEFFk"));
        QCOMPARE(json.members[0].text, QStringLiteral("\uFEFFa\n\uFEFF"));
    }

    // A lone value is JSON, but not an object: Qt's reader calls it
    // malformed, this one says what it is.
    void loneValues()
    {
        for (const QByteArray &bytes : {QByteArray("\"tekst\""), QByteArray("7"), QByteArray(" null "), QByteArray("[]")}) {
            const FlatJson json = readFlatJson(bytes);
            QCOMPARE(json.outcome, FlatJson::NotAnObject);
            QVERIFY(json.members.empty());
        }
    }

    // A nesting too deep to be a record is refused, not followed until the
    // stack runs out.
    void deepNestingRefused()
    {
        const QByteArray deep = "{\"a\": " + QByteArray(100000, '[') + QByteArray(100000, ']') + "}";
        const FlatJson json = readFlatJson(deep);
        QCOMPARE(json.outcome, FlatJson::Malformed);
        QVERIFY(json.errorOffset > 0 && json.errorOffset < deep.size());
    }
};

TABLICZNIK_TEST_MAIN(FlatJsonTest)
#include "flatjson_test.moc"
