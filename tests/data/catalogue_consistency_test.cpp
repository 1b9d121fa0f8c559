#include "support/testmain.h"
// Every element's description against its own record: the discovery years,
// half-lives and isotope counts the text quotes must be the record's, the
// record's lists must agree with each other, and no long sentence is copied
// from one description into another.

#include "data/catalogue.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

using namespace tablicznik;

namespace {

constexpr auto kUnicode = QRegularExpression::UseUnicodePropertiesOption;

QString descriptionSource(int numer)
{
    QFile file(QStringLiteral(TABLICZNIK_SOURCE_DIR "/resources/catalogue/%1.opis").arg(numer, 3, 10, QLatin1Char('0')));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The paragraphs of a description source as the reader sees them: subscripts
// and emphasis marks gone, superscripts kept as "^{...}" so that isotopes
// stay recognisable; headings and list items are paragraphs of their own.
QStringList paragraphsOf(const QString &source)
{
    static const QRegularExpression subscript(QStringLiteral(R"(_\{([^}]*)\})"));
    QStringList paragraphs;
    QString current;
    const auto close = [&] {
        if (!current.isEmpty())
            paragraphs << current;
        current.clear();
    };
    for (QString line : source.split(u'\n')) {
        line = line.trimmed();
        line.replace(subscript, QStringLiteral("\\1"));
        line.remove(QStringLiteral("**"));
        line.remove(QStringLiteral("//"));
        if (line.isEmpty() || line.startsWith(u'=') || line.startsWith(QLatin1StringView("- "))) {
            close();
            if (line.startsWith(QLatin1StringView("- ")))
                paragraphs << line.mid(2);
            continue;
        }
        current += (current.isEmpty() ? QString() : QStringLiteral(" ")) + line;
    }
    close();
    return paragraphs;
}

// A full stop after a digit ("w 2. grupie") does not end a sentence.
QStringList sentencesOf(const QString &paragraph)
{
    static const QRegularExpression end(QStringLiteral(R"((?<=[^\d\s][.!?])\s+)"));
    return paragraph.split(end, Qt::SkipEmptyParts);
}

constexpr double kYear = 365.25 * 86400;

// The half-lives of the record's isotope list in seconds, by mass number
// ("99m" for an isomer).
QHash<QString, double> recordHalfLives(const QString &isotopes)
{
    static const QRegularExpression entry(QStringLiteral(R"(\{\\super (\d+m?)\}([A-Za-z]+)(?: - \p{Ll}+)? \(([^)]*)\))"), kUnicode);
    static const QRegularExpression time(
        QStringLiteral(R"(^([\d,]+)(?:•10\{\\super (\d+)\})? (µs|ms|sek\.|min|godz\.|dni|lat|tys\. lat|mln lat|mld lat)$)"));
    static const QHash<QString, double> units{
        {QStringLiteral("µs"), 1e-6}, {QStringLiteral("ms"), 1e-3}, {QStringLiteral("sek."), 1},
        {QStringLiteral("min"), 60}, {QStringLiteral("godz."), 3600}, {QStringLiteral("dni"), 86400},
        {QStringLiteral("lat"), kYear}, {QStringLiteral("tys. lat"), 1e3 * kYear},
        {QStringLiteral("mln lat"), 1e6 * kYear}, {QStringLiteral("mld lat"), 1e9 * kYear}};
    QHash<QString, double> halfLives;
    for (const auto &m : entry.globalMatch(isotopes)) {
        for (const QString &part : m.captured(3).split(QStringLiteral("; "))) {
            const auto t = time.match(part);
            if (!t.hasMatch())
                continue;
            double value = QString(t.captured(1)).replace(u',', u'.').toDouble();
            if (t.hasCaptured(2))
                value *= std::pow(10.0, t.captured(2).toInt());
            halfLives.insert(m.captured(1), value * units.value(t.captured(3)));
        }
    }
    return halfLives;
}

// The element's own isotopes named in a sentence: "^{60}Co", "^{272}111",
// or a name with the mass number in any case ("kobalt-60", "plutonu-239").
struct IsotopeReference {
    qsizetype position;
    QString mass; // "99m" for an isomer
};
QList<IsotopeReference> isotopeReferences(const QString &sentence, const ElementRecord &e)
{
    static const QRegularExpression superscript(QStringLiteral(R"(\^\{(\d+m?)\}([A-Za-z]+|\d+))"));
    static const QRegularExpression named(QStringLiteral(R"((?<![\w^{])(\p{L}+)-(\d+))"), kUnicode);
    QList<IsotopeReference> references;
    for (const auto &m : superscript.globalMatch(sentence))
        if (m.captured(2) == e.Symbol || m.captured(2) == QString::number(e.Numer))
            references.append({m.capturedStart(), m.captured(1)});
    const QString stem = e.Nazwa.toLower().left(3);
    for (const auto &m : named.globalMatch(sentence))
        if (m.captured(1).toLower().startsWith(stem))
            references.append({m.capturedStart(), m.captured(2)});
    std::sort(references.begin(), references.end(),
              [](const auto &a, const auto &b) { return a.position < b.position; });
    return references;
}

// A length of time the text quotes: "5,3 roku", "24 110 lat", "1,07 i 1,19
// sekundy" (two values), "2·10^{19} lat". Calendar years ("w 1994 roku") are
// not lengths.
struct Duration {
    qsizetype position;
    double seconds;
    double unit;  // seconds per unit of the text
    int decimals; // as written
    bool approximate; // "około", "blisko" … before it
};
QList<Duration> durations(const QString &sentence)
{
    static const QString number = QStringLiteral(R"((\d{1,3}(?: \d{3})+|\d+)(?:,(\d+))?(?:\s*·\s*10\^\{(\d+)\})?)");
    static const QString units = QStringLiteral(
        R"(mikrosekund\w*|milisekund\w*|sekund\w*|minut\w*|godzin\w*|dni|dnia|doby|)"
        R"(tys\. lat|tysięcy lat|tysiąca lat|tysiące lat|mln lat|milion\w* lat|mld lat|miliard\w* lat|lat|lata|roku)");
    static const QRegularExpression one(number);
    static const QRegularExpression duration(
        number + QStringLiteral(R"(((?:\s*(?:i|lub|,|–)\s*(?:\d{1,3}(?: \d{3})+|\d+)(?:,\d+)?(?:\s*·\s*10\^\{\d+\})?)*)\s+()")
            + units + QStringLiteral(R"()(?!\w))"),
        kUnicode);
    static const QRegularExpression hedge(QStringLiteral(R"((około|blisko|ponad|prawie|ok\.|mniej więcej|niespełna|rzędu)\s*$)"));
    static const QList<std::pair<QRegularExpression, double>> scale{
        {QRegularExpression(QStringLiteral("^mikrosekund")), 1e-6},
        {QRegularExpression(QStringLiteral("^milisekund")), 1e-3},
        {QRegularExpression(QStringLiteral("^sekund")), 1},
        {QRegularExpression(QStringLiteral("^minut")), 60},
        {QRegularExpression(QStringLiteral("^godzin")), 3600},
        {QRegularExpression(QStringLiteral("^(dni|dnia|doby)$")), 86400},
        {QRegularExpression(QStringLiteral("^tys")), 1e3 * kYear},
        {QRegularExpression(QStringLiteral("^(mln|milion)")), 1e6 * kYear},
        {QRegularExpression(QStringLiteral("^(mld|miliard)")), 1e9 * kYear},
        {QRegularExpression(QStringLiteral("^(lat|lata|roku)$")), kYear}};
    QList<Duration> found;
    qsizetype from = 0;
    while (true) {
        const auto m = duration.match(sentence, from);
        if (!m.hasMatch())
            break;
        from = m.capturedEnd();
        // The number must start on its own, not inside "1,5" or "12".
        if (m.capturedStart() > 0 && (sentence.at(m.capturedStart() - 1).isDigit() || sentence.at(m.capturedStart() - 1) == u','))
            continue;
        const QString unitWord = m.captured(5);
        if (unitWord == u"roku" && !m.hasCaptured(2) && m.captured(1).size() == 4 && m.captured(4).isEmpty())
            continue;
        double unit = 0;
        for (const auto &[pattern, seconds] : scale)
            if (pattern.match(unitWord).hasMatch()) {
                unit = seconds;
                break;
            }
        const bool approximate = hedge.match(sentence.left(m.capturedStart())).hasMatch();
        const QString values = m.captured(0).left(m.captured(0).size() - unitWord.size());
        for (const auto &v : one.globalMatch(values)) {
            QString digits = v.captured(1);
            digits.remove(u' ');
            double value = (digits + (v.hasCaptured(2) ? u'.' + v.captured(2) : QString())).toDouble();
            if (v.hasCaptured(3))
                value *= std::pow(10.0, v.captured(3).toInt());
            found.append({m.capturedStart() + v.capturedStart(), value * unit, unit, int(v.captured(2).size()), approximate});
        }
    }
    return found;
}

bool agrees(const Duration &quoted, double recorded)
{
    const double ratio = quoted.seconds / recorded;
    if (quoted.approximate && ratio >= 0.95 && ratio <= 1.05)
        return true;
    const double scale = std::pow(10.0, quoted.decimals);
    return std::llround(quoted.seconds / quoted.unit * scale) == std::llround(recorded / quoted.unit * scale);
}

// Every half-life the description quotes for an isotope whose half-life the
// record lists, with the record's value; the sentence must speak of a
// half-life ("półtrwania", "żyje", "rozpada") or give it in parentheses
// right after the isotope.
struct Quote {
    QString mass;
    Duration duration;
    double recorded;
    QString sentence;
};
QList<Quote> quotedHalfLives(const ElementRecord &e, const QString &source)
{
    static const QRegularExpression aboutHalfLife(QStringLiteral("półtrwania|żyj|rozpada"), kUnicode);
    static const QRegularExpression inParentheses(QStringLiteral(R"(^\^\{\d+m?\}\w+ \($)"), kUnicode);
    const QHash<QString, double> recorded = recordHalfLives(e.Izotopy);
    QList<Quote> quotes;
    for (const QString &paragraph : paragraphsOf(source)) {
        for (const QString &sentence : sentencesOf(paragraph)) {
            const auto references = isotopeReferences(sentence, e);
            if (references.isEmpty())
                continue;
            const auto times = durations(sentence);
            QList<std::pair<QString, Duration>> pairs;
            if (references.size() > 1 && references.size() == times.size() && aboutHalfLife.match(sentence).hasMatch()) {
                for (qsizetype i = 0; i < references.size(); ++i)
                    pairs.append({references.at(i).mass, times.at(i)});
            } else {
                for (qsizetype i = 0; i < references.size(); ++i) {
                    const qsizetype start = references.at(i).position;
                    const qsizetype next = i + 1 < references.size() ? references.at(i + 1).position : sentence.size();
                    for (const Duration &t : times) {
                        if (t.position <= start || t.position >= next)
                            continue;
                        const QString between = sentence.mid(start, t.position - start);
                        if (aboutHalfLife.match(between).hasMatch() || inParentheses.match(between).hasMatch())
                            pairs.append({references.at(i).mass, t});
                        break;
                    }
                }
            }
            for (const auto &[mass, duration] : pairs)
                if (recorded.contains(mass))
                    quotes.append({mass, duration, recorded.value(mass), sentence});
        }
    }
    return quotes;
}

// What a description says about how many isotopes of the element are known:
// "Znanych jest 20 izotopów plutonu", "Wodór ma trzy izotopy", "kilkanaście",
// "około dwudziestu", "ponad 30". Natural and stable isotopes are another
// count and are not matched.
struct CountClaim {
    int low, high;
    QString text;
};
QList<CountClaim> isotopeCountClaims(const QString &source)
{
    static const QHash<QString, std::pair<int, int>> words{
        {QStringLiteral("kilka"), {2, 9}},         {QStringLiteral("kilkanaście"), {11, 19}},
        {QStringLiteral("kilkadziesiąt"), {20, 99}}, {QStringLiteral("dwa"), {2, 2}},
        {QStringLiteral("trzy"), {3, 3}},          {QStringLiteral("cztery"), {4, 4}},
        {QStringLiteral("pięć"), {5, 5}},          {QStringLiteral("sześć"), {6, 6}},
        {QStringLiteral("siedem"), {7, 7}},        {QStringLiteral("osiem"), {8, 8}},
        {QStringLiteral("dziewięć"), {9, 9}},      {QStringLiteral("dziesięć"), {10, 10}},
        {QStringLiteral("dwadzieścia"), {20, 20}}, {QStringLiteral("dwudziestu"), {20, 20}},
        {QStringLiteral("trzydzieści"), {30, 30}}, {QStringLiteral("trzydziestu"), {30, 30}}};
    static const QRegularExpression claim(
        QStringLiteral(R"((?:Znanych jest|\bma)\s+(ponad |około )?(\d+|\p{Ll}+)\s+(?:znanych |jego )?izotop(?:y|ów)\b)"), kUnicode);
    QList<CountClaim> claims;
    const QString text = paragraphsOf(source).join(u' ');
    for (const auto &m : claim.globalMatch(text)) {
        bool isNumber = false;
        int low = m.captured(2).toInt(&isNumber), high = low;
        if (!isNumber) {
            if (!words.contains(m.captured(2)))
                continue;
            std::tie(low, high) = words.value(m.captured(2));
        }
        if (m.captured(1) == u"ponad ") {
            low += 1;
            high = 999;
        } else if (m.captured(1) == u"około ") {
            low -= 2;
            high += 2;
        }
        claims.append({low, high, m.captured(0)});
    }
    return claims;
}

// Mass numbers of the element's own isotopes named in its isotope list and
// description; an isomer counts with its ground state.
QSet<int> namedIsotopes(const ElementRecord &e, const QString &source)
{
    static const QRegularExpression listed(QStringLiteral(R"(\{\\super (\d+)m?\}([A-Za-z]+))"));
    QSet<int> masses;
    for (const auto &m : listed.globalMatch(e.Izotopy))
        if (m.captured(2) == e.Symbol)
            masses.insert(m.captured(1).toInt());
    for (const QString &paragraph : paragraphsOf(source))
        for (const auto &reference : isotopeReferences(paragraph, e))
            masses.insert(QString(reference.mass).remove(u'm').toInt());
    return masses;
}

// The oxidation states a description quotes for its element ("na stopniach
// utlenienia +2 i +4", "od +3 do +7") that its record does not list. A
// prediction ("byłby", "powinien") quotes nothing; a record without states
// ("-") may stand against a measured one only when the text says why the
// card shows a dash.
QStringList unlistedOxidationStates(const ElementRecord &e, const QString &source)
{
    static const QRegularExpression quoted(
        QStringLiteral(R"(stop(?:ień|ni\w*) utlenienia ((?:od )?[+–-]\d(?:(?:,\s*| i | lub | oraz | do | albo )[+–-]\d)*))"), kUnicode);
    static const QRegularExpression state(QStringLiteral("[+–-]\\d"));
    static const QRegularExpression predicted(QStringLiteral(R"(\b(byłby|byłaby|powinien|powinna|przewiduj\w*)\b)"), kUnicode);
    const QStringList listed = e.StopUtl.split(u',');
    const bool dashExplained = e.StopUtl == QLatin1StringView("-") && source.contains(QLatin1StringView("kresk"));
    QStringList unlisted;
    for (const QString &paragraph : paragraphsOf(source))
        for (const QString &sentence : sentencesOf(paragraph)) {
            if (predicted.match(sentence).hasMatch() || dashExplained)
                continue;
            for (const auto &m : quoted.globalMatch(sentence))
                for (const auto &s : state.globalMatch(m.captured(1))) {
                    const QString value = QString(s.captured(0)).replace(u'–', u'-');
                    if (!listed.contains(value))
                        unlisted << QStringLiteral("%1: %2 not in \"%3\"").arg(e.Nazwa, value, e.StopUtl);
                }
        }
    return unlisted;
}

// Long sentences written twice, and sentences or paragraphs of different
// descriptions that open with the same 40 characters (numbers aside: "grupie
// 5" and "grupie 6" are one template), as "N and M: text" lines.
QStringList templateSentences(const QList<std::pair<int, QString>> &sources)
{
    static const QRegularExpression number(QStringLiteral(R"(\d+)"));
    QHash<QString, int> firstSeen;
    QStringList repeated;
    for (const auto &[numer, source] : sources) {
        QSet<QString> own;
        for (const QString &paragraph : paragraphsOf(source)) {
            QStringList units = sentencesOf(paragraph);
            units.prepend(paragraph);
            for (const QString &unit : units) {
                if (unit.size() >= 60)
                    own.insert(unit);
                const QString opening = QString(unit).replace(number, QStringLiteral("#"));
                if (opening.size() >= 40)
                    own.insert(opening.left(40) + QStringLiteral(" …"));
            }
        }
        for (const QString &text : own) {
            const int seen = firstSeen.value(text, numer);
            if (seen != numer)
                repeated << QStringLiteral("%1 and %2: %3").arg(seen).arg(numer).arg(text);
            else
                firstSeen.insert(text, numer);
        }
    }
    return repeated;
}

// The isotopes of a list that live longest: the first and every other whose
// half-life is within 5 % of it, a difference below the measurements'
// uncertainty (technetium's ^{97}Tc 4,21 and ^{98}Tc 4,2 mln lat).
QSet<QString> longestLived(const QHash<QString, double> &halfLives)
{
    double longest = 0;
    for (double t : halfLives)
        longest = std::max(longest, t);
    QSet<QString> masses;
    for (auto it = halfLives.begin(); it != halfLives.end(); ++it)
        if (it.value() >= 0.95 * longest)
            masses.insert(it.key());
    return masses;
}

} // namespace

class CatalogueConsistencyTest : public QObject {
    Q_OBJECT

