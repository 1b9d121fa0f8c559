#include "support/catalogue.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// A writable copy of the program's own catalogue, to spoil one file at a time.
struct CatalogueCopy {
    QTemporaryDir dir;
    CatalogueCopy()
    {
        for (const QString &name : QDir(QStringLiteral(":/catalogue")).entryList(QDir::Files)) {
            const QString target = dir.filePath(name);
            QFile::copy(QStringLiteral(":/catalogue/") + name, target);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QJsonObject record(const QString &name) const
    {
        QFile file(path(name));
        file.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(file.readAll()).object();
    }
    void writeRecord(const QString &name, const QJsonObject &object) const { write(name, QJsonDocument(object).toJson()); }
};

using Spoiler = std::function<void(const CatalogueCopy &)>;

} // namespace

Q_DECLARE_METATYPE(Spoiler)

class CatalogueLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void loadsTheProgramsCatalogue()
    {
        const Catalogue catalogue = Catalogue::load();
        int expected = 1;
        for (const ElementRecord &record : catalogue) {
            QCOMPARE(record.Numer, expected++);
            QVERIFY(!record.Symbol.isEmpty());
            QVERIFY(record.Opis.text().startsWith(QLatin1StringView("{\\rtf1\\ansi")));
        }
        QCOMPARE(expected, 113);
        QCOMPARE(catalogue.element(26).Symbol, QStringLiteral("Fe"));
        QCOMPARE(catalogue.element(26).Nazwa, QStringLiteral("Żelazo"));
        QCOMPARE(catalogue.element(104).Nazwa, QStringLiteral("Pierwiastek 104"));
        QCOMPARE(catalogue.element(112).Symbol, QStringLiteral("Uub"));
    }

    void placeholder()
    {
        const Catalogue catalogue = Catalogue::load();
        const ElementRecord &dummy = catalogue.dummy();
        QCOMPARE(dummy.Numer, 0);
        QCOMPARE(dummy.Symbol, QStringLiteral("Dummy"));
        QVERIFY(dummy.Nazwa.isEmpty());
        for (const auto &f : kStoredTextFields)
            if (QLatin1StringView(f.name) != QLatin1StringView("Symbol"))
                QVERIFY2((dummy.*f.member).isEmpty(), f.name);
        QVERIFY(dummy.Opis.isEmpty());
        for (const ElementRecord &record : catalogue)
            QVERIFY(&record != &dummy);
    }

    void namesAndLookup()
    {
        const Catalogue catalogue = Catalogue::load();
        QCOMPARE(catalogue.elementNames().size(), 112);
        QCOMPARE(catalogue.elementNames().first(), QStringLiteral("Wodór"));
        QCOMPARE(catalogue.elementNames().at(79), QStringLiteral("Rtęć"));
        QCOMPARE(catalogue.numberOf(QStringLiteral("Pierwiastek 104")), 104);
        QCOMPARE(catalogue.numberOf(QStringLiteral("Żelazo")), 26);
        QCOMPARE(catalogue.numberOf(QStringLiteral("Dummy")), 0);
        QCOMPARE(catalogue.numberOf(QString()), 0);
        QCOMPARE(catalogue.numberOf(QStringLiteral("żelazo")), 0); // case-sensitive
    }

    // The field list the loader fills the records by: every stored name
    // once, each bound to a member of its own, the symbol and the name first.
    void fieldListNamesEveryMemberOnce()
    {
        QSet<QString> names;
        for (std::size_t i = 0; i < std::size(kStoredTextFields); ++i) {
            names.insert(QString::fromLatin1(kStoredTextFields[i].name));
            for (std::size_t j = 0; j < i; ++j)
                QVERIFY2(kStoredTextFields[i].member != kStoredTextFields[j].member, kStoredTextFields[i].name);
        }
        QCOMPARE(names.size(), qsizetype(std::size(kStoredTextFields)));
        QCOMPARE(QLatin1StringView(kStoredTextFields[0].name), QLatin1StringView("Symbol"));
        QCOMPARE(QLatin1StringView(kStoredTextFields[1].name), QLatin1StringView("Nazwa"));
        QVERIFY(!names.contains(QStringLiteral("Numer")) && !names.contains(QStringLiteral("Opis")));
        const ElementRecord &oxygen = programCatalogue().element(8);
        QCOMPARE(fieldOf(oxygen, "Nazwa"), QStringLiteral("Tlen"));
        QCOMPARE(fieldOf(oxygen, "Symbol"), QStringLiteral("O"));
        QCOMPARE(fieldOf(oxygen, "NazLac"), QStringLiteral("Oxygenium"));
    }

