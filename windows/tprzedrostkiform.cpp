#include "tprzedrostkiform.h"

#include "cues/soundcues.h"
#include "stringgrid.h"
#include "windowlook.h"

#include <QCloseEvent>
#include <QHeaderView>

#include <cstdlib>

namespace tablicznik {

// The SI prefixes with their Polish names, ronna, quetta, ronto and quecto
// (2022) included; the micro sign is U+00B5.
const TPrzedrostkiForm::Prefix TPrzedrostkiForm::kPrefixes[kRows] = {
    {"kwetta", "Q", 30}, {"ronna", "R", 27}, {"jotta", "Y", 24}, {"zetta", "Z", 21}, {"eksa", "E", 18},
    {"peta", "P", 15},   {"tera", "T", 12},  {"giga", "G", 9},   {"mega", "M", 6},   {"kilo", "k", 3},
    {"hekto", "h", 2},   {"deka", "da", 1},  {"-", "-", 0},      {"decy", "d", -1},  {"centy", "c", -2},
    {"mili", "m", -3},   {"mikro", "\u00B5", -6}, {"nano", "n", -9}, {"piko", "p", -12}, {"femto", "f", -15},
    {"atto", "a", -18},  {"zepto", "z", -21}, {"jokto", "y", -24}, {"ronto", "r", -27}, {"kwekto", "q", -30},
};

QString TPrzedrostkiForm::meaning(int exponent)
{
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString power = QStringLiteral("10");
    if (exponent < 0)
        power += u'⁻';
    for (const QChar digit : QString::number(std::abs(exponent)))
        power += superscripts.at(digit.digitValue());

    // The number itself, its digits in groups of three from the decimal comma.
    const int zeros = std::abs(exponent);
    QString digits = exponent >= 0 ? QStringLiteral("1") + QString(zeros, u'0') : QString(zeros - 1, u'0') + u'1';
    QString grouped;
    for (qsizetype at = 0; at < digits.size(); ++at) {
        const qsizetype fromComma = exponent >= 0 ? digits.size() - at : at;
        if (at > 0 && fromComma % 3 == 0)
            grouped += u' ';
        grouped += digits.at(at);
    }
    return power + QStringLiteral(" = ") + (exponent >= 0 ? grouped : QStringLiteral("0,") + grouped);
}

TPrzedrostkiForm::TPrzedrostkiForm(SoundCues &cues, QWidget *parent) : QWidget(parent), m_cues(cues)
{
    setUpWindow(this, "PrzedrostkiForm", QStringLiteral("Przedrostki."), 11, Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    move(kPlace);

    auto *grid = new StringGrid({QStringLiteral("Nazwa"), QStringLiteral("Ozn."), QStringLiteral("Znaczenie")},
                                {44, 25, kMeaningWidth}, 16, this);
    grid->setFont(arial(11));
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The meanings are as wide as their column; the column takes
    // the grid's few spare pixels so that the last digit is never cut.
    grid->horizontalHeader()->setStretchLastSection(true);
    for (const Prefix &p : kPrefixes)
        grid->addRow({QString::fromUtf8(p.name), QString::fromUtf8(p.symbol), meaning(p.exponent)});
    // Spaces are narrower than digits: the powers are set right instead.
    grid->alignOn(2, QStringLiteral(" = "));
    grid->setGeometry(rect());

    closeOnEscape(this);
}

void TPrzedrostkiForm::closeEvent(QCloseEvent *event)
{
    m_cues.PlayExit();
    event->accept(); // hidden, kept until the program ends
}

} // namespace tablicznik