    std::optional<Catalogue> m_catalogue;
    // Every element the program can show: 1 ... 112 under the names their
    // descriptions use, and 113 ... 118, which exist only in today's table.
    std::vector<ElementRecord> m_every;
    QHash<int, QString> m_sources;

    ElementRecord patched(int numer, const QString &isotopes) const
    {
        ElementRecord e = m_catalogue->element(numer);
        e.Izotopy = isotopes;
        return e;
    }

private slots:
    void initTestCase()
    {
        try {
            m_catalogue = Catalogue::load();
        } catch (const CatalogueError &error) {
            QFAIL(error.what());
        }
        Catalogue today = *m_catalogue;
        today.setModernNames(true);
        m_every.assign(m_catalogue->begin(), m_catalogue->end());
        m_every.insert(m_every.end(), today.begin() + Catalogue::kCount, today.end());
        QCOMPARE(int(m_every.size()), 118);
        for (int n = 1; n <= Catalogue::kModernCount; ++n) {
            m_sources.insert(n, descriptionSource(n));
            QVERIFY2(!m_sources.value(n).isEmpty(), qPrintable(QString::number(n)));
        }
    }

    // "1868 (1895)" is told as two events; both years belong in the story.
    void discoveryYearsAreInTheDescription()
    {
        static const QRegularExpression year(QStringLiteral(R"(\d{4})"));
        for (const ElementRecord &e : m_every) {
            const QString text = paragraphsOf(m_sources.value(e.Numer)).join(u' ');
            for (const auto &m : year.globalMatch(e.RokOdkryc)) {
                const QRegularExpression word(QStringLiteral(R"(\b%1\b)").arg(m.captured(0)));
                QVERIFY2(word.match(text).hasMatch(),
                         qPrintable(QStringLiteral("%1: %2 not told").arg(e.Nazwa, m.captured(0))));
            }
        }
    }