    void malformedFiles_data()
    {
        QTest::addColumn<Spoiler>("spoil");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fault");
        QTest::newRow("bad JSON") << Spoiler([](auto &c) { c.write("007.json", "{\"Numer\": 7,"); })
                                  << "007.json" << "poprawny zapis JSON";
        QTest::newRow("not an object") << Spoiler([](auto &c) { c.write("007.json", "[1, 2]"); })
                                       << "007.json" << "jeden obiekt JSON";
        QTest::newRow("unknown key") << Spoiler([](auto &c) {
            auto o = c.record("010.json");
            o.insert("Kolor", "zielony");
            c.writeRecord("010.json", o);
        }) << "010.json" << "nieznany klucz „Kolor”";
        QTest::newRow("renamed key") << Spoiler([](auto &c) {
            auto o = c.record("026.json");
            o.remove("Gestosc");
            o.insert(QStringLiteral("Gęstość"), "7,86");
            c.writeRecord("026.json", o);
        }) << "026.json" << "nieznany klucz „Gęstość”"; // named before the key it replaces is missed
        QTest::newRow("missing key") << Spoiler([](auto &c) {
            auto o = c.record("050.json");
            o.remove("Mineraly");
            c.writeRecord("050.json", o);
        }) << "050.json" << "brak klucza „Mineraly”";
        QTest::newRow("missing number") << Spoiler([](auto &c) {
            auto o = c.record("050.json");
            o.remove("Numer");
            c.writeRecord("050.json", o);
        }) << "050.json" << "brak klucza „Numer”";
        QTest::newRow("wrong number") << Spoiler([](auto &c) {
            auto o = c.record("020.json");
            o.insert("Numer", 21);
            c.writeRecord("020.json", o);
        }) << "020.json" << "„Numer” ma wartość 21";
        QTest::newRow("duplicate number") << Spoiler([](auto &c) { QFile::remove(c.path("021.json")); QFile::copy(c.path("020.json"), c.path("021.json")); })
                                          << "021.json" << "„Numer” ma wartość 20";
        QTest::newRow("fractional number") << Spoiler([](auto &c) {
            auto o = c.record("020.json");
            o.insert("Numer", 20.5);
            c.writeRecord("020.json", o);
        }) << "020.json" << "liczbą całkowitą";
        QTest::newRow("value not a text") << Spoiler([](auto &c) {
            auto o = c.record("030.json");
            o.insert("Gestosc", 7.14);
            c.writeRecord("030.json", o);
        }) << "030.json" << "„Gestosc” musi być tekstem";
        QTest::newRow("duplicate name") << Spoiler([](auto &c) {
            auto o = c.record("031.json");
            o.insert("Nazwa", "Cynk");
            c.writeRecord("031.json", o);
        }) << "031.json" << "nosi już inny";
        QTest::newRow("missing record") << Spoiler([](auto &c) { QFile::remove(c.path("112.json")); })
                                        << "112.json" << "nie istnieje";
        QTest::newRow("missing description") << Spoiler([](auto &c) { QFile::remove(c.path("064.rtf")); })
                                             << "064.rtf" << "nie istnieje";
        QTest::newRow("description too long") << Spoiler([](auto &c) {
            c.write("064.rtf", "{\\rtf1\\ansi " + QByteArray(10000, 'x') + "}");
        }) << "064.rtf" << "więcej niż dozwolone 10000";
        QTest::newRow("description not RTF") << Spoiler([](auto &c) { c.write("003.rtf", "Lit to metal."); })
                                             << "003.rtf" << "nie jest dokumentem RTF";
        QTest::newRow("empty file") << Spoiler([](auto &c) { c.write("099.json", ""); }) << "099.json" << "poprawny zapis JSON";
        QTest::newRow("binary garbage") << Spoiler([](auto &c) { c.write("099.json", QByteArray("\xff\xfe\x00\x01", 4)); })
                                        << "099.json" << "poprawny zapis JSON";
    }
    void malformedFiles()
    {
        QFETCH(Spoiler, spoil);
        QFETCH(QString, file);
        QFETCH(QString, fault);
        CatalogueCopy copy;
        QVERIFY(copy.dir.isValid());
        spoil(copy);
        try {
            Catalogue::load(copy.dir.path());
            QFAIL("the spoiled catalogue was accepted");
        } catch (const CatalogueError &error) {
            QVERIFY2(error.file.endsWith(file), qPrintable(error.file));
            QVERIFY2(error.fault.contains(fault), qPrintable(error.fault));
            QVERIFY(QString::fromStdString(error.what()).contains(file));
        }
    }

