// The catalogue's chemical, electric and magnetic data: valences, oxides,
// oxidation states, electronegativity, electron affinity, ionisation
// energies, electrode potentials, resistivity, conduction type,
// susceptibility and Curie temperatures. The views colour the table from
// these texts, so their counts, notations and bins must hold exactly.

#include "data/stringtofloat.h"
#include "support/catalogue.h"
#include "support/testmain.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

enum class Magnetism { None, Dia, Para, Ferro };

// The derived type shown on the electric and magnetic page.
Magnetism magnetismOf(const ElementRecord &e)
{
    if (e.TempCur != QLatin1StringView("-"))
        return Magnetism::Ferro;
    const ParsedNumber chi = StringToFloat(e.PodatMag);
    if (chi.noNumber)
        return Magnetism::None;
    return chi.value >= 0 ? Magnetism::Para : Magnetism::Dia;
}

// Entry 1..15 of the paramagnetic susceptibility legend (lower bound included).
int paramagneticEntry(double v)
{
    static const double bounds[] = {5, 15, 20, 25, 35, 45, 70, 130, 240, 450, 800, 1500, 2700, 5000};
    int entry = 1;
    for (double b : bounds)
        if (v >= b)
            ++entry;
    return entry;
}

// Entry 1..15 of the diamagnetic legend: a bound belongs to the entry further
// from zero.
int diamagneticEntry(double v)
{
    static const double bounds[] = {-8, -16, -24, -32, -40, -48, -56, -64, -72, -80, -88, -96, -104, -122};
    int entry = 1;
    for (double b : bounds)
        if (v <= b)
            ++entry;
    return entry;
}

const QString kDash = QStringLiteral("-");

} // namespace

class CatalogueChemicalTest : public QObject {
    Q_OBJECT

    const Catalogue *m_catalogue = nullptr;

    const ElementRecord &element(int numer) const { return m_catalogue->element(numer); }
    QList<int> holding(const QString &field, const QString &text) const
    {
        QList<int> numbers;
        for (const ElementRecord &e : *m_catalogue)
            if (fieldOf(e, field) == text)
                numbers << e.Numer;
        return numbers;
    }
    QList<int> numbersOf(std::initializer_list<const char *> symbols) const
    {
        QList<int> numbers;
        for (const char *symbol : symbols)
            numbers << numberOfSymbol(QString::fromLatin1(symbol));
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }
    // The metals' resistivity view reads the mantissa in units of 1e-8 ohm*m.
    static ParsedNumber mantissa(const QString &resistivity)
    {
        const auto dot = resistivity.indexOf(u'•');
        return StringToFloat(dot < 0 ? resistivity : resistivity.left(dot));
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
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("count");
        const auto row = [](const char *field, const char *marker, int count) {
            QTest::addRow("%s", field) << QString::fromLatin1(field) << QString::fromLatin1(marker) << count;
        };
        row("WartTyp", "-", 11);
        row("WartInne", "-", 10);
        row("CharTlen", "-", 7);
        row("Elektrouj", "-", 26);
        row("EnerJoniz", "", 112);
        row("OporWlas", "-", 30);
        row("TypPrzew", "-", 9);
        row("PodatMag", "-", 28);
        row("TempCur", "-", 105);
        row("PowElektr", "-", 41);
        row("StopUtl", "-", 7);
        row("TypStopUtl", "-", 7);
        row("PotJon1", "-", 13);
        row("PotJon2", "-", 30);
        row("PotJon3", "-", 33);
        row("PotJon4", "-", 43);
        row("StanPot", "", 21);
    }
    void noDataMarkers()
    {
        QFETCH(QString, field);
        QFETCH(QString, marker);
        QFETCH(int, count);
        QCOMPARE(holding(field, marker).size(), count);
        // No other spelling of "nothing": no empty text where "-" is the
        // marker, no dash where the field stays empty, no padding.
        const QString other = marker.isEmpty() ? kDash : QString();
        if (field != QLatin1StringView("EnerJoniz"))
            QCOMPARE(holding(field, other), QList<int>());
        for (const ElementRecord &e : *m_catalogue)
            QCOMPARE(fieldOf(e, field), fieldOf(e, field).trimmed());
    }

