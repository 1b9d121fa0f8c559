#include "formula.h"

#include "catalogue.h"

#include <QChar>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tablicznik {

SymbolLookup catalogueSymbols(const Catalogue &catalogue)
{
    return [&catalogue](QStringView symbol) {
        for (const ElementRecord &e : catalogue)
            if (e.Symbol == symbol)
                return e.Numer;
        return 0;
    };
}

namespace {

const QString kSubscripts = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");
const QString kSuperscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
constexpr char16_t kSuperPlus = u'⁺', kSuperMinus = u'⁻';

// 0 ... 9 for an ASCII, subscript or superscript digit, else -1.
int digitOf(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (qsizetype at = kSubscripts.indexOf(c); at >= 0)
        return int(at);
    return int(kSuperscripts.indexOf(c));
}
bool isSuperscriptDigit(QChar c) { return kSuperscripts.contains(c); }
bool isDigit(QChar c) { return digitOf(c) >= 0 && !isSuperscriptDigit(c); }
// +1, -1, or 0 for anything else; the typographic minus counts.
int signOf(QChar c)
{
    if (c == u'+' || c == kSuperPlus)
        return 1;
    if (c == u'-' || c == kSuperMinus || c == u'−')
        return -1;
    return 0;
}
bool isSuperscriptSign(QChar c) { return c == kSuperPlus || c == kSuperMinus; }
bool isSeparator(QChar c) { return c == u'·' || c == u'*' || c == u'.' || c == u'•' || c == u'⋅'; }
bool isUpper(QChar c) { return c >= u'A' && c <= u'Z'; }
bool isLower(QChar c) { return c >= u'a' && c <= u'z'; }

QString subscript(const QString &digits)
{
    QString out;
    for (QChar c : digits)
        out += c.isDigit() ? kSubscripts.at(c.unicode() - u'0') : c;
    return out;
}

QString chargeText(int charge, bool super)
{
    const QString magnitude = std::abs(charge) == 1 ? QString() : QString::number(std::abs(charge));
    if (!super)
        return QStringLiteral("^") + magnitude + (charge > 0 ? u'+' : u'-');
    QString out;
    for (QChar c : magnitude)
        out += kSuperscripts.at(c.unicode() - u'0');
    return out + (charge > 0 ? kSuperPlus : kSuperMinus);
}

using Parts = std::vector<Formula::Part>;

void addInto(Parts &into, const Parts &added, double factor)
{
    for (const Formula::Part &p : added) {
        auto same = std::ranges::find(into, p.numer, &Formula::Part::numer);
        if (same == into.end())
            into.push_back({p.numer, p.count * factor});
        else
            same->count += p.count * factor;
    }
}

double atomCount(const Parts &parts)
{
    return std::accumulate(parts.begin(), parts.end(), 0.0,
                           [](double sum, const Formula::Part &p) { return sum + p.count; });
}

// Reads the part before the charge. Blanks are skipped everywhere.
class Reader {
public:
    Reader(QStringView text, qsizetype end, const SymbolLookup &lookup, Formula &out)
        : m_text(text), m_end(end), m_lookup(lookup), m_out(out)
    {
    }

    bool read()
    {
        bool first = true;
        Parts total;
        while (true) {
            double coefficient = 1;
            if (!readCoefficient(coefficient))
                return false;
            Parts part;
            if (!readGroups(part))
                return false;
            if (part.empty())
                return fail(m_at, m_at < m_end ? 1 : 0,
                            coefficient == 1 ? QStringLiteral("brak symbolu pierwiastka")
                                             : QStringLiteral("po współczynniku brak wzoru"));
            if (first) {
                m_wholeCoefficient = coefficient;
                m_wholeCoefficientAt = m_coefficientAt;
            }
            addInto(total, part, first ? 1 : coefficient);
            first = false;
            if (atEnd())
                break;
            // readGroups stops at a separator only
            m_out.plain += u'·';
            m_out.typeset += u'·';
            ++m_at;
        }
        addInto(m_out.parts, total, m_wholeCoefficient);
        if (atomCount(m_out.parts) > Formula::kMaxAtoms)
            return fail(m_wholeCoefficientAt, 1, QStringLiteral("wzór ma ponad 1 000 000 atomów"));
        return true;
    }

private:
    bool atEnd()
    {
        skipBlanks();
        return m_at >= m_end;
    }
    void skipBlanks()
    {
        while (m_at < m_end && m_text[m_at].isSpace())
            ++m_at;
    }
    bool fail(qsizetype at, qsizetype length, const QString &message)
    {
        m_out.errorPosition = int(at);
        m_out.errorLength = int(length);
        m_out.error = message;
        return false;
    }

