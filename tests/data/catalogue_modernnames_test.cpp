#include "data/catalogue.h"
#include "data/modernnames.h"
#include "support/catalogue.h"
#include "richtext/rtfreader.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// The catalogue as it loads, with the systematic names.
const Catalogue &systematic() { return programCatalogue(); }

Catalogue modern()
{
    Catalogue catalogue = systematic();
    catalogue.setModernNames(true);
    return catalogue;
}

// Every value of a record by its key, Numer and Opis included.
QMap<QString, QString> valuesOf(const ElementRecord &record)
{
    QMap<QString, QString> values{{QStringLiteral("Numer"), QString::number(record.Numer)},
                                  {QStringLiteral("Opis"), record.Opis.text()}};
    for (const TextField &f : kStoredTextFields)
        values.insert(QLatin1StringView(f.name), record.*f.member);
    return values;
}

// The first paragraph of a description as the reader shows it.
QString headingShown(const QString &opis)
{
    QTextDocument document;
    readRtf(opis, &document);
    return document.begin().text();
}

QString squeezed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

const QSet<QString> kRenamedFields{"Symbol", "Nazwa", "NazAng", "NazLac", "Opis"};

} // namespace

// Today's names of elements 104 ... 112 in place of the systematic ones.
class CatalogueModernNamesTest : public QObject {
    Q_OBJECT

private slots:
    // The descriptions tell the pupil today's name and symbol in their text
    // ("... nazwę rutherford (symbol Rf) ..."); the table must say the same.
    // A symbol is the name's first letter in capital and a later letter of
    // it, and the Latin name is the English one, as for the systematic names.
    void tableAgreesWithTheDescriptions()
    {
        QCOMPARE(std::size(kModernNames), size_t(9));
        int expected = 104;
        for (const ModernName &m : kModernNames) {
            QCOMPARE(m.numer, expected++);
            const QString symbol = QString::fromUtf8(m.symbol), nazwa = QString::fromUtf8(m.nazwa);
            const QString english = QString::fromUtf8(m.nazAng);
            const ElementRecord &before = systematic().element(m.numer);
            const QString told = nazwa.toLower() + QStringLiteral(" (symbol ") + symbol + u')';
            QVERIFY2(squeezed(before.Opis.text()).contains(told), qPrintable(told));
            QVERIFY2(nazwa.at(0).isUpper() && nazwa.mid(1) == nazwa.mid(1).toLower(), m.nazwa);

            QCOMPARE(symbol.size(), 2);
            QCOMPARE(english.at(0), symbol.at(0));
            QVERIFY2(english.indexOf(symbol.at(1), 1) > 0, m.symbol);
            QVERIFY(english.endsWith(QStringLiteral("ium")));
            QCOMPARE(QString::fromUtf8(m.nazLac), english);
            QCOMPARE(before.NazLac, before.NazAng);
        }
    }

    // Loading gives the systematic names; the switch changes the four names
    // and the heading of 104 ... 112 and no other value of any record.
    void onlyTheNamesOfTheRenamedElementsChange()
    {
        QVERIFY(!systematic().modernNames());
        QCOMPARE(systematic().element(104).Symbol, QStringLiteral("Unq"));
        const Catalogue today = modern();
        QVERIFY(today.modernNames());

        // 113 ... 118 join the table, their records as loaded.
        for (int n = 1; n <= Catalogue::kModernCount; ++n) {
            const auto before = valuesOf(systematic().element(n)), after = valuesOf(today.element(n));
            for (auto it = before.begin(); it != before.end(); ++it) {
                const bool renamed = n >= 104 && n <= 112 && kRenamedFields.contains(it.key());
                QVERIFY2((after.value(it.key()) != it.value()) == renamed,
                         qPrintable(QStringLiteral("%1 %2").arg(n).arg(it.key())));
            }
        }
        QCOMPARE(valuesOf(today.dummy()), valuesOf(systematic().dummy()));
        for (const ModernName &m : kModernNames) {
            const ElementRecord &record = today.element(m.numer);
            QCOMPARE(QStringList({record.Symbol, record.Nazwa, record.NazAng, record.NazLac}),
                     QStringList({m.symbol, QString::fromUtf8(m.nazwa), m.nazAng, m.nazLac}));
        }
    }

