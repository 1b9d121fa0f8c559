// The catalogue's names, masses, electron structure, isotopes, discovery
// years and states of matter: the counts and values the program's views and
// pages depend on.

#include "data/stringtofloat.h"
#include "support/catalogue.h"
#include "support/testmain.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <optional>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

const std::array<const char *, 7> kShellFields{"PowK", "PowL", "PowM", "PowN", "PowO", "PowP", "PowQ"};

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers << n;
    return numbers;
}

} // namespace

class CatalogueStructureTest : public QObject {
    Q_OBJECT

    const Catalogue *m_catalogue = nullptr;

    const ElementRecord &element(int numer) const { return m_catalogue->element(numer); }
    QString value(int numer, const char *field) const
    {
        return fieldOf(element(numer), field);
    }
    // The elements whose field equals the text, in atomic-number order.
    QList<int> holding(const char *field, const QString &text) const
    {
        QList<int> numbers;
        for (const ElementRecord &e : *m_catalogue)
            if (fieldOf(e, field) == text)
                numbers << e.Numer;
        return numbers;
    }
    // Shell occupancy as a number; 0 for an empty shell ("-").
    int electrons(int numer, int shell) const
    {
        const ParsedNumber parsed = StringToFloat(value(numer, kShellFields[shell]));
        return parsed.noNumber ? 0 : int(parsed.value);
    }

private slots:
    void initTestCase()
    {
        try {
            m_catalogue = &programCatalogue();
        } catch (const CatalogueError &error) {
            QFAIL(error.what());
        }
    }