    // Digits (and blanks among them) into a whole number; false when too big.
    bool readWhole(double &value, QString &digits)
    {
        const qsizetype start = m_at;
        value = 0;
        while (m_at < m_end && (isDigit(m_text[m_at]) || (m_text[m_at].isSpace() && !digits.isEmpty()))) {
            if (!m_text[m_at].isSpace()) {
                value = value * 10 + digitOf(m_text[m_at]);
                digits += QChar(u'0' + digitOf(m_text[m_at]));
                if (value > Formula::kMaxAtoms)
                    return fail(start, m_at - start + 1, QStringLiteral("liczba jest za duża (ponad 1 000 000)"));
            }
            ++m_at;
        }
        return true;
    }

    // A number before a formula or a hydrate's part: 2, 5, 0.5, 0,5.
    bool readCoefficient(double &coefficient)
    {
        skipBlanks();
        const qsizetype start = m_at;
        m_coefficientAt = start;
        QString digits;
        if (!readWhole(coefficient, digits))
            return false;
        if (digits.isEmpty()) {
            coefficient = 1;
            return true;
        }
        if (m_at + 1 < m_end && (m_text[m_at] == u'.' || m_text[m_at] == u',') && isDigit(m_text[m_at + 1])) {
            ++m_at;
            double scale = 0.1;
            digits += u',';
            for (; m_at < m_end && isDigit(m_text[m_at]) && scale > 1e-9; ++m_at, scale /= 10) {
                coefficient += digitOf(m_text[m_at]) * scale;
                digits += QChar(u'0' + digitOf(m_text[m_at]));
            }
        }
        if (coefficient == 0)
            return fail(start, m_at - start, QStringLiteral("współczynnik nie może być zerem"));
        m_out.plain += digits;
        m_out.typeset += digits;
        return true;
    }

    // A count after a symbol or a bracket; 1 when none is written.
    bool readCount(double &count)
    {
        skipBlanks();
        const qsizetype start = m_at;
        QString digits;
        if (!readWhole(count, digits))
            return false;
        if (digits.isEmpty()) {
            count = 1;
            return true;
        }
        if (count == 0)
            return fail(start, m_at - start, QStringLiteral("liczba atomów nie może być zerem"));
        m_out.plain += digits;
        m_out.typeset += subscript(digits);
        return true;
    }

    bool readSymbol(int &numer)
    {
        const qsizetype start = m_at;
        qsizetype run = 1;
        while (start + run < m_end && isLower(m_text[start + run]))
            ++run;
        // The whole run is the symbol: "Hcl" is no H followed by something.
        if ((numer = m_lookup(m_text.mid(start, run))) > 0) {
            m_at = start + run;
            m_out.plain += m_text.mid(start, run);
            m_out.typeset += m_text.mid(start, run);
            return true;
        }
        return fail(start, run,
                    QStringLiteral("nieznany symbol pierwiastka „%1”").arg(m_text.mid(start, run).toString()));
    }

