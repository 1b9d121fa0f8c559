#include "catalogue.h"

#include "modernnames.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QResource>
#include <QSet>

#include <array>
#include <cmath>
#include <iterator>
#include <limits>

namespace tablicznik {

CatalogueError::CatalogueError(const QString &file, const QString &fault)
    : std::runtime_error(QStringLiteral("%1: %2").arg(file, fault).toStdString()), file(file), fault(fault)
{
}

namespace {

QByteArray readWhole(const QString &path)
{
    // The program's own catalogue lies in its resources, which live as long
    // as the program: a file the resource compiler left uncompressed (all of
    // them today) is read in place, without a copy.
    if (path.startsWith(u':')) {
        const QResource resource(path);
        if (resource.isValid() && resource.data() && resource.compressionAlgorithm() == QResource::NoCompression)
            return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CatalogueError(path, QStringLiteral("plik nie istnieje lub nie można go odczytać"));
    return file.readAll();
}

ElementRecord readRecord(QByteArrayView bytes, const QString &path, int expectedNumber)
{
    QJsonParseError parseError;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(bytes.data(), bytes.size()), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw CatalogueError(path, QStringLiteral("to nie jest poprawny zapis JSON (błąd przy znaku %1)")
                                       .arg(parseError.offset));
    if (!document.isObject())
        throw CatalogueError(path, QStringLiteral("plik musi zawierać jeden obiekt JSON"));
    const QJsonObject object = document.object();

    // One pass over the object's keys, each looked up in a table made once.
    static const QHash<QString, int> fieldOfKey = [] {
        QHash<QString, int> table;
        for (std::size_t i = 0; i < std::size(kStoredTextFields); ++i)
            table.insert(QLatin1StringView(kStoredTextFields[i].name), int(i));
        return table;
    }();
    std::array<QJsonObject::const_iterator, std::size(kStoredTextFields)> found;
    found.fill(object.constEnd());
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString key = it.key();
        if (const auto field = fieldOfKey.constFind(key); field != fieldOfKey.constEnd())
            found[std::size_t(*field)] = it;
        else if (key != u"Numer")
            throw CatalogueError(path, QStringLiteral("nieznany klucz „%1”").arg(key));
    }

    ElementRecord record;
    const QJsonValue numer = object.value(QLatin1StringView("Numer"));
    if (numer.isUndefined())
        throw CatalogueError(path, QStringLiteral("brak klucza „Numer”"));
    // A whole number in the range of int, however it is written (20, 2e1, 20.0).
    const double number = numer.toDouble();
    if (!numer.isDouble() || !(std::abs(number) <= std::numeric_limits<int>::max()) || number != std::trunc(number))
        throw CatalogueError(path, QStringLiteral("„Numer” musi być liczbą całkowitą"));
    record.Numer = int(number);
    if (record.Numer != expectedNumber)
        throw CatalogueError(path, QStringLiteral("„Numer” ma wartość %1, a plik należy do pierwiastka %2")
                                       .arg(record.Numer).arg(expectedNumber));

    for (std::size_t i = 0; i < found.size(); ++i) {
        const QLatin1StringView key(kStoredTextFields[i].name);
        if (found[i] == object.constEnd())
            throw CatalogueError(path, QStringLiteral("brak klucza „%1”").arg(key));
        if (!found[i]->isString())
            throw CatalogueError(path, QStringLiteral("wartość „%1” musi być tekstem").arg(key));
        record.*kStoredTextFields[i].member = found[i]->toString();
    }
    if (record.Symbol.isEmpty() || record.Nazwa.isEmpty())
        throw CatalogueError(path, QStringLiteral("„Symbol” i „Nazwa” nie mogą być puste"));
    return record;
}

// A description's heading (and its title) names the element as "Name (Symbol)".
QString heading(const QString &nazwa, const QString &symbol)
{
    return nazwa + QLatin1StringView(" (") + symbol + QLatin1Char(')');
}

} // namespace

ElementRecord Catalogue::readElement(QByteArrayView record, const QByteArray &description, int expectedNumber,
                                     const QString &recordName, const QString &descriptionName)
{
    ElementRecord element = readRecord(record, recordName, expectedNumber);
    // One character a byte, and the header is plain ASCII: both are checked
    // on the bytes, which are decoded only when the description is read.
    if (!description.startsWith("{\\rtf1\\ansi"))
        throw CatalogueError(descriptionName, QStringLiteral("opis nie jest dokumentem RTF"));
    if (description.size() > kDescriptionLimit)
        throw CatalogueError(descriptionName, QStringLiteral("opis ma %1 znaków, więcej niż dozwolone %2")
                                                  .arg(description.size()).arg(kDescriptionLimit));
    element.Opis = Description(description);
    return element;
}

Catalogue Catalogue::load(const QString &folder)
{
    Catalogue catalogue;
    catalogue.m_elements.reserve(kModernCount);
    catalogue.m_dummy.Symbol = QStringLiteral("Dummy");

    QSet<QString> names;
    for (int n = 1; n <= kModernCount; ++n) {
        const QString stem = folder + QStringLiteral("/%1").arg(n, 3, 10, QLatin1Char('0'));
        const QString jsonPath = stem + QStringLiteral(".json");
        const QString rtfPath = stem + QStringLiteral(".rtf");
        const QByteArray json = readWhole(jsonPath);
        ElementRecord record = readElement(json, readWhole(rtfPath), n, jsonPath, rtfPath);
        if (names.contains(record.Nazwa))
            throw CatalogueError(jsonPath, QStringLiteral("nazwę „%1” nosi już inny pierwiastek").arg(record.Nazwa));
        names.insert(record.Nazwa);
        catalogue.m_names << record.Nazwa;
        catalogue.m_elements.push_back(std::move(record));
    }

    for (const ModernName &m : kModernNames) {
        const ElementRecord &record = catalogue.element(m.numer);
        Naming systematic{record.Symbol, record.Nazwa, record.NazAng, record.NazLac, record.Opis};
        Naming modern{QString::fromUtf8(m.symbol), QString::fromUtf8(m.nazwa), QString::fromUtf8(m.nazAng),
                      QString::fromUtf8(m.nazLac), record.Opis};
        if (modern.Nazwa != record.Nazwa && names.contains(modern.Nazwa))
            throw CatalogueError(
                folder + QStringLiteral("/%1.json").arg(m.numer, 3, 10, QLatin1Char('0')),
                QStringLiteral("today's name \"%1\" is already used by another element").arg(modern.Nazwa));
        modern.Opis = record.Opis.renamed(heading(record.Nazwa, record.Symbol), heading(modern.Nazwa, modern.Symbol));
        catalogue.m_renamed.push_back({m.numer, std::move(systematic), std::move(modern)});
    }
    catalogue.m_tableNames = catalogue.m_names.first(kCount);
    return catalogue;
}

void Catalogue::setModernNames(bool on)
{
    if (on == m_modernNames)
        return;
    m_modernNames = on;
    for (const Renamed &renamed : m_renamed)
        apply(renamed, on);
    m_tableNames = m_names.first(count());
}

void Catalogue::apply(const Renamed &renamed, bool modern)
{
    const Naming &naming = modern ? renamed.modern : renamed.systematic;
    ElementRecord &record = m_elements.at(renamed.numer - 1);
    record.Symbol = naming.Symbol;
    record.Nazwa = naming.Nazwa;
    record.NazAng = naming.NazAng;
    record.NazLac = naming.NazLac;
    record.Opis = naming.Opis;
    m_names[renamed.numer - 1] = naming.Nazwa;
}

int Catalogue::numberOf(const QString &polishName) const
{
    const auto index = m_tableNames.indexOf(polishName);
    return index < 0 || polishName.isEmpty() ? 0 : int(index) + 1;
}

} // namespace tablicznik
