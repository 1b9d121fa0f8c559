#pragma once

// The catalogue as the tests use it: the program's own, loaded once per test
// program; its elements by number or symbol; a text field by its stored
// name, for tables of cases that name fields; the abundances as amounts;
// and copies of it with some fields changed, for the rules the catalogue
// itself gives no example of.

#include "data/catalogue.h"
#include "data/stringtofloat.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>
#include <vector>

namespace tablicznik::testing {

// The program's own catalogue, loaded on first use. A catalogue that does not
// load throws CatalogueError here, at every use, as the loader does.
inline const Catalogue &programCatalogue()
{
    static const Catalogue loaded = Catalogue::load();
    return loaded;
}

// Element 1 ... 118 of the program's catalogue, whatever the naming.
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
        return e.Opis.text();
    for (const TextField &f : kStoredTextFields)
        if (name == QLatin1StringView(f.name))
            return e.*f.member;
    QTest::qFail(qPrintable(QStringLiteral("the element record has no field \"%1\"").arg(name)), __FILE__, __LINE__);
    return QStringLiteral("<no field %1>").arg(name);
}
inline QString fieldOf(const ElementRecord &e, const char *name) { return fieldOf(e, QString::fromLatin1(name)); }

// Grams per unit of the sea-water amounts ("108,1 kg", "4,6 g", "200 mg").
inline std::optional<double> gramsPer(QStringView unit)
{
    if (unit == u"kg")
        return 1e3;
    if (unit == u"g")
        return 1.0;
    if (unit == u"mg")
        return 1e-3;
    if (unit == u"\u00b5g")
        return 1e-6;
    if (unit == u"ng")
        return 1e-9;
    return std::nullopt;
}

// The amount a listed abundance stands for: "0,15", "5,0•10{\super -3}" as
// percent, the sea-water texts (`withUnit`) in grams. Nothing when the text
// is not one of these forms, so that a slip in the catalogue fails a test
// instead of ranking the element somewhere.
inline std::optional<double> abundanceAmount(const QString &text, bool withUnit)
{
    QString number = text;
    double scale = 1.0;
    if (withUnit) {
        const qsizetype blank = text.lastIndexOf(u' ');
        if (blank <= 0)
            return std::nullopt;
        const auto grams = gramsPer(QStringView(text).mid(blank + 1));
        if (!grams)
            return std::nullopt;
        scale = *grams;
        number = text.left(blank);
    }
    static const QRegularExpression form(
        QStringLiteral("^(\\d+(?:,\\d+)?)(?:\u202210\\{\\\\super (-?\\d+)\\})?$"));
    const auto match = form.match(number);
    if (!match.hasMatch())
        return std::nullopt;
    const ParsedNumber mantissa = StringToFloat(match.captured(1));
    if (mantissa.noNumber || mantissa.malformed)
        return std::nullopt;
    double value = mantissa.value * scale;
    if (match.hasCaptured(2)) {
        for (int e = match.captured(2).toInt(); e < 0; ++e)
            value /= 10;
        for (int e = match.captured(2).toInt(); e > 0; --e)
            value *= 10;
    }
    return value;
}

// The elements whose abundance field lists an amount, most abundant first,
// as the values on the details page rank them.
inline QList<int> abundanceRanking(QStringView field)
{
    const bool withUnit = field == u"ZawOcean";
    QList<std::pair<double, int>> amounts;
    for (const ElementRecord &e : programCatalogue())
        if (const auto value = abundanceAmount(fieldOf(e, field), withUnit))
            amounts.append({*value, e.Numer});
    std::stable_sort(amounts.begin(), amounts.end(), [](auto a, auto b) { return a.first > b.first; });
    QList<int> ranking;
    for (const auto &a : amounts)
        ranking << a.second;
    return ranking;
}

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
    for (int n = 1; n <= Catalogue::kModernCount; ++n) {
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
