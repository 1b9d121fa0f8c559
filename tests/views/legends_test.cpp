#include "data/stringtofloat.h"
#include "support/testmain.h"
#include "support/viewtable.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

using namespace tablicznik;
using namespace tablicznik::testing;

namespace {

// How a view reads the number it places from an element's field.
enum class Reading {
    Number,     // the whole text; "<0" counts as 0
    Mantissa,   // the part before "•" (resistivity in 1e-8 ohm*m)
    Year,       // the first year of a discovery date
    FirstListed // the first of a comma-separated list (oxidation states)
};

std::optional<double> parsed(QStringView text)
{
    const ParsedNumber number = StringToFloat(text);
    return number.noNumber ? std::nullopt : std::optional<double>(number.value);
}

std::optional<double> valueOf(int numer, const QString &field, Reading reading)
{
    const QString text = fieldOf(elementRecord(numer), field);
    switch (reading) {
    case Reading::Number:
        return text == u"<0" ? 0.0 : parsed(text);
    case Reading::Mantissa:
        return parsed(text.section(u'•', 0, 0));
    case Reading::Year:
        return parsed(text.left(4));
    case Reading::FirstListed:
        return parsed(text.section(u',', 0, 0));
    }
    return std::nullopt;
}

// A number as the legends write it: a decimal comma, never a point.
std::optional<double> legendNumber(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[+-]?\\d+(,\\d+)?$"));
    if (text == u"dziś")
        return INFINITY;
    if (!form.match(text).hasMatch())
        return std::nullopt;
    return parsed(text);
}

// An entry of a scale as its text gives it: the first and the second number
// in the legend's own direction. "- poniżej 68" opens a rising scale at
// minus infinity, "- powyżej -8" a falling one at plus infinity.
struct Range {
    double from, to;
};

std::optional<Range> rangeOf(const QString &text, bool first)
{
    const QString body = text.trimmed();
    if (!body.startsWith(u"- "))
        return std::nullopt;
    const QString words = body.mid(2);
    for (const auto &[word, side] : {std::pair{u"poniżej ", -1}, std::pair{u"przed ", -1}, std::pair{u"powyżej ", 1}}) {
        if (!words.startsWith(word))
            continue;
        const auto bound = legendNumber(words.mid(QStringView(word).size()));
        if (!bound)
            return std::nullopt;
        return first ? Range{side * INFINITY, *bound} : Range{*bound, side * INFINITY};
    }
    const QStringList ends = words.split(u'÷');
    if (ends.size() != 2)
        return std::nullopt;
    const auto from = legendNumber(ends[0]), to = legendNumber(ends[1]);
    if (!from || !to)
        return std::nullopt;
    return Range{*from, *to};
}

// Entry k of n takes the value: the first entry everything before its
// second number, the last everything from its first number on, a bound
// belonging to the entry after it.
bool takes(const Range &r, int k, int n, bool rising, double v)
{
    if (rising)
        return (k == 1 || v >= r.from) && (k == n || v < r.to);
    return (k == 1 || v <= r.from) && (k == n || v > r.to);
}

// The value an entry of a legend of single values stands for: " - brak"
// is none, " - 10 i więcej" ten and more.
std::optional<double> entryValue(const QString &text, bool *andMore)
{
    QString body = text.trimmed();
    if (!body.startsWith(u"- "))
        return std::nullopt;
    body = body.mid(2);
    *andMore = body.endsWith(u" i więcej");
    if (*andMore)
        body.chop(9);
    return body == u"brak" ? 0.0 : legendNumber(body);
}

QString nameOf(int numer) { return QStringLiteral("element %1").arg(numer); }

} // namespace

Q_DECLARE_METATYPE(Reading)