    void halfLivesAgreeWithTheIsotopeList()
    {
        int compared = 0;
        QStringList disagreements;
        for (const ElementRecord &e : m_every) {
            for (const Quote &q : quotedHalfLives(e, m_sources.value(e.Numer))) {
                ++compared;
                if (!agrees(q.duration, q.recorded))
                    disagreements << QStringLiteral("%1-%2: text %3 s, list %4 s in \"%5\"")
                                         .arg(e.Nazwa, q.mass)
                                         .arg(q.duration.seconds, 0, 'g', 4)
                                         .arg(q.recorded, 0, 'g', 4)
                                         .arg(q.sentence.left(120));
            }
        }
        QVERIFY2(disagreements.isEmpty(), qPrintable(disagreements.join(u'\n')));
        // The descriptions quote some ninety half-lives; far fewer means the
        // reading above lost track of them.
        QVERIFY2(compared >= 75, qPrintable(QString::number(compared)));
    }

    void halfLifeReading_data()
    {
        QTest::addColumn<int>("numer");
        QTest::addColumn<QString>("isotopes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("agree");
        const QString cobalt = QStringLiteral("{\\super 59}Co (100%), {\\super 60}Co (5,27 lat).");
        QTest::newRow("hedged, rounded") << 27 << cobalt << "Izotop ^{60}Co, o okresie półtrwania około 5,3 roku, świeci." << true;
        QTest::newRow("exact, stale") << 27 << cobalt << "Izotop ^{60}Co ma okres półtrwania 5,71 roku." << false;
        QTest::newRow("named isotope, wrong unit") << 27 << cobalt << "Kobalt-60 rozpada się z okresem półtrwania 5,27 dnia." << false;
        QTest::newRow("calendar year is no half-life") << 27 << cobalt << "Okres półtrwania izotopu ^{60}Co zmierzono w 1938 roku." << true;
        const QString bohrium = QStringLiteral("{\\super 264}Uns (1,07 sek.), {\\super 265}Uns (1,19 sek.).");
        QTest::newRow("two isotopes, two values") << 107 << bohrium
                                                  << "Izotopy ^{264}Uns i ^{265}Uns mają okresy półtrwania 1,07 i 1,19 sekundy." << true;
        QTest::newRow("two isotopes, swapped") << 107 << bohrium
                                               << "Izotopy ^{264}Uns i ^{265}Uns mają okresy półtrwania 1,19 i 1,07 sekundy." << false;
        const QString plutonium = QStringLiteral("{\\super 239}Pu (24110 lat), {\\super 244}Pu (81,3 mln lat).");
        QTest::newRow("thousands written apart") << 94 << plutonium << "Najważniejszy jest ^{239}Pu (24 110 lat)." << true;
        QTest::newRow("millions in words") << 94 << plutonium << "Najtrwalszy ^{244}Pu żyje 80 milionów lat." << false;
    }
    void halfLifeReading()
    {
        QFETCH(int, numer);
        QFETCH(QString, isotopes);
        QFETCH(QString, text);
        QFETCH(bool, agree);
        const QList<Quote> quotes = quotedHalfLives(patched(numer, isotopes), text);
        bool allAgree = true;
        for (const Quote &q : quotes)
            allAgree = allAgree && agrees(q.duration, q.recorded);
        QCOMPARE(allAgree, agree);
        if (!agree)
            QVERIFY(!quotes.isEmpty());
    }

    void isotopeCountsAgreeWithTheText()
    {
        int claims = 0;
        for (const ElementRecord &e : m_every) {
            const int count = e.LiczIzotop.toInt();
            for (const CountClaim &c : isotopeCountClaims(m_sources.value(e.Numer))) {
                ++claims;
                QVERIFY2(count >= c.low && count <= c.high,
                         qPrintable(QStringLiteral("%1 has %2 known isotopes; the text says \"%3\"").arg(e.Nazwa).arg(count).arg(c.text)));
            }
        }
        QVERIFY2(claims >= 8, qPrintable(QString::number(claims)));
    }

    void isotopeCountReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("figure") << "Znanych jest 20 izotopów plutonu." << 20 << 20;
        QTest::newRow("word") << "Wodór ma trzy izotopy: prot, deuter i tryt." << 3 << 3;
        QTest::newRow("a dozen or so") << "Znanych jest kilkanaście jego izotopów." << 11 << 19;
        QTest::newRow("tens") << "Znanych jest kilkadziesiąt izotopów technetu." << 20 << 99;
        QTest::newRow("more than") << "Znanych jest ponad 30 izotopów astatu." << 31 << 999;
        QTest::newRow("about") << "Znanych jest około dwudziestu izotopów kalifornu." << 18 << 22;
        QTest::newRow("stable ones are another count") << "Cyna ma dziesięć trwałych izotopów." << -1 << -1;
    }
    void isotopeCountReading()
    {
        QFETCH(QString, text);
        QFETCH(int, low);
        QFETCH(int, high);
        const QList<CountClaim> claims = isotopeCountClaims(text);
        if (low < 0) {
            QVERIFY(claims.isEmpty());
            return;
        }
        QCOMPARE(claims.size(), 1);
        QCOMPARE(claims.first().low, low);
        QCOMPARE(claims.first().high, high);
    }