    // Symbols and brackets with their counts, up to a separator or the end.
    bool readGroups(Parts &out)
    {
        struct Open {
            QChar bracket;
            qsizetype at;
            Parts parts;
        };
        std::vector<Open> open;
        auto current = [&]() -> Parts & { return open.empty() ? out : open.back().parts; };
        while (!atEnd()) {
            const QChar c = m_text[m_at];
            if (isUpper(c)) {
                int numer = 0;
                double count = 1;
                const qsizetype symbolAt = m_at;
                if (!readSymbol(numer) || !readCount(count))
                    return false;
                addInto(current(), {{numer, 1}}, count);
                if (atomCount(current()) > Formula::kMaxAtoms)
                    return fail(symbolAt, m_at - symbolAt, QStringLiteral("wzór ma ponad 1 000 000 atomów"));
            } else if (c == u'(' || c == u'[') {
                open.push_back({c, m_at, {}});
                m_out.plain += c;
                m_out.typeset += c;
                ++m_at;
            } else if (c == u')' || c == u']') {
                const QChar expected = c == u')' ? u'(' : u'[';
                if (open.empty())
                    return fail(m_at, 1, QStringLiteral("nawias „%1” nie ma pary").arg(c));
                if (open.back().bracket != expected)
                    return fail(m_at, 1,
                                QStringLiteral("nawias „%1” zamyka nawias „%2” ze znaku %3")
                                    .arg(c)
                                    .arg(open.back().bracket)
                                    .arg(open.back().at + 1));
                if (open.back().parts.empty())
                    return fail(open.back().at, m_at - open.back().at + 1, QStringLiteral("pusty nawias"));
                const qsizetype close = m_at;
                m_out.plain += c;
                m_out.typeset += c;
                ++m_at;
                double count = 1;
                if (!readCount(count))
                    return false;
                Parts group = std::move(open.back().parts);
                open.pop_back();
                addInto(current(), group, count);
                if (atomCount(current()) > Formula::kMaxAtoms)
                    return fail(close, m_at - close, QStringLiteral("wzór ma ponad 1 000 000 atomów"));
            } else if (isSeparator(c)) {
                break;
            } else if (isLower(c)) {
                return fail(m_at, 1, QStringLiteral("symbol pierwiastka zaczyna się wielką literą"));
            } else if (isDigit(c)) {
                return fail(m_at, 1, QStringLiteral("liczba w tym miejscu nie należy do żadnego symbolu"));
            } else if (c == u'^') {
                return fail(m_at, 1, QStringLiteral("po „^” pisze się ładunek ze znakiem, na końcu wzoru (np. SO4^2-)"));
            } else if (signOf(c) != 0 || isSuperscriptDigit(c)) {
                return fail(m_at, 1, QStringLiteral("ładunek może stać tylko na końcu wzoru"));
            } else {
                return fail(m_at, 1, QStringLiteral("znak „%1” nie należy do wzoru").arg(c));
            }
        }
        if (!open.empty())
            return fail(open.back().at, 1, QStringLiteral("nawias „%1” nie ma pary").arg(open.back().bracket));
        return true;
    }