    void noDataMarkers_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("dashes");
        QTest::newRow("configuration") << "KonfElektr" << 7;
        QTest::newRow("shell K") << "PowK" << 7;
        QTest::newRow("shell L") << "PowL" << 9;
        QTest::newRow("shell M") << "PowM" << 17;
        QTest::newRow("shell N") << "PowN" << 25;
        QTest::newRow("shell O") << "PowO" << 44;
        QTest::newRow("shell P") << "PowP" << 61;
        QTest::newRow("shell Q") << "PowQ" << 93;
        QTest::newRow("isotope list") << "Izotopy" << 1;
        QTest::newRow("English name") << "NazAng" << 0;
        QTest::newRow("Latin name") << "NazLac" << 0;
        QTest::newRow("atomic mass") << "MasaAtom" << 0;
        QTest::newRow("known isotopes") << "LiczIzotop" << 0;
        QTest::newRow("stable isotopes") << "LiczTrIzotop" << 0;
        QTest::newRow("discovery") << "RokOdkryc" << 0;
        QTest::newRow("state of matter") << "StanSkup" << 0;
    }
    void noDataMarkers()
    {
        QFETCH(QString, field);
        QFETCH(int, dashes);
        const QByteArray name = field.toLatin1();
        QCOMPARE(holding(name.constData(), QStringLiteral("-")).size(), dashes);
        QCOMPARE(holding(name.constData(), QString()), QList<int>());
    }

    void quotedValues_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const auto row = [](int numer, const char *field, const QString &expected) {
            QTest::addRow("%d %s", numer, field) << numer << QString::fromLatin1(field) << expected;
        };
        row(1, "KonfElektr", QStringLiteral("1s{\\super 1}"));
        row(1, "NazAng", QStringLiteral("Hydrogen"));
        row(1, "NazLac", QStringLiteral("Hydrogenium"));
        row(1, "MasaAtom", QStringLiteral("1,00794"));
        row(1, "LiczIzotop", QStringLiteral("3"));
        row(1, "LiczTrIzotop", QStringLiteral("2"));
        row(1, "RokOdkryc", QStringLiteral("1766"));
        row(1, "StanSkup", QStringLiteral("gazowy"));
        row(1, "PowK", QStringLiteral("1"));
        for (const char *shell : {"PowL", "PowM", "PowN", "PowO", "PowP", "PowQ"})
            row(1, shell, QStringLiteral("-"));
        row(2, "RokOdkryc", QStringLiteral("1868 (1895)"));
        // Moissan isolated fluorine in 1886; the first year is Ampère's naming of it.
        row(9, "RokOdkryc", QStringLiteral("1810 (1886)"));
        row(102, "RokOdkryc", QStringLiteral("1957 (1958)"));
        row(15, "RokOdkryc", QStringLiteral("1669"));
        row(78, "RokOdkryc", QStringLiteral("1750"));
        row(98, "RokOdkryc", QStringLiteral("1950"));
        row(106, "RokOdkryc", QStringLiteral("1974"));
        row(107, "RokOdkryc", QStringLiteral("1976"));
        row(104, "KonfElektr", QStringLiteral("[Rn]5f{\\super 14}6d{\\super 2}7s{\\super 2}"));
        row(104, "MasaAtom", QStringLiteral("261,1"));
        row(104, "RokOdkryc", QStringLiteral("1964"));
        const std::array<const char *, 7> unqShells{"2", "8", "18", "32", "32", "10", "2"};
        for (int s = 0; s < 7; ++s)
            row(104, kShellFields[s], QString::fromLatin1(unqShells[s]));
        row(104, "Izotopy", QStringLiteral("{\\super 257}Unq (4,7 sek.), {\\super 261}Unq (65 sek.)."));
        row(104, "NazAng", QStringLiteral("Unnilquadium"));
        row(104, "NazLac", QStringLiteral("Unnilquadium"));
        row(112, "NazAng", QStringLiteral("Ununbium"));
        row(112, "MasaAtom", QStringLiteral("277"));
        row(112, "LiczIzotop", QStringLiteral("1"));
        row(112, "LiczTrIzotop", QStringLiteral("0"));
        row(112, "RokOdkryc", QStringLiteral("1996"));
        row(112, "StanSkup", QStringLiteral("ciało stałe"));
        row(112, "KonfElektr", QStringLiteral("-"));
        row(43, "LiczTrIzotop", QStringLiteral("0"));
        row(61, "LiczTrIzotop", QStringLiteral("0"));
        row(50, "LiczTrIzotop", QStringLiteral("10"));
        row(45, "PowO", QStringLiteral("1"));
        row(46, "PowO", QStringLiteral("-"));
        row(36, "PowO", QStringLiteral("-"));
    }
    void quotedValues()
    {
        QFETCH(int, numer);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QCOMPARE(fieldOf(element(numer), field), expected);
    }

    // Every value of these fields is a no-data marker or a number the
    // program's reader accepts; the counts are whole numbers.
    void numericFieldsParse()
    {
        static const QRegularExpression wholeNumber(QStringLiteral("^\\d+$"));
        static const QRegularExpression mass(QStringLiteral("^\\d+(,\\d+)?$"));
        for (const ElementRecord &e : *m_catalogue) {
            for (const char *field : {"MasaAtom", "LiczIzotop", "LiczTrIzotop", "PowK", "PowL", "PowM",
                                      "PowN", "PowO", "PowP", "PowQ"}) {
                const QString text = fieldOf(e, field);
                const ParsedNumber parsed = StringToFloat(text);
                QVERIFY2(!parsed.malformed, qPrintable(QStringLiteral("%1 of %2: \"%3\"").arg(field).arg(e.Numer).arg(text)));
                QVERIFY2(!parsed.noNumber || text == QLatin1StringView("-"),
                         qPrintable(QStringLiteral("%1 of %2 holds no number").arg(field).arg(e.Numer)));
            }
            QVERIFY2(mass.match(e.MasaAtom).hasMatch(), qPrintable(e.MasaAtom));
            QVERIFY2(wholeNumber.match(e.LiczIzotop).hasMatch(), qPrintable(e.LiczIzotop));
            QVERIFY2(wholeNumber.match(e.LiczTrIzotop).hasMatch(), qPrintable(e.LiczTrIzotop));
            QVERIFY2(e.LiczTrIzotop.toInt() <= e.LiczIzotop.toInt(),
                     qPrintable(QStringLiteral("element %1 has more stable isotopes than known ones").arg(e.Numer)));
        }
    }

    // The shells are read off the configuration: noble-gas core plus the
    // listed orbitals, and they add up to the atomic number.
    void shellsFollowConfiguration()
    {
        static const QRegularExpression form(QStringLiteral("^(\\[(He|Ne|Ar|Kr|Xe|Rn)\\])?(\\d[spdf]\\{\\\\super \\d+\\})+$"));
        static const QRegularExpression orbital(QStringLiteral("(\\d)[spdf]\\{\\\\super (\\d+)\\}"));
        const QHash<QString, int> core{{QStringLiteral("He"), 2}, {QStringLiteral("Ne"), 10},
                                       {QStringLiteral("Ar"), 18}, {QStringLiteral("Kr"), 36},
                                       {QStringLiteral("Xe"), 54}, {QStringLiteral("Rn"), 86}};
        for (const ElementRecord &e : *m_catalogue) {
            if (e.KonfElektr == QLatin1StringView("-")) {
                for (const char *shell : kShellFields)
                    QCOMPARE(fieldOf(e, shell), QStringLiteral("-"));
                continue;
            }
            const QRegularExpressionMatch whole = form.match(e.KonfElektr);
            QVERIFY2(whole.hasMatch(), qPrintable(e.KonfElektr));
            std::array<int, 7> expected{};
            if (!whole.captured(2).isEmpty()) {
                const int coreNumber = core.value(whole.captured(2));
                for (int s = 0; s < 7; ++s)
                    expected[s] = electrons(coreNumber, s);
            }
            for (const auto &m : orbital.globalMatch(e.KonfElektr))
                expected[m.captured(1).toInt() - 1] += m.captured(2).toInt();
            int total = 0;
            for (int s = 0; s < 7; ++s) {
                total += electrons(e.Numer, s);
                QVERIFY2(electrons(e.Numer, s) == expected[s],
                         qPrintable(QStringLiteral("element %1, %2: %3 in the configuration")
                                        .arg(e.Numer).arg(kShellFields[s]).arg(expected[s])));
                const QString text = fieldOf(e, kShellFields[s]);
                QVERIFY(text != QLatin1StringView("0"));
            }
            QCOMPARE(total, e.Numer);
        }
    }

    // Where each shell loses electrons against the previous element, and
    // where it starts to fill after an empty shell.
    void shellChanges_data()
    {
        QTest::addColumn<int>("shell");
        QTest::addColumn<QList<int>>("drops");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("K") << 0 << QList<int>{} << QList<int>{1};
        QTest::newRow("L") << 1 << QList<int>{} << QList<int>{3};
        QTest::newRow("M") << 2 << QList<int>{} << QList<int>{11};
        QTest::newRow("N: chromium, copper") << 3 << QList<int>{24, 29} << QList<int>{19};
        QTest::newRow("O: niobium, ruthenium, palladium, cerium, terbium") << 4 << QList<int>{41, 44, 46, 58, 65} << QList<int>{37, 47};
        QTest::newRow("P: platinum and three actinides") << 5 << QList<int>{78, 91, 94, 98} << QList<int>{55};
        QTest::newRow("Q") << 6 << QList<int>{} << QList<int>{87};
    }
    void shellChanges()
    {
        QFETCH(int, shell);
        QFETCH(QList<int>, drops);
        QFETCH(QList<int>, starts);
        QList<int> gotDrops, gotStarts;
        int previous = 0;
        for (int n = 1; n <= 105; ++n) {
            const int own = electrons(n, shell);
            if (own < previous)
                gotDrops << n;
            if (own > 0 && previous == 0)
                gotStarts << n;
            previous = own;
        }
        QCOMPARE(gotDrops, drops);
        QCOMPARE(gotStarts, starts);
    }

    void innerAndOuterShells()
    {
        QCOMPARE(holding("PowK", QStringLiteral("2")), range(2, 105));
        QCOMPARE(holding("PowL", QStringLiteral("8")), range(10, 105));
        QCOMPARE(holding("PowQ", QStringLiteral("2")), range(88, 105));
        QCOMPARE(holding("PowQ", QStringLiteral("1")), QList<int>{87});
        QCOMPARE(holding("KonfElektr", QStringLiteral("-")), range(106, 112));
    }

    void statesOfMatter_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QList<int>>("elements");
        QTest::newRow("gases") << QStringLiteral("gazowy") << QList<int>{1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86};
        QTest::newRow("liquids") << QStringLiteral("ciekły") << QList<int>{35, 80};
        QList<int> solids = range(1, 112);
        for (int n : {1, 2, 7, 8, 9, 10, 17, 18, 35, 36, 54, 80, 86})
            solids.removeOne(n);
        QTest::newRow("solids, 106 to 112 included") << QStringLiteral("ciało stałe") << solids;
    }
    void statesOfMatter()
    {
        QFETCH(QString, state);
        QFETCH(QList<int>, elements);
        QCOMPARE(holding("StanSkup", state), elements);
    }

    void discoveryEras_data()
    {
        QTest::addColumn<QString>("era");
        QTest::addColumn<QList<int>>("elements");
        QTest::newRow("antiquity") << QStringLiteral("starożytność") << QList<int>{6, 16, 26, 29, 47, 50, 79, 80, 82};
        QTest::newRow("middle ages") << QStringLiteral("średniowiecze") << QList<int>{30, 33, 51, 83};
    }
    void discoveryEras()
    {
        QFETCH(QString, era);
        QFETCH(QList<int>, elements);
        QCOMPARE(holding("RokOdkryc", era), elements);
    }

    // Every dated element has a year of four digits, optionally followed by
    // a second year in parentheses; the year scale starts at 1700.
    void discoveryYears()
    {
        static const QRegularExpression form(QStringLiteral("^\\d{4}( \\(\\d{4}\\))?$"));
        QList<int> before1700, from1700to1725;
        for (const ElementRecord &e : *m_catalogue) {
            if (e.RokOdkryc == QStringLiteral("starożytność") || e.RokOdkryc == QStringLiteral("średniowiecze"))
                continue;
            QVERIFY2(form.match(e.RokOdkryc).hasMatch(), qPrintable(e.RokOdkryc));
            const ParsedNumber year = StringToFloat(e.RokOdkryc.left(4));
            QVERIFY(!year.noNumber);
            QVERIFY2(year.value <= 1996, qPrintable(e.RokOdkryc));
            if (year.value < 1700)
                before1700 << e.Numer;
            else if (year.value < 1725)
                from1700to1725 << e.Numer;
        }
        QCOMPARE(before1700, QList<int>{15});
        QCOMPARE(from1700to1725, QList<int>{});
    }

    void stableIsotopes()
    {
        QList<int> tenOrMore;
        for (const ElementRecord &e : *m_catalogue) {
            const int stable = e.LiczTrIzotop.toInt();
            QVERIFY(stable >= 0 && stable <= 10);
            if (stable >= 10)
                tenOrMore << e.Numer;
        }
        QCOMPARE(tenOrMore, QList<int>{50});
        // No isotope of these lives longer than a billion years.
        QList<int> radioactive = range(84, 89) + QList<int>{91} + range(93, 112) + QList<int>{43, 61};
        for (int n : radioactive)
            QCOMPARE(value(n, "LiczTrIzotop"), QStringLiteral("0"));
        // ... while uranium-238 and thorium-232 do, and count as stable.
        QCOMPARE(value(90, "LiczTrIzotop"), QStringLiteral("1"));
        QCOMPARE(value(92, "LiczTrIzotop"), QStringLiteral("1"));
    }

    // The isotope lists are rich-text fragments that fit the page's document
    // and use decimal commas.
    void isotopeLists()
    {
        static const QRegularExpression decimalPoint(QStringLiteral("\\d\\.\\d"));
        QCOMPARE(holding("Izotopy", QStringLiteral("-")), QList<int>{112});
        for (const ElementRecord &e : *m_catalogue) {
            if (e.Numer == 112)
                continue;
            const QString &text = e.Izotopy;
            QVERIFY2(text.contains(QStringLiteral("{\\super ")), qPrintable(text));
            QVERIFY2(text.endsWith(QLatin1Char('.')), qPrintable(text));
            QVERIFY2(!decimalPoint.match(text).hasMatch(), qPrintable(text));
            QCOMPARE(text.count(QLatin1Char('{')), text.count(QLatin1Char('}')));
            QVERIFY2(text.size() <= 700, qPrintable(text));
            QVERIFY(QStringLiteral("{\\rtf1\\b\\fs20 %1\\par }").arg(text).size() <= 1300);
            QVERIFY2(text.contains(e.Symbol + QLatin1Char(' ')), qPrintable(text));
        }
        const QString hydrogen = value(1, "Izotopy");
        for (const char *name : {"prot", "deuter", "tryt"})
            QVERIFY2(hydrogen.contains(QLatin1StringView(name)), name);
    }

    void systematicNames()
    {
        static const QRegularExpression systematic(QStringLiteral("^Un(nil|un)(nil|un|b|tr|quad|pent|hex|sept|oct|enn)ium$"));
        for (int n = 104; n <= 112; ++n) {
            QVERIFY2(systematic.match(value(n, "NazAng")).hasMatch(), qPrintable(value(n, "NazAng")));
            QCOMPARE(value(n, "NazLac"), value(n, "NazAng"));
        }
        QCOMPARE(value(110, "NazAng"), QStringLiteral("Ununnilium"));
        QCOMPARE(value(26, "NazLac"), QStringLiteral("Ferrum"));
    }
};

TABLICZNIK_TEST_MAIN(CatalogueStructureTest)
#include "catalogue_structure_test.moc"
