#pragma once

// The catalogue as the tests use it: the program's own, loaded once per test
// program; its elements by number or symbol; a text field by its stored
// name, for tables of cases that name fields; and copies of it with some
// fields changed, for the rules the catalogue itself gives no example of.

#include "data/catalogue.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace tablicznik::testing {

// The program's own catalogue, loaded on first use. A catalogue that does not
// load throws CatalogueError here, at every use, as the loader does.
inline const Catalogue &programCatalogue()
{
    static const Catalogue loaded = Catalogue::load();
    return loaded;
}

// Element 1 ... 112 of the program's catalogue.
inline const ElementRecord &elementRecord(int numer) { return programCatalogue().element(numer); }

// The atomic number of the element with that symbol; 0 when there is none.
inline int numberOfSymbol(QStringView symbol)
{
    for (const ElementRecord &e : programCatalogue())
        if (e.Symbol == symbol)
            return e.Numer;
    return 0;
}

// The text field of the record stored under `name` ("PromAtom", "Nazwa" ...,
// and "Opis" for the description), read through the record's field list as
// the loader fills it. A name the record does not have fails the test that
// asks for it.
inline QString fieldOf(const ElementRecord &e, QStringView name)
{
    if (name == u"Opis")
        return e.Opis;
    for (const TextField &f : kStoredTextFields)
        if (name == QLatin1StringView(f.name))
            return e.*f.member;
    QTest::qFail(qPrintable(QStringLiteral("the element record has no field \"%1\"").arg(name)), __FILE__, __LINE__);
    return QStringLiteral("<no field %1>").arg(name);
}
inline QString fieldOf(const ElementRecord &e, const char *name) { return fieldOf(e, QString::fromLatin1(name)); }

// A change to one element's record.
struct Patch {
    int numer;
    const char *field;
    QString value;
};

// The program's catalogue with some fields changed, loaded from a copy.
inline Catalogue patchedCatalogue(const std::vector<Patch> &patches)
{
    QTemporaryDir dir;
    dir.setAutoRemove(true);
    for (int n = 1; n <= Catalogue::kCount; ++n) {
        const QString stem = QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        QFile::copy(QStringLiteral(":/catalogue/%1.rtf").arg(stem), dir.filePath(stem + QStringLiteral(".rtf")));
        QFile in(QStringLiteral(":/catalogue/%1.json").arg(stem));
        in.open(QIODevice::ReadOnly);
        QJsonObject record = QJsonDocument::fromJson(in.readAll()).object();
        for (const Patch &p : patches)
            if (p.numer == n)
                record.insert(QLatin1StringView(p.field), p.value);
        QFile out(dir.filePath(stem + QStringLiteral(".json")));
        out.open(QIODevice::WriteOnly);
        out.write(QJsonDocument(record).toJson());
    }
    return Catalogue::load(dir.path());
}

} // namespace tablicznik::testing