    QStringView m_text;
    qsizetype m_end;
    qsizetype m_at = 0;
    const SymbolLookup &m_lookup;
    Formula &m_out;
    double m_wholeCoefficient = 1;
    qsizetype m_coefficientAt = 0, m_wholeCoefficientAt = 0;
};

// Finds a charge at the end of the text: sets the charge and returns where
// the formula itself ends; -1 on a malformed charge (the error is set).
qsizetype readCharge(QStringView text, qsizetype end, Formula &out)
{
    auto fail = [&](qsizetype at, qsizetype length, const QString &message) {
        out.errorPosition = int(at);
        out.errorLength = int(length);
        out.error = message;
        return qsizetype(-1);
    };
    qsizetype at = end;
    // The sign first, as in "^+2": the digits end the text.
    qsizetype digitsEnd = at;
    while (at > 0 && isDigit(text[at - 1]))
        --at;
    if (at < digitsEnd && at >= 2 && signOf(text[at - 1]) && text[at - 2] == u'^') {
        const QString digits = text.sliced(at, digitsEnd - at).toString();
        if (digits.size() > 3 || digits.toInt() == 0)
            return fail(at, digitsEnd - at, QStringLiteral("ładunek musi być liczbą od 1 do 999"));
        out.charge = signOf(text[at - 1]) * digits.toInt();
        return at - 2;
    }
    at = end;
    if (at == 0 || !signOf(text[at - 1]))
        return end;
    const int sign = signOf(text[at - 1]);
    const bool super = isSuperscriptSign(text[at - 1]);
    // "Fe+++": each sign one charge.
    int signs = 0;
    while (at > 0 && signOf(text[at - 1]) == sign && isSuperscriptSign(text[at - 1]) == super)
        --at, ++signs;
    const qsizetype signsAt = at;
    qsizetype digitsAt = at;
    while (digitsAt > 0 && (super ? isSuperscriptDigit(text[digitsAt - 1]) : isDigit(text[digitsAt - 1])))
        --digitsAt;
    const bool caret = digitsAt > 0 && text[digitsAt - 1] == u'^';
    const bool blank = digitsAt > 0 && text[digitsAt - 1].isSpace();
    qsizetype formulaEnd = signsAt;
    int magnitude = 1;
    if (super || caret || blank) {
        if (digitsAt < signsAt) {
            QString digits;
            for (QChar c : text.sliced(digitsAt, signsAt - digitsAt))
                digits += QChar(u'0' + digitOf(c));
            if (digits.size() > 3 || digits.toInt() == 0 || signs > 1)
                return fail(digitsAt, end - digitsAt, QStringLiteral("ładunek musi być liczbą od 1 do 999"));
            magnitude = digits.toInt();
        }
        formulaEnd = caret ? digitsAt - 1 : digitsAt;
    }
    // Else digits right before a bare sign are the last count: NH4+.
    out.charge = sign * magnitude * signs;
    return formulaEnd;
}

} // namespace

namespace {
Formula readWithoutSuggestion(QStringView text, const SymbolLookup &lookup)
{
    Formula out;
    if (text.size() > Formula::kMaxLength) {
        out.errorPosition = Formula::kMaxLength;
        out.errorLength = int(text.size() - Formula::kMaxLength);
        out.error = QStringLiteral("Wzór jest za długi: najwyżej %1 znaków.").arg(Formula::kMaxLength);
        return out;
    }
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    if (end == 0) {
        out.errorPosition = 0;
        out.error = QStringLiteral("Wpisz wzór, na przykład H2SO4.");
        return out;
    }
    const qsizetype formulaEnd = readCharge(text, end, out);
    if (formulaEnd >= 0 && Reader(text, formulaEnd, lookup, out).read()) {
        if (out.charge != 0) {
            out.plain += chargeText(out.charge, false);
            out.typeset += chargeText(out.charge, true);
        }
        return out;
    }
    // A place and a message: "Znak 3: ..." with the message's first letter as written.
    const QString place = out.errorLength > 0 || out.errorPosition > 0
                              ? QStringLiteral("Znak %1: ").arg(out.errorPosition + 1)
                              : QString();
    if (place.isEmpty())
        out.error[0] = out.error[0].toUpper();
    out.error = place + out.error + u'.';
    out.plain.clear();
    out.typeset.clear();
    out.parts.clear();
    out.charge = 0;
    return out;
}
} // namespace

Formula readFormula(QStringView text, const SymbolLookup &lookup)
{
    Formula out = readWithoutSuggestion(text, lookup);
    if (out.error.contains(QStringLiteral("wielką literą")) || out.error.contains(QStringLiteral("nieznany symbol")))
        if (const QString better = suggestCase(text, lookup); !better.isEmpty() && better != text)
            out.error += QStringLiteral(" Czy chodziło o %1?").arg(better);
    return out;
}

namespace {
// Splits a run of lower-case letters into symbols, two-letter ones tried
// first; a start that has failed once is not tried again, so that a long
// run takes linear time.
bool splitIntoSymbols(QStringView run, qsizetype at, const SymbolLookup &lookup, std::vector<bool> &failed,
                      QString &out)
{
    if (at == run.size())
        return true;
    if (failed[at])
        return false;
    for (qsizetype length : {2, 1, 3}) {
        if (at + length > run.size())
            continue;
        QString symbol = run.sliced(at, length).toString();
        symbol[0] = symbol[0].toUpper();
        if (lookup(symbol) > 0 && splitIntoSymbols(run, at + length, lookup, failed, out)) {
            out.prepend(symbol);
            return true;
        }
    }
    failed[at] = true;
    return false;
}
} // namespace