    // The count of known isotopes can never be smaller than the isotopes the
    // element's own list and description name.
    void isotopeCountCoversNamedIsotopes()
    {
        for (const ElementRecord &e : m_every) {
            const QSet<int> named = namedIsotopes(e, m_sources.value(e.Numer));
            QVERIFY2(e.LiczIzotop.toInt() >= named.size(),
                     qPrintable(QStringLiteral("%1: %2 known, %3 named").arg(e.Nazwa, e.LiczIzotop).arg(named.size())));
        }
        // Hydrogen's three are all named, and the technetium text names its
        // isomer ^{99m}Tc with the ground state.
        QCOMPARE(namedIsotopes(m_catalogue->element(1), m_sources.value(1)), (QSet<int>{1, 2, 3}));
        QVERIFY(namedIsotopes(m_catalogue->element(43), m_sources.value(43)).contains(99));
    }

    // Each description is written for its own element: a long sentence
    // copied between descriptions, or sentences and paragraphs that open with
    // the same 40 characters, are signs of a template left unfinished.
    void noTemplateSentences()
    {
        QList<std::pair<int, QString>> sources;
        qsizetype sentences = 0;
        for (int n = 1; n <= Catalogue::kModernCount; ++n) {
            sources.append({n, m_sources.value(n)});
            for (const QString &paragraph : paragraphsOf(m_sources.value(n)))
                sentences += sentencesOf(paragraph).size();
        }
        const QStringList repeated = templateSentences(sources);
        QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(u'\n')));
        // Far fewer sentences would mean the reading above lost them.
        QVERIFY2(sentences > 3000, qPrintable(QString::number(sentences)));
    }
    void templateSentenceReading()
    {
        const QString first = QStringLiteral("Pierwiastek 105 jest sztucznym pierwiastkiem leżącym w grupie 5, pod tantalem. "
                                             "Jego izotopy żyją krótko, od milisekund do godzin.");
        const QString second = QStringLiteral("Pierwiastek 106 jest sztucznym pierwiastkiem leżącym w grupie 6, pod wolframem.");
        const QString copied = QStringLiteral("Inny tekst.\n\nJego izotopy żyją krótko, od milisekund do godzin.");
        const QString own = QStringLiteral("Pierwiastek 106 otrzymano w 1974 roku w Berkeley, bombardując kaliforn jonami tlenu.");
        QCOMPARE(templateSentences({{105, first}, {106, second}}).size(), 1); // numbers aside
        QCOMPARE(templateSentences({{105, first}, {106, copied}}).size(), 1);
        QVERIFY(templateSentences({{105, first}, {106, own}}).isEmpty());
    }

    void quotedOxidationStatesAreTheRecords()
    {
        QStringList unlisted;
        for (const ElementRecord &e : *m_catalogue)
            unlisted << unlistedOxidationStates(e, m_sources.value(e.Numer));
        QVERIFY2(unlisted.isEmpty(), qPrintable(unlisted.join(u'\n')));

        ElementRecord iron = m_catalogue->element(26);
        iron.StopUtl = QStringLiteral("+3");
        QCOMPARE(unlistedOxidationStates(iron, QStringLiteral("Występuje na stopniach utlenienia +2 i +3.")),
                 QStringList{QStringLiteral("Żelazo: +2 not in \"+3\"")});
        QVERIFY(unlistedOxidationStates(iron, QStringLiteral("Jego tlenek byłby na stopniu utlenienia +6.")).isEmpty());
        ElementRecord bohrium = m_catalogue->element(107);
        bohrium.StopUtl = QStringLiteral("-");
        const QString measured = QStringLiteral("W tlenochlorku ma stopień utlenienia +7.");
        QCOMPARE(unlistedOxidationStates(bohrium, measured).size(), 1);
        QVERIFY(unlistedOxidationStates(bohrium, measured + QStringLiteral(" Karta pokazuje tu kreskę.")).isEmpty());
    }

    // A share of the Earth's crust the text quotes ("stanowi około 2,3% masy
    // skorupy ziemskiej") is the record's value rounded to the quoted digits.
    void crustSharesAgreeWithTheRecord()
    {
        static const QRegularExpression share(QStringLiteral(R"((?<![\d,–])(\d+)(?:,(\d+))?%)"));
        int compared = 0;
        for (const ElementRecord &e : *m_catalogue) {
            bool isNumber = false;
            const double recorded = QString(e.ZawSkorZiem).replace(u',', u'.').toDouble(&isNumber);
            if (!isNumber)
                continue;
            for (const QString &paragraph : paragraphsOf(m_sources.value(e.Numer)))
                for (const QString &sentence : sentencesOf(paragraph)) {
                    const auto m = share.match(sentence);
                    if (!sentence.contains(QLatin1StringView("skorup")) || !m.hasMatch())
                        continue;
                    ++compared;
                    const double scale = std::pow(10.0, m.captured(2).size());
                    const double quoted = QString(m.captured(1) + u'.' + m.captured(2)).toDouble();
                    QVERIFY2(std::llround(recorded * scale) == std::llround(quoted * scale),
                             qPrintable(QStringLiteral("%1: record %2, text \"%3\"").arg(e.Nazwa, e.ZawSkorZiem, sentence)));
                }
        }
        QVERIFY2(compared >= 10, qPrintable(QString::number(compared)));
    }

    // An element with no stable isotope is given the mass number of its
    // longest-lived isotope; its own list (or, when the list is empty, its
    // description) names that isotope.
    void massNumberIsTheLongestLivedIsotope()
    {
        int checked = 0;
        for (const ElementRecord &e : *m_catalogue) {
            if (e.LiczTrIzotop != QLatin1StringView("0"))
                continue;
            ++checked;
            const QString mass = e.MasaAtom.section(u',', 0, 0);
            if (e.Izotopy == QLatin1StringView("-")) {
                const QSet<int> named = namedIsotopes(e, m_sources.value(e.Numer));
                QVERIFY2(named.contains(mass.toInt()), qPrintable(e.Nazwa));
                continue;
            }
            const QSet<QString> longest = longestLived(recordHalfLives(e.Izotopy));
            QVERIFY2(longest.contains(mass),
                     qPrintable(QStringLiteral("%1: mass %2, longest-lived %3").arg(e.Nazwa, e.MasaAtom, QStringList(longest.values()).join(u'/'))));
        }
        QVERIFY2(checked >= 29, qPrintable(QString::number(checked)));
        // The withdrawn 21 s of ^{266}Sg made 266 the longest-lived.
        QCOMPARE(longestLived(recordHalfLives(QStringLiteral("{\\super 265}Unh (9,2 sek.), {\\super 266}Unh (21 sek.)."))),
                 QSet<QString>{QStringLiteral("266")});
        QCOMPARE(longestLived(recordHalfLives(m_catalogue->element(43).Izotopy)), (QSet<QString>{QStringLiteral("97"), QStringLiteral("98")}));
    }

    // Every valence of the valence list appears among the oxidation states.
    void valencesAreAmongOxidationStates()
    {
        static const QRegularExpression digit(QStringLiteral(R"(\d)"));
        for (const ElementRecord &e : m_every) {
            if (e.WartInne == QLatin1StringView("-"))
                continue;
            const QStringList states = e.StopUtl.split(u',');
            for (const auto &m : digit.globalMatch(e.WartInne)) {
                const QString v = m.captured(0);
                QVERIFY2(states.contains(u'+' + v) || states.contains(u'-' + v),
                         qPrintable(QStringLiteral("%1: valence %2 not in \"%3\"").arg(e.Nazwa, v, e.StopUtl)));
            }
        }
    }
};

TABLICZNIK_TEST_MAIN(CatalogueConsistencyTest)
#include "catalogue_consistency_test.moc"