// Every view's legend as the user sees it after starting the view from its
// button or menu item: its title and caption, its entries, and that the
// legend tells the truth about the table.
class ViewLegendsTest : public QObject {
    Q_OBJECT

private slots:
    void everyView_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("noData");
        const auto row = [](const char *name, const char *trigger, const char *title, const char *caption,
                            int entries, const char *noData) {
            QTest::newRow(name) << QString::fromUtf8(trigger) << QString::fromUtf8(title) << QString::fromUtf8(caption)
                                << entries << QString::fromUtf8(noData);
        };
        const char *const none = "- nie dotyczy, brak danych";
        const char *const others = "- pozostałe pierwiastki";
        row("PromAtom", "PromAtomButton", " Promień atomu [pm]: ", "PROMIEŃ ATOMU [pm].", 15, none);
        row("PromKowal", "PromKowalButton", " Promień kowalencyjny atomu [pm]: ", "PROMIEŃ KOWALENCYJNY ATOMU [pm].", 15, none);
        row("Twardosc", "TwardoscButton", " Twardość pierwiastka (skala Brinella): ", "TWARDOŚĆ.", 15, none);
        row("WytrzRoz", "WytrzRozButton", " Wytrzymałość na rozciąganie [MPa]: ", "WYTRZYMAŁOŚĆ NA ROZCIĄGANIE PIERWIASTKA [MPa].", 15, none);
        row("ModYoung", "ModYoungButton", " Moduł Younga [GPa]: ", "MODUŁ YOUNGA PIERWIASTKA [GPa].", 15, none);
        row("Elektrouj", "ElektroujButton", " Elektroujemność wg. Paulinga: ", "ELEKTROUJEMNOŚĆ PIERWIASTKA.", 15, none);
        row("PowElektr", "PowElektrButton", " Powinowactwo elektronowe [eV]: ", "POWINOWACTWO ELEKTRONOWE PIERWIASTKA [eV].", 15, none);
        row("TempTop", "TempTopButton", " Temperatura topnienia [°C]: ", "TEMPERATURA TOPNIENIA TYPOWEJ FORMY PIERWIASTKA [°C].", 15, none);
        row("EntTop", "EntTopButton", " Entalpia topnienia [kJ/mol]: ", "ENTALPIA TOPNIENIA [kJ/mol].", 15, none);
        row("TempWrz", "TempWrzButton", " Temperatura wrzenia [°C]: ", "TEMPERATURA WRZENIA TYPOWEJ FORMY PIERWIASTKA [°C].", 15, none);
        row("MolEntAtom", "MolEntAtomButton", " Molowa entalpia atomizacji [kJ/mol]: ", "MOLOWA ENTALPIA ATOMIZACJI [kJ/mol].", 15, none);
        row("WspPrzewCiep", "WspPrzewCiepButton", " Współczynnik przewodnictwa ciepła [W/(m•K)]: ", "WSPÓŁCZYNNIK PRZEWODZENIA CIEPŁA [W/(m•K)].", 15, none);
        row("MolPojCiep", "MolPojCiepButton", " Molowa pojemność cieplna [J/(mol•K)]: ", "MOLOWA POJEMNOŚĆ CIEPLNA [J/(mol•K)].", 15, none);
        row("EntropMol", "EntropMolButton", " Entropia molowa [J/(mol•K)]: ", "ENTROPIA MOLOWA [J/(mol•K)].", 15, none);
        row("PotJon1", "PotJon1Button", " Energia jonizacji pierwszego stopnia [eV]: ", "ENERGIA PIERWSZEJ JONIZACJI [eV].", 15, none);
        row("PotJon2", "PotJon2Button", " Energia jonizacji drugiego stopnia [eV]: ", "ENERGIA DRUGIEJ JONIZACJI [eV].", 15, none);
        row("PotJon3", "PotJon3Button", " Energia jonizacji trzeciego stopnia [eV]: ", "ENERGIA TRZECIEJ JONIZACJI [eV].", 15, none);
        row("PotJon4", "PotJon4Button", " Energia jonizacji czwartego stopnia [eV]: ", "ENERGIA CZWARTEJ JONIZACJI [eV].", 15, none);
        row("LiczIzotop", "LiczIzotopButton", " Liczba znanych izotopów pierwiastka: ", "LICZBA OTRZYMANYCH I ZNANYCH IZOTOPÓW.", 15, none);
        row("LiczTrIzotop", "LiczTrIzotopButton", " Liczba trwałych izotopów: ", "LICZBA TRWAŁYCH IZOTOPÓW.", 11, "");
        row("solids", "CiaaStae1", " Gęstość ciał stałych i cieczy [g/cm^3]: ", "GĘSTOŚĆ CIAŁ STAŁYCH I CIECZY [g/cm^3].", 15, none);
        row("gases", "Gazy1", " Gęstość gazów [g/cm^3]: ", "GĘSTOŚĆ GAZÓW [g/cm^3].", 8, " - nie dotyczy, brak danych");
        row("resistivity", "OporWlasButton", " Opór właściwy metali [10^(-8) ohm•m]: ", "OPÓR WŁAŚCIWY METALI [10^(-8) ohm•m].", 15, none);
        row("Curie", "TempCurButton", " Temperatura Curie ferromagnetyków [°C]: ", "TEMPERATURA CURIE FERROMAGNETYKÓW [°C].", 7, none);
        row("state", "StanSkupButton", " Stan skupienia: ", "STAN SKUPIENIA.", 3, "");
        row("oxide", "CharTlenButton", " Charakter tlenku: ", "CHARAKTER TLENKU.", 4, "- brak danych");
        row("valence", "WartTypButton", " Najczęściej występująca wartościowość: ", "TYPOWA WARTOŚCIOWOŚĆ PIERWIASTKA.", 7, none);
        row("oxidation state", "TypStopUtlButton", " Najczęściej występujący stopień utlenienia: ", "NAJCZĘSTSZY STOPIEŃ UTLENIENIA PIERWIASTKA.", 12, none);
        for (const char *shell : {"K", "L", "M", "N", "O", "P", "Q"}) {
            QTest::addRow("shell %s", shell)
                << QStringLiteral("Pow%1Button").arg(QLatin1StringView(shell))
                << QStringLiteral(" Zmiany w konfiguracji elektronowej na powłoce %1: ").arg(QLatin1StringView(shell))
                << QStringLiteral("ZMIANY KONFIGURACJI ELEKTRONOWEJ NA POWŁOCE %1.").arg(QLatin1StringView(shell))
                << (*shell == 'K' ? 3 : 4) << QString::fromUtf8(none);
        }
        row("antiquity", "Star1", " Rok odkrycia (wytworzenia): ", "PIERWIASTKI ZNANE JUŻ W STAROŻYTNOŚCI.", 1, others);
        row("middle ages", "redniowiecze1", " Rok odkrycia (wytworzenia): ", "PIERWIASTKI ODKRYTE W ŚREDNIOWIECZU.", 1, others);
        row("all years", "Pozostae1", " Rok odkrycia (wytworzenia): ", "DATY ODKRYCIA PIERWIASTKÓW.", 13, none);
        row("metals", "Pokametale1", " Metale: ", "PIERWIASTKI METALICZNE.", 1, none);
        row("insulators", "Pokaizolatory1", " Izolatory: ", "IZOLATORY.", 1, none);
        row("semiconductors", "Pokapprzewodniki1", " Półprzewodniki: ", "NATURALNE PÓŁPRZEWODNIKI.", 1, none);
        row("diamagnetics", "Pokadiamagnetyki1", " Diamagnetyki: ", "PIERWIASTKI DIAMAGNETYCZNE.", 1, none);
        row("paramagnetics", "Pokaparamagnetyki1", " Paramagnetyki: ", "PIERWIASTKI PARAMAGNETYCZNE.", 1, none);
        row("ferromagnetics", "Pokaferromagnetyki1", " Ferromagnetyki: ", "FERROMAGNETYKI.", 1, none);
        row("all conduction types", "Pokawszystkie1", " Typ przewodnictwa: ", "TYP PRZEWODNICTWA.", 3, none);
        row("all magnetic types", "Pokawszystkie2", "Typ magnetyczny: ", "TYP MAGNETYCZNY PIERWIASTKA.", 3, none);
        row("paramagnetic scale", "Pokaparamagnetyki2", " Podatność magnetyczna paramagnetyków [10^(-6) cm^3/mol]: ", "PODATNOŚĆ MAGNETYCZNA PARAMAGNETYKÓW [10^(-6) cm^3/mol].", 15, none);
        row("diamagnetic scale", "Pokadiamagnetyki2", " Podatność magnetyczna diamagnetyków [10^(-6) cm^3/mol]: ", "PODATNOŚĆ MAGNETYCZNA DIAMAGNETYKÓW [10^(-6) cm^3/mol].", 15, none);
        row("Earth", "ZawZiemiaButton", " Zawartość w Ziemi [pierwszych 13 pierwiastków]: ", "ZAWARTOŚĆ W ZIEMI [% WAGI].", 13, others);
        row("crust", "ZawSkorZiemButton", " Zawartość w skorupie ziem. [pierwszych 12 pierwiastków]: ", "ZAWARTOŚĆ W SKORUPIE ZIEMSKIEJ [% WAGI].", 12, others);
        row("ocean", "ZawOceanButton", " Zawartość w oceanie [pierwszych 15 pierwiastków]: ", "ZAWARTOŚĆ W WODACH OCEANU [W 1000 kg WODY MORSKIEJ].", 15, others);
        row("universe", "ZawUkladButton", " Zawartość we Wszechświecie [pierwszych 15 pierwiastków]: ", "ZAWARTOŚĆ WE WSZECHŚWIECIE [% WAGI].", 15, others);
        row("human body", "ZawCzlowButton", " Zawartość w org. człowieka [pierwszych 15 pierwiastków]: ", "ZAWARTOŚĆ W ORGANIZMIE CZŁOWIEKA [% WAGI].", 15, others);
    }

    void everyView()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QFETCH(int, entries);
        QFETCH(QString, noData);

        ViewTable table;
        QVERIFY(table.start(trigger));

        QCOMPARE(table.messages.texts, QStringList()); // every value is a number or no data
        QCOMPARE(table.title(), title);
        QCOMPARE(table.caption(), caption);
        QList<int> firstEntries;
        for (int k = 1; k <= entries; ++k)
            firstEntries << k;
        QCOMPARE(table.shownEntries(), firstEntries);
        for (int k : firstEntries)
            QVERIFY2(!table.legend(k).text.trimmed().isEmpty(), qPrintable(QString::number(k)));

        const LegendLine last = table.legend(16);
        QCOMPARE(last.shown, !noData.isEmpty());
        if (last.shown) {
            QCOMPARE(last.text, noData);
            QCOMPARE(last.colour, greyText());
        }

        // The legend takes the place of the date and the clock.
        QVERIFY(table.legendShown());
        QVERIFY(table.find<QWidget>(QStringLiteral("WitamyLab1"))->isHidden());
        QVERIFY(table.find<QWidget>(QStringLiteral("WitamyLab2"))->isHidden());

        // A view button clicks, a menu item sounds like a menu command; one cue a view.
        QCOMPARE(table.log.played, QStringList{table.hasAction(trigger) ? kOver : kClick});

        // Legend and table agree: an enabled element shows a colour of the
        // legend, or the black it had before the view (hydrogen, which has
        // no predecessor, aside in the shell views).
        const QList<QColor> shown = table.shownColours();
        for (int n = 2; n <= Catalogue::kCount; ++n)
            if (table.enabled(n))
                QVERIFY2(shown.contains(table.colourOf(n)) || table.colourOf(n) == buttonText(),
                         qPrintable(QStringLiteral("element %1 in %2").arg(n).arg(table.colourOf(n).name())));
    }

    // The scales of ranges: each text reads "- poniżej B", "- A÷B" or
    // "- powyżej B" with the bounds in the program's notation, the bounds run
    // one way and each entry starts where the one before ends (the gas
    // densities leave gaps), the colours form one ramp, and every element the
    // view places shows the colour of the entry whose range holds its value.
    void rangeScales_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("field");
        QTest::addColumn<Reading>("reading");
        QTest::addColumn<bool>("gaps");
        for (const char *field : {"PromAtom", "PromKowal", "Twardosc", "WytrzRoz", "ModYoung", "Elektrouj", "PowElektr",
                                  "TempTop", "EntTop", "TempWrz", "MolEntAtom", "WspPrzewCiep", "MolPojCiep",
                                  "EntropMol", "PotJon1", "PotJon2", "PotJon3", "PotJon4", "LiczIzotop"})
            QTest::newRow(field) << QString::fromLatin1(field) + QStringLiteral("Button") << QString::fromLatin1(field)
                                 << Reading::Number << false;
        QTest::newRow("solids") << "CiaaStae1" << "Gestosc" << Reading::Number << false;
        QTest::newRow("gases") << "Gazy1" << "Gestosc" << Reading::Number << true;
        QTest::newRow("resistivity") << "OporWlasButton" << "OporWlas" << Reading::Mantissa << false;
        QTest::newRow("paramagnetic scale") << "Pokaparamagnetyki2" << "PodatMag" << Reading::Number << false;
        QTest::newRow("diamagnetic scale") << "Pokadiamagnetyki2" << "PodatMag" << Reading::Number << false;
        QTest::newRow("all years") << "Pozostae1" << "RokOdkryc" << Reading::Year << false;
    }
    void rangeScales()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, field);
        QFETCH(Reading, reading);
        QFETCH(bool, gaps);
        ViewTable table;
        QVERIFY(table.start(trigger));
        const QStringList texts = table.shownTexts();
        const int n = int(texts.size());
        QVERIFY(n >= 8);

        QList<Range> ranges;
        for (int k = 1; k <= n; ++k) {
            const auto range = rangeOf(texts[k - 1], k == 1);
            QVERIFY2(range, qPrintable(texts[k - 1]));
            ranges << *range;
        }
        const bool rising = ranges[1].to > ranges[1].from;
        for (int k = 1; k <= n; ++k) {
            const Range &r = ranges[k - 1];
            QVERIFY2(rising ? r.from < r.to : r.from > r.to, qPrintable(texts[k - 1]));
            if (k < n) {
                const double next = ranges[k].from;
                QVERIFY2(gaps ? (rising ? r.to <= next : r.to >= next) : r.to == next,
                         qPrintable(texts[k - 1] + QStringLiteral(" | ") + texts[k]));
            }
        }

        const QString fault = rampFault(table.shownColours());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        int placed = 0;
        for (int numer = 1; numer <= Catalogue::kCount; ++numer) {
            if (!table.enabled(numer))
                continue;
            const auto value = valueOf(numer, field, reading);
            if (!value)
                continue;
            QList<int> holding;
            for (int k = 1; k <= n; ++k)
                if (takes(ranges[k - 1], k, n, rising, *value))
                    holding << k;
            QVERIFY2(holding.size() == 1 || (gaps && holding.isEmpty()),
                     qPrintable(QStringLiteral("%1 (%2) in %3 entries").arg(nameOf(numer)).arg(*value).arg(holding.size())));
            if (holding.isEmpty())
                continue;
            QVERIFY2(table.colourOf(numer) == table.swatch(holding.first()),
                     qPrintable(QStringLiteral("%1 (%2) is not shown in \"%3\"")
                                    .arg(nameOf(numer)).arg(*value).arg(texts[holding.first() - 1])));
            ++placed;
        }
        QVERIFY(placed > 0);
    }

    // The legends of single values (counts, valences, oxidation states, the
    // Curie temperatures): the values rise from entry to entry, the colours
    // form one ramp, and each element with a value of the legend shows that
    // entry's colour.
    void singleValues_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("field");
        QTest::addColumn<Reading>("reading");
        QTest::newRow("stable isotopes") << "LiczTrIzotopButton" << "LiczTrIzotop" << Reading::Number;
        QTest::newRow("valence") << "WartTypButton" << "WartTyp" << Reading::Number;
        QTest::newRow("oxidation state") << "TypStopUtlButton" << "TypStopUtl" << Reading::FirstListed;
        QTest::newRow("Curie") << "TempCurButton" << "TempCur" << Reading::Number;
    }
    void singleValues()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, field);
        QFETCH(Reading, reading);
        ViewTable table;
        QVERIFY(table.start(trigger));
        const QStringList texts = table.shownTexts();
        const int n = int(texts.size());
        QList<double> values;
        bool andMore = false;
        for (int k = 1; k <= n; ++k) {
            const auto value = entryValue(texts[k - 1], &andMore);
            QVERIFY2(value, qPrintable(texts[k - 1]));
            QVERIFY2(!andMore || k == n, qPrintable(texts[k - 1]));
            QVERIFY2(values.isEmpty() || *value > values.last(), qPrintable(texts[k - 1]));
            values << *value;
        }

        const QString fault = rampFault(table.shownColours());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        int placed = 0;
        for (int numer = 1; numer <= Catalogue::kCount; ++numer) {
            const auto value = valueOf(numer, field, reading);
            if (!table.enabled(numer) || !value)
                continue;
            qsizetype entry = values.indexOf(*value);
            if (entry < 0 && andMore && *value >= values.last())
                entry = n - 1;
            if (entry < 0) {
                // A value beyond the legend's keeps its colour; one within it has an entry.
                QVERIFY2(*value < values.first() || *value > values.last(),
                         qPrintable(QStringLiteral("%1 (%2) has no entry").arg(nameOf(numer)).arg(*value)));
                continue;
            }
            QVERIFY2(table.colourOf(numer) == table.swatch(int(entry) + 1),
                     qPrintable(QStringLiteral("%1 is not shown in \"%2\"").arg(nameOf(numer), texts[entry])));
            ++placed;
        }
        QVERIFY(placed > 0);
    }

    // The abundance legends name one element an entry, lower case; exactly
    // the named elements are lit, each in its entry's colour, and the colours
    // form one ramp.
    void rankings_data()
    {
        QTest::addColumn<QString>("trigger");
        for (const char *trigger : {"ZawZiemiaButton", "ZawSkorZiemButton", "ZawOceanButton", "ZawUkladButton", "ZawCzlowButton"})
            QTest::newRow(trigger) << QString::fromLatin1(trigger);
    }
    void rankings()
    {
        QFETCH(QString, trigger);
        ViewTable table;
        QVERIFY(table.start(trigger));
        const QStringList texts = table.shownTexts();
        std::set<int> named;
        for (qsizetype k = 0; k < texts.size(); ++k) {
            int numer = 0;
            for (const ElementRecord &e : programCatalogue())
                if (texts[k] == QStringLiteral("- ") + e.Nazwa.toLower())
                    numer = e.Numer;
            QVERIFY2(numer > 0, qPrintable(texts[k]));
            QVERIFY2(named.insert(numer).second, qPrintable(texts[k]));
            QCOMPARE(table.colourOf(numer), table.swatch(int(k) + 1));
        }
        QCOMPARE(table.enabledElements(), named);
        const QString fault = rampFault(table.shownColours());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The legends of kinds name them as the user reads them, each kind in a
    // colour of its own.
    void categories_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("state") << "StanSkupButton" << QStringList{"- gazowy", "- ciekły", "- ciało stałe"};
        QTest::newRow("oxide") << "CharTlenButton"
                               << QStringList{"- zasadowy", "- kwasowy", "- amfoteryczny", "- brak tlenków"};
        for (const char *shell : {"K", "L", "M", "N", "O", "P", "Q"}) {
            QStringList texts;
            for (const char *change : {"- wzrost na powłoce ", "- spadek na powłoce ", "- bez zmian na powłoce "})
                texts << QString::fromUtf8(change) + QLatin1StringView(shell);
            if (*shell != 'K')
                texts << QStringLiteral("- brak elektronów na powłoce ") + QLatin1StringView(shell);
            QTest::addRow("shell %s", shell) << QStringLiteral("Pow%1Button").arg(QLatin1StringView(shell)) << texts;
        }
        QTest::newRow("antiquity") << "Star1" << QStringList{"- znany już w starożytności"};
        QTest::newRow("middle ages") << "redniowiecze1" << QStringList{"- poznany w średniowieczu"};
        QTest::newRow("metals") << "Pokametale1" << QStringList{"- metal"};
        QTest::newRow("insulators") << "Pokaizolatory1" << QStringList{"- izolator"};
        QTest::newRow("semiconductors") << "Pokapprzewodniki1" << QStringList{"- półprzewodnik"};
        QTest::newRow("diamagnetics") << "Pokadiamagnetyki1" << QStringList{"- diamagnetyk"};
        QTest::newRow("paramagnetics") << "Pokaparamagnetyki1" << QStringList{"- paramagnetyk"};
        QTest::newRow("ferromagnetics") << "Pokaferromagnetyki1" << QStringList{"- ferromagnetyk"};
        QTest::newRow("all conduction types") << "Pokawszystkie1"
                                              << QStringList{"- metal", "- półprzewodnik", "- izolator"};
        QTest::newRow("all magnetic types") << "Pokawszystkie2"
                                            << QStringList{"- diamagnetyk", "- paramagnetyk", "- ferromagnetyk"};
    }
    void categories()
    {
        QFETCH(QString, trigger);
        QFETCH(QStringList, texts);
        ViewTable table;
        QVERIFY(table.start(trigger));
        QCOMPARE(table.shownTexts(), texts);
        const QList<QColor> colours = table.shownColours();
        for (qsizetype k = 0; k < colours.size(); ++k) {
            QVERIFY2(colours[k] != greyText(), qPrintable(texts[k]));
            for (qsizetype j = 0; j < k; ++j)
                QVERIFY2(colours[k] != colours[j], qPrintable(texts[j] + QStringLiteral(" | ") + texts[k]));
        }
    }
};

TABLICZNIK_TEST_MAIN(ViewLegendsTest)
#include "legends_test.moc"