QString suggestCase(QStringView text, const SymbolLookup &lookup)
{
    if (text.size() > Formula::kMaxLength)
        return QString();
    QString result;
    for (qsizetype at = 0; at < text.size();) {
        if (!isUpper(text[at]) && !isLower(text[at])) {
            result += text[at++];
            continue;
        }
        qsizetype end = at;
        while (end < text.size() && (isUpper(text[end]) || isLower(text[end])))
            ++end;
        QString symbols;
        const QString run = text.sliced(at, end - at).toString().toLower();
        std::vector<bool> failed(run.size() + 1, false);
        if (!splitIntoSymbols(run, 0, lookup, failed, symbols))
            return QString();
        result += symbols;
        at = end;
    }
    return readWithoutSuggestion(result, lookup).ok() ? result : QString();
}

Composition compose(const Formula &formula, const std::function<double(int numer)> &atomicMass)
{
    Composition c;
    for (const Formula::Part &p : formula.parts) {
        const double mass = p.count * atomicMass(p.numer);
        c.rows.push_back({p.numer, p.count, mass, 0});
        c.molarMass += mass;
    }
    if (c.rows.empty() || !(c.molarMass > 0))
        return c;
    // Hundredths of a per cent: each row's whole part, then the rest to the
    // largest remainders, so that the shown values add up to 100,00.
    std::vector<double> remainders;
    long long given = 0;
    for (Composition::Row &row : c.rows) {
        const double raw = row.mass / c.molarMass * 10000;
        row.percent = std::floor(raw);
        given += (long long)row.percent;
        remainders.push_back(raw - row.percent);
    }
    std::vector<size_t> order(c.rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::stable_sort(order, std::greater{}, [&](size_t i) { return remainders[i]; });
    for (size_t k = 0; given < 10000 && k < order.size(); ++k, ++given)
        c.rows[order[k]].percent += 1;
    for (Composition::Row &row : c.rows)
        row.percent /= 100;

    long long divisor = 0;
    std::vector<long long> tenths;
    for (const Composition::Row &row : c.rows) {
        const double scaled = row.mass * 10;
        if (std::abs(scaled - std::round(scaled)) > 1e-6 || scaled > 1e12)
            return c;
        tenths.push_back(std::llround(scaled));
        divisor = std::gcd(divisor, tenths.back());
    }
    if (divisor == 0)
        return c;
    for (long long &t : tenths)
        if ((t /= divisor) > 1000000)
            return c;
    c.wholeRatio = std::move(tenths);
    return c;
}

double schoolMass(int numer, double precise)
{
    switch (numer) {
    case 17: return 35.5; // chlorine
    case 29: return 63.5; // copper
    default: return std::round(precise);
    }
}

bool massIsMassNumber(int numer) { return numer == 43 || numer == 61 || (numer >= 84 && (numer < 90 || numer > 92)); }

Amounts Amounts::from(Quantity given, double value, double molarMass, double avogadro)
{
    Amounts a;
    if (!(molarMass > 0) || !std::isfinite(value))
        return a;
    switch (given) {
    case Mass: a.moles = value / molarMass; break;
    case Moles: a.moles = value; break;
    case Particles: a.moles = value / avogadro; break;
    case Volume: a.moles = value / kMolarVolume; break;
    }
    a.mass = a.moles * molarMass;
    a.particles = a.moles * avogadro;
    a.volume = a.moles * kMolarVolume;
    // The given one exactly as typed, not after the round trip.
    (given == Mass ? a.mass : given == Moles ? a.moles : given == Particles ? a.particles : a.volume) = value;
    return a;
}

} // namespace tablicznik
