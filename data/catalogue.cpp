#include "catalogue.h"

#include "richtext/cp1250.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace tablicznik {

CatalogueError::CatalogueError(const QString &file, const QString &fault)
    : std::runtime_error(QStringLiteral("%1: %2").arg(file, fault).toStdString()), file(file), fault(fault)
{
}

namespace {

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CatalogueError(path, QStringLiteral("the file is missing or cannot be read"));
    return file.readAll();
}

// The documents are written in Windows-1250; any byte above 0x7F outside an
// escape is a letter of that code page.
QString decodeDocument(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(cp1250ToUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

ElementRecord readRecord(QByteArrayView bytes, const QString &path, int expectedNumber)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw CatalogueError(path, QStringLiteral("not valid JSON (%1 at offset %2)")
                                       .arg(parseError.errorString()).arg(parseError.offset));
    if (!document.isObject())
        throw CatalogueError(path, QStringLiteral("the file must hold one JSON object"));
    const QJsonObject object = document.object();

    QSet<QString> known{QStringLiteral("Numer")};
    for (const auto &f : kStoredTextFields)
        known.insert(QLatin1StringView(f.name));
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            throw CatalogueError(path, QStringLiteral("unknown key \"%1\"").arg(it.key()));

    ElementRecord record;
    const QJsonValue numer = object.value(QLatin1StringView("Numer"));
    if (numer.isUndefined())
        throw CatalogueError(path, QStringLiteral("missing key \"Numer\""));
    if (!numer.isDouble() || numer.toDouble() != numer.toInt())
        throw CatalogueError(path, QStringLiteral("\"Numer\" must be a whole number"));
    record.Numer = numer.toInt();
    if (record.Numer != expectedNumber)
        throw CatalogueError(path, QStringLiteral("\"Numer\" is %1 but the file belongs to element %2")
                                       .arg(record.Numer).arg(expectedNumber));

    for (const auto &f : kStoredTextFields) {
        const QLatin1StringView key(f.name);
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            throw CatalogueError(path, QStringLiteral("missing key \"%1\"").arg(key));
        if (!value.isString())
            throw CatalogueError(path, QStringLiteral("the value of \"%1\" must be a text").arg(key));
        record.*f.member = value.toString();
    }
    if (record.Symbol.isEmpty() || record.Nazwa.isEmpty())
        throw CatalogueError(path, QStringLiteral("\"Symbol\" and \"Nazwa\" must not be empty"));
    return record;
}

} // namespace

ElementRecord Catalogue::readElement(QByteArrayView record, QByteArrayView description, int expectedNumber,
                                     const QString &recordName, const QString &descriptionName)
{
    ElementRecord element = readRecord(record, recordName, expectedNumber);
    element.Opis = decodeDocument(description);
    if (!element.Opis.startsWith(QLatin1StringView("{\\rtf1\\ansi")))
        throw CatalogueError(descriptionName, QStringLiteral("the description is not an RTF document"));
    if (element.Opis.size() > kDescriptionLimit)
        throw CatalogueError(descriptionName, QStringLiteral("the description has %1 characters, more than the %2 allowed")
                                                  .arg(element.Opis.size()).arg(kDescriptionLimit));
    return element;
}

Catalogue Catalogue::load(const QString &folder)
{
    Catalogue catalogue;
    catalogue.m_elements.reserve(kCount);
    catalogue.m_dummy.Symbol = QStringLiteral("Dummy");

    QSet<QString> names;
    for (int n = 1; n <= kCount; ++n) {
        const QString stem = folder + QStringLiteral("/%1").arg(n, 3, 10, QLatin1Char('0'));
        const QString jsonPath = stem + QStringLiteral(".json");
        const QString rtfPath = stem + QStringLiteral(".rtf");
        const QByteArray json = readWhole(jsonPath);
        ElementRecord record = readElement(json, readWhole(rtfPath), n, jsonPath, rtfPath);
        if (names.contains(record.Nazwa))
            throw CatalogueError(jsonPath, QStringLiteral("the name \"%1\" is already used by another element").arg(record.Nazwa));
        names.insert(record.Nazwa);
        catalogue.m_names << record.Nazwa;
        catalogue.m_elements.push_back(std::move(record));
    }
    return catalogue;
}

int Catalogue::numberOf(const QString &polishName) const
{
    const auto index = m_names.indexOf(polishName);
    return index < 0 || polishName.isEmpty() ? 0 : int(index) + 1;
}

} // namespace tablicznik