    void quotedValues_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        const auto row = [](int numer, const char *field, const QString &expected) {
            QTest::addRow("%d %s", numer, field) << numer << QString::fromLatin1(field) << expected;
        };
        row(1, "WartTyp", QStringLiteral("1"));
        row(1, "WartInne", QStringLiteral("1"));
        row(1, "CharTlen", QStringLiteral("amfoteryczny"));
        row(1, "Elektrouj", QStringLiteral("2,1"));
        row(1, "OporWlas", QStringLiteral("-"));
        row(1, "TypPrzew", QStringLiteral("izolator"));
        row(1, "PodatMag", QStringLiteral("-4,00"));
        row(1, "TempCur", QStringLiteral("-"));
        row(1, "PowElektr", QStringLiteral("0,7542"));
        row(1, "StopUtl", QStringLiteral("+1,-1"));
        row(1, "TypStopUtl", QStringLiteral("+1"));
        row(1, "PotJon1", QStringLiteral("13,59843"));
        row(1, "PotJon2", QStringLiteral("-"));
        row(1, "PotJon3", QStringLiteral("-"));
        row(1, "PotJon4", QStringLiteral("-"));
        row(1, "StanPot", QStringLiteral("0,000 H{\\super 1+} » H{\\super 0}"));
        row(2, "PowElektr", QStringLiteral("(0,077)"));
        row(2, "StanPot", QString());
        row(26, "WartInne", QStringLiteral("2,3,(6)"));
        row(26, "OporWlas", QStringLiteral("9,71•10{\\super -8}"));
        row(26, "PodatMag", QStringLiteral("-"));
        row(26, "TempCur", QStringLiteral("770"));
        row(26, "StanPot", QStringLiteral("-0,44 Fe{\\super 2+} » Fe{\\super 0}; +0,771 Fe{\\super 3+} » Fe{\\super 2+}"));
        row(27, "Elektrouj", QStringLiteral("2,0"));
        row(29, "OporWlas", QStringLiteral("1,71•10{\\super -8}"));
        row(88, "OporWlas", QStringLiteral("100•10{\\super -8}"));
        row(54, "CharTlen", QStringLiteral("kwasowy"));
        row(6, "TypStopUtl", QStringLiteral("+4,-4"));
        row(7, "TypStopUtl", QStringLiteral("+5,+3,-3"));
        row(17, "TypStopUtl", QStringLiteral("-1,+7"));
        row(8, "TypStopUtl", QStringLiteral("-2"));
        row(76, "TypStopUtl", QStringLiteral("+8,+6"));
        row(67, "TempCur", QStringLiteral("-253"));
        row(66, "TempCur", QStringLiteral("-186"));
        row(65, "TempCur", QStringLiteral("-50"));
        row(64, "TempCur", QStringLiteral("20,2"));
        row(28, "TempCur", QStringLiteral("357"));
        row(27, "TempCur", QStringLiteral("1121"));
        row(50, "PodatMag", QStringLiteral("3,1"));
        row(20, "PodatMag", QStringLiteral("40"));
        row(44, "PodatMag", QStringLiteral("40"));
        row(43, "PodatMag", QStringLiteral("(200)"));
        row(8, "PodatMag", QStringLiteral("3449"));
        row(4, "PodatMag", QStringLiteral("-9"));
        row(52, "PodatMag", QStringLiteral("-40"));
        row(17, "PodatMag", QStringLiteral("-40,6"));
        row(53, "PodatMag", QStringLiteral("-89"));
        row(51, "PodatMag", QStringLiteral("-98,6"));
        row(83, "PodatMag", QStringLiteral("-280"));
    }
    void quotedValues()
    {
        QFETCH(int, numer);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QCOMPARE(fieldOf(element(numer), field), expected);
    }

    // Element 104 keeps only its valence, oxide and oxidation states;
    // element 112 has nothing at all.
    void heaviestElements_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QStringList>("fieldsWithData");
        QTest::newRow("104") << 104 << QStringList{"WartTyp", "WartInne", "CharTlen", "StopUtl", "TypStopUtl"};
        QTest::newRow("105") << 105 << QStringList{"WartTyp", "WartInne", "CharTlen", "StopUtl", "TypStopUtl"};
        for (int n = 106; n <= 112; ++n)
            QTest::addRow("%d", n) << n << QStringList();
    }
    void heaviestElements()
    {
        QFETCH(int, numer);
        QFETCH(QStringList, fieldsWithData);
        for (const char *field : {"WartTyp", "WartInne", "CharTlen", "Elektrouj", "PowElektr", "StopUtl",
                                  "TypStopUtl", "PotJon1", "PotJon2", "PotJon3", "PotJon4", "OporWlas",
                                  "TypPrzew", "PodatMag", "TempCur"}) {
            const QString name = QString::fromLatin1(field);
            const QString text = fieldOf(element(numer), name);
            QVERIFY2((text != kDash) == fieldsWithData.contains(name), qPrintable(name + u' ' + text));
        }
        QCOMPARE(element(numer).StanPot, QString());
    }

    // Every value the views parse is a no-data marker or a clean number.
    void numbersParse_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *field : {"WartTyp", "Elektrouj", "PowElektr", "PotJon1", "PotJon2", "PotJon3",
                                  "PotJon4", "PodatMag", "TempCur"})
            QTest::newRow(field) << QString::fromLatin1(field);
    }
    void numbersParse()
    {
        QFETCH(QString, field);
        for (const ElementRecord &e : *m_catalogue) {
            QString text = fieldOf(e, field);
            if (field == QLatin1StringView("PowElektr") && text == QLatin1StringView("<0"))
                text = QStringLiteral("0"); // the affinity view reads "<0" as 0
            const ParsedNumber parsed = StringToFloat(text);
            QVERIFY2(!parsed.malformed, qPrintable(QStringLiteral("%1 of %2: \"%3\"").arg(field).arg(e.Numer).arg(text)));
            QVERIFY2(!parsed.noNumber || text == kDash,
                     qPrintable(QStringLiteral("%1 of %2 is empty").arg(field).arg(e.Numer)));
        }
    }

    void valences()
    {
        static const QRegularExpression all(QStringLiteral("^(\\d|\\(\\d\\))(,(\\d|\\(\\d\\)))*$"));
        for (const ElementRecord &e : *m_catalogue) {
            QVERIFY2(e.WartTyp == kDash || (e.WartTyp.size() == 1 && e.WartTyp[0].isDigit()), qPrintable(e.WartTyp));
            QVERIFY2(e.WartInne == kDash || all.match(e.WartInne).hasMatch(), qPrintable(e.WartInne));
            // the typical valence is one of the listed ones
            if (e.WartTyp != kDash)
                QVERIFY2(e.WartInne.contains(e.WartTyp), qPrintable(e.Symbol));
        }
        for (int gas : numbersOf({"He", "Ne", "Ar", "Xe"}))
            QCOMPARE(element(gas).WartTyp, kDash);
        QCOMPARE(element(36).WartTyp, QStringLiteral("2"));
        QCOMPARE(element(86).WartTyp, QStringLiteral("2"));
    }

    void oxides()
    {
        const QSet<QString> categories{QStringLiteral("zasadowy"), QStringLiteral("kwasowy"),
                                       QStringLiteral("amfoteryczny"), QStringLiteral("brak tlenków"), kDash};
        for (const ElementRecord &e : *m_catalogue)
            QVERIFY2(categories.contains(e.CharTlen), qPrintable(e.Symbol + u' ' + e.CharTlen));
        QCOMPARE(holding(QStringLiteral("CharTlen"), kDash), QList<int>({106, 107, 108, 109, 110, 111, 112}));
    }

    // The oxidation-state view takes the text before the first comma.
    void oxidationStates_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<int>("entry");
        QTest::newRow("carbon") << 6 << 8;
        QTest::newRow("nitrogen") << 7 << 9;
        QTest::newRow("chlorine") << 17 << 3;
        QTest::newRow("oxygen") << 8 << 2;
        QTest::newRow("osmium") << 76 << 12;
        for (int gas : {2, 10, 18, 36, 54, 86})
            QTest::addRow("noble gas %d", gas) << gas << 4;
    }
    void oxidationStates()
    {
        QFETCH(int, numer);
        QFETCH(int, entry);
        const ParsedNumber first = StringToFloat(element(numer).TypStopUtl.section(u',', 0, 0));
        QVERIFY(!first.noNumber);
        QCOMPARE(int(first.value) + 4, entry);
    }
    void oxidationStateLists()
    {
        static const QRegularExpression list(QStringLiteral("^([+-][1-8]|0)(,([+-][1-8]|0))*$"));
        for (const ElementRecord &e : *m_catalogue) {
            if (e.Numer >= 106) {
                QCOMPARE(e.StopUtl, kDash);
                QCOMPARE(e.TypStopUtl, kDash);
                continue;
            }
            QVERIFY2(list.match(e.StopUtl).hasMatch(), qPrintable(e.StopUtl));
            QVERIFY2(list.match(e.TypStopUtl).hasMatch(), qPrintable(e.TypStopUtl));
            const QStringList important = e.StopUtl.split(u',');
            for (const QString &state : e.TypStopUtl.split(u','))
                QVERIFY2(important.contains(state), qPrintable(e.Symbol + u' ' + state));
        }
    }

    void electronAffinity()
    {
        QCOMPARE(holding(QStringLiteral("PowElektr"), QStringLiteral("<0")), numbersOf({"Mn", "Zn", "Cd", "Hf", "Hg"}));
        for (int n = 58; n <= 71; ++n)
            QCOMPARE(element(n).PowElektr, kDash);
        const ParsedNumber helium = StringToFloat(element(2).PowElektr);
        QCOMPARE(helium.value, 0.077);
    }

    // A later ionisation energy is never known without the earlier one, and
    // each is larger than the one before.
    void ionisationEnergies()
    {
        for (const ElementRecord &e : *m_catalogue) {
            const ParsedNumber energies[] = {StringToFloat(e.PotJon1), StringToFloat(e.PotJon2),
                                             StringToFloat(e.PotJon3), StringToFloat(e.PotJon4)};
            for (int i = 1; i < 4; ++i) {
                if (energies[i - 1].noNumber)
                    QVERIFY2(energies[i].noNumber, qPrintable(e.Symbol));
                else if (!energies[i].noNumber)
                    QVERIFY2(energies[i].value > energies[i - 1].value, qPrintable(e.Symbol));
            }
            // the second-energy legend starts at 10
            QVERIFY2(energies[1].noNumber || energies[1].value >= 10.0, qPrintable(e.Symbol));
            // an atom has no more energies than electrons
            for (int i = e.Numer; i < 4; ++i)
                QVERIFY(energies[i].noNumber);
        }
    }

    void electrodePotentials()
    {
        static const QRegularExpression pair(QStringLiteral(
            "^(0,0+|[+-]\\d+,\\d+) ([A-Z][a-z]?)\\{\\\\super (0|\\d[+-])\\} » ([A-Z][a-z]?)\\{\\\\super (0|\\d[+-])\\}$"));
        for (const ElementRecord &e : *m_catalogue) {
            if (e.StanPot.isEmpty())
                continue;
            for (const QString &part : e.StanPot.split(QStringLiteral("; "))) {
                const QRegularExpressionMatch m = pair.match(part);
                QVERIFY2(m.hasMatch(), qPrintable(e.Symbol + u' ' + part));
                QCOMPARE(m.captured(2), e.Symbol);
                QCOMPARE(m.captured(4), e.Symbol);
            }
        }
    }

    void conductionTypes()
    {
        QCOMPARE(holding(QStringLiteral("TypPrzew"), QStringLiteral("metal")).size(), 82);
        QCOMPARE(holding(QStringLiteral("TypPrzew"), QStringLiteral("izolator")).size(), 19);
        QCOMPARE(holding(QStringLiteral("TypPrzew"), QStringLiteral("półprzewodnik")), numbersOf({"Si", "Ge"}));
        QCOMPARE(holding(QStringLiteral("TypPrzew"), kDash), QList<int>({104, 105, 106, 107, 108, 109, 110, 111, 112}));
    }

    void resistivityOfMetals()
    {
        static const QRegularExpression powerForm(QStringLiteral("^(\\d+(,\\d+)?•)?10\\{\\\\super -?\\d+\\}$"));
        static const QRegularExpression metalForm(QStringLiteral("^\\d+(,\\d+)?•10\\{\\\\super -8\\}$"));
        QList<int> metalsWithoutValue;
        for (const ElementRecord &e : *m_catalogue) {
            if (e.OporWlas == kDash) {
                if (e.TypPrzew == QLatin1StringView("metal"))
                    metalsWithoutValue << e.Numer;
                continue;
            }
            QVERIFY2(powerForm.match(e.OporWlas).hasMatch() || !StringToFloat(e.OporWlas).noNumber,
                     qPrintable(e.Symbol + u' ' + e.OporWlas));
            if (e.TypPrzew != QLatin1StringView("metal") || e.Numer == 52)
                continue;
            QVERIFY2(metalForm.match(e.OporWlas).hasMatch(), qPrintable(e.Symbol + u' ' + e.OporWlas));
            const ParsedNumber value = mantissa(e.OporWlas);
            QVERIFY(!value.noNumber);
            // only radium lies where the two settings of the 100 bound differ
            if (value.value >= 100 && value.value < 105)
                QCOMPARE(e.Numer, 88);
        }
        QCOMPARE(metalsWithoutValue, numbersOf({"Fr", "Ac", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr"}));
        QCOMPARE(mantissa(element(29).OporWlas).value, 1.71);
        // tellurium: a metal whose value is a bare power of ten
        QCOMPARE(element(52).TypPrzew, QStringLiteral("metal"));
        QVERIFY(element(52).OporWlas.startsWith(QLatin1StringView("10{\\super ")));
    }

    void curieTemperatures()
    {
        QCOMPARE(holding(QStringLiteral("TempCur"), kDash).size(), 105);
        QList<int> ferromagnets;
        for (const ElementRecord &e : *m_catalogue)
            if (e.TempCur != kDash)
                ferromagnets << e.Numer;
        QCOMPARE(ferromagnets, numbersOf({"Fe", "Co", "Ni", "Gd", "Tb", "Dy", "Ho"}));
    }

    void magneticTypes()
    {
        int counts[4] = {};
        for (const ElementRecord &e : *m_catalogue)
            ++counts[int(magnetismOf(e))];
        QCOMPARE(counts[int(Magnetism::Dia)], 32);
        QCOMPARE(counts[int(Magnetism::Para)], 49);
        QCOMPARE(counts[int(Magnetism::Ferro)], 7);
        QCOMPARE(counts[int(Magnetism::None)], 24);
        for (int n : numbersOf({"Fe", "Co", "Ni", "Gd"}))
            QCOMPARE(element(n).PodatMag, kDash);
        QCOMPARE(magnetismOf(element(1)), Magnetism::Dia);
        QCOMPARE(magnetismOf(element(26)), Magnetism::Ferro);
    }

    void paramagneticScale_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<int>("entry");
        QTest::newRow("tin") << 50 << 1;
        QTest::newRow("calcium") << 20 << 6;
        QTest::newRow("ruthenium") << 44 << 6;
        QTest::newRow("technetium") << 43 << 9;
        QTest::newRow("oxygen") << 8 << 14;
    }
    void paramagneticScale()
    {
        QFETCH(int, numer);
        QFETCH(int, entry);
        const ParsedNumber chi = StringToFloat(element(numer).PodatMag);
        QVERIFY(!chi.noNumber && chi.value >= 0);
        QCOMPARE(paramagneticEntry(chi.value), entry);
    }
    void strongestParamagnets()
    {
        QList<int> top;
        for (const ElementRecord &e : *m_catalogue) {
            const ParsedNumber chi = StringToFloat(e.PodatMag);
            if (!chi.noNumber && chi.value >= 0 && paramagneticEntry(chi.value) == 15)
                top << e.Numer;
        }
        QCOMPARE(top, numbersOf({"Pr", "Nd", "Eu", "Er", "Tm", "Tb", "Dy", "Ho"}));
    }

    void diamagneticScale_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<int>("entry");
        QTest::newRow("beryllium") << 4 << 2;
        QTest::newRow("tellurium") << 52 << 6;
        QTest::newRow("chlorine") << 17 << 6;
        QTest::newRow("iodine") << 53 << 12;
        QTest::newRow("antimony") << 51 << 13;
        QTest::newRow("bismuth") << 83 << 15;
    }
    void diamagneticScale()
    {
        QFETCH(int, numer);
        QFETCH(int, entry);
        const ParsedNumber chi = StringToFloat(element(numer).PodatMag);
        QVERIFY(!chi.noNumber && chi.value < 0);
        QCOMPARE(diamagneticEntry(chi.value), entry);
    }
    void diamagneticGaps()
    {
        for (const ElementRecord &e : *m_catalogue) {
            const ParsedNumber chi = StringToFloat(e.PodatMag);
            if (chi.noNumber || chi.value >= 0)
                continue;
            const int entry = diamagneticEntry(chi.value);
            QVERIFY2(entry != 9 && entry != 10 && entry != 11 && entry != 14,
                     qPrintable(QStringLiteral("%1 in entry %2").arg(e.Symbol).arg(entry)));
        }
    }
};

TABLICZNIK_TEST_MAIN(CatalogueChemicalTest)
#include "catalogue_chemical_test.moc"