    // The heading "Name (Symbol)" and the document's title follow the
    // names; the text below the heading (which explains the systematic
    // symbol) stays word for word.
    void descriptionHeadingsFollow()
    {
        const Catalogue today = modern();
        for (const ModernName &m : kModernNames) {
            const ElementRecord &before = systematic().element(m.numer), &after = today.element(m.numer);
            const QString oldHeading = before.Nazwa + QStringLiteral(" (") + before.Symbol + u')';
            const QString newHeading = after.Nazwa + QStringLiteral(" (") + after.Symbol + u')';
            const QString beforeText = before.Opis.text(), afterText = after.Opis.text();
            QCOMPARE(headingShown(beforeText), oldHeading);
            QCOMPARE(headingShown(afterText), newHeading);
            QVERIFY(afterText.contains(QStringLiteral("{\\title ") + newHeading + u'}'));
            QVERIFY(!afterText.contains(oldHeading));
            QCOMPARE(QString(afterText).replace(newHeading, oldHeading), beforeText);
            // The text still explains the systematic name and symbol.
            QVERIFY(afterText.contains(before.NazLac.toLower()));
            QVERIFY(afterText.contains(before.Symbol));
        }
    }

    // ElementNames and the lookup by name follow the naming; the names and
    // the symbols stay unique either way.
    void namesAndLookupFollow()
    {
        Catalogue catalogue = systematic();
        for (bool on : {true, false, true}) {
            catalogue.setModernNames(on);
            QCOMPARE(catalogue.modernNames(), on);
            QSet<QString> names, symbols;
            for (const ElementRecord &record : catalogue) {
                QCOMPARE(catalogue.elementNames().at(record.Numer - 1), record.Nazwa);
                QCOMPARE(catalogue.numberOf(record.Nazwa), record.Numer);
                names.insert(record.Nazwa);
                symbols.insert(record.Symbol);
            }
            // The table of 112, or today's of 118 with nihon ... oganeson.
            const int count = on ? 118 : 112;
            QCOMPARE(catalogue.count(), count);
            QCOMPARE(catalogue.elementNames().size(), count);
            QCOMPARE(names.size(), count);
            QCOMPARE(symbols.size(), count);
            QCOMPARE(catalogue.numberOf(QStringLiteral("Oganeson")), on ? 118 : 0);
            QCOMPARE(catalogue.numberOf(QStringLiteral("Nihon")), on ? 113 : 0);
            QCOMPARE(catalogue.contains(113), on);
            QCOMPARE(catalogue.element(118).Symbol, QStringLiteral("Og")); // loaded either way
            QCOMPARE(catalogue.numberOf(QStringLiteral("Kopernik")), on ? 112 : 0);
            QCOMPARE(catalogue.numberOf(QStringLiteral("Pierwiastek 112")), on ? 0 : 112);
            QCOMPARE(catalogue.numberOf(QStringLiteral("Wodór")), 1);
        }
    }

    // Back and forth, twice over, with repeated requests: the records stay
    // where they are (the buttons hold them) and come back exactly as loaded.
    void backAndForthRestoresTheLoadedRecords()
    {
        Catalogue catalogue = systematic();
        const ElementRecord *held = &catalogue.element(108);
        for (bool on : {true, true, false, true, false, false}) {
            catalogue.setModernNames(on);
            QCOMPARE(&catalogue.element(108), held);
            QCOMPARE(held->Symbol, on ? QStringLiteral("Hs") : QStringLiteral("Uno"));
        }
        for (int n = 1; n <= Catalogue::kCount; ++n)
            QCOMPARE(valuesOf(catalogue.element(n)), valuesOf(systematic().element(n)));
        QCOMPARE(catalogue.elementNames(), systematic().elementNames());

        // A copy keeps the naming it was made with and switches on its own.
        catalogue.setModernNames(true);
        Catalogue copy = catalogue;
        QVERIFY(copy.modernNames());
        copy.setModernNames(false);
        QCOMPARE(copy.element(108).Symbol, QStringLiteral("Uno"));
        QCOMPARE(catalogue.element(108).Symbol, QStringLiteral("Hs"));
    }

    // A catalogue in which another element already bears one of today's
    // names could not tell the two apart: it is refused, naming the file.
    void todaysNameTakenByAnotherElementIsRefused()
    {
        QTemporaryDir dir;
        for (const QString &name : QDir(QStringLiteral(":/catalogue")).entryList(QDir::Files)) {
            QVERIFY(QFile::copy(QStringLiteral(":/catalogue/") + name, dir.filePath(name)));
            QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
        }
        QFile file(dir.filePath(QStringLiteral("030.json")));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QJsonObject zinc = QJsonDocument::fromJson(file.readAll()).object();
        zinc.insert(QStringLiteral("Nazwa"), QStringLiteral("Kopernik"));
        file.resize(0);
        file.write(QJsonDocument(zinc).toJson());
        file.close();
        try {
            Catalogue::load(dir.path());
            QFAIL("loaded");
        } catch (const CatalogueError &e) {
            QVERIFY2(e.file.endsWith(QStringLiteral("112.json")), qPrintable(e.file));
            QVERIFY2(e.fault.contains(QStringLiteral("Kopernik")), qPrintable(e.fault));
        }
    }
};

TABLICZNIK_TEST_MAIN(CatalogueModernNamesTest)
#include "catalogue_modernnames_test.moc"