    // The program reads its own catalogue in place from the resources; a copy
    // in a folder, read through files, gives the same records. Bytes above
    // 0x7F in a description are Windows-1250 letters.
    void resourcesAndFilesAgree()
    {
        const Catalogue own = Catalogue::load();
        CatalogueCopy copy;
        const Catalogue copied = Catalogue::load(copy.dir.path());
        for (int n = 1; n <= Catalogue::kModernCount; ++n) {
            QCOMPARE(copied.element(n).Opis.text(), own.element(n).Opis.text());
            QCOMPARE(copied.element(n).Izotopy, own.element(n).Izotopy);
            QCOMPARE(copied.element(n).Nazwa, own.element(n).Nazwa);
        }
        copy.write("008.rtf", "{\\rtf1\\ansi Tlen \xb9\xea\xb3\x9c\xbf \x80}");
        QCOMPARE(Catalogue::load(copy.dir.path()).element(8).Opis.text(), QStringLiteral("{\\rtf1\\ansi Tlen ąęłśż €}"));
    }

    // An untouched copy loads, and a description of exactly the limit is
    // accepted: the faults above are the spoiling's doing.
    void descriptionAtTheLimit()
    {
        CatalogueCopy copy;
        QCOMPARE(Catalogue::load(copy.dir.path()).element(64).Symbol, QStringLiteral("Gd"));
        const QByteArray head = "{\\rtf1\\ansi ";
        // Letters of the code page count one character each, as they show.
        copy.write("064.rtf", head + QByteArray(Catalogue::kDescriptionLimit - head.size() - 1, '\xb9') + "}");
        const Catalogue atLimit = Catalogue::load(copy.dir.path());
        QCOMPARE(atLimit.element(64).Opis.size(), Catalogue::kDescriptionLimit);
        const QString text = atLimit.element(64).Opis.text();
        QCOMPARE(text.size(), Catalogue::kDescriptionLimit);
        QCOMPARE(text.count(u'ą'), Catalogue::kDescriptionLimit - head.size() - 1);
    }

    // The records keep their descriptions' bytes: a catalogue read from a
    // folder still gives every description after the folder is gone.
    void descriptionsOutliveTheirFiles()
    {
        std::optional<Catalogue> copied;
        {
            CatalogueCopy copy;
            copy.write("026.rtf", "{\\rtf1\\ansi \xa3\xf3" "d\x9f}");
            copied = Catalogue::load(copy.dir.path());
        }
        const Catalogue own = Catalogue::load();
        QCOMPARE(copied->element(26).Opis.text(), QStringLiteral("{\\rtf1\\ansi Łódź}"));
        for (int n : {1, 8, 112})
            QCOMPARE(copied->element(n).Opis.text(), own.element(n).Opis.text());
    }
};

TABLICZNIK_TEST_MAIN(CatalogueLoaderTest)
#include "catalogue_loader_test.moc"
