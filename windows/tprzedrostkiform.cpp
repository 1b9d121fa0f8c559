#include "tprzedrostkiform.h"

#include "cues/soundcues.h"
#include "stringgrid.h"
#include "windowlook.h"

#include <QCloseEvent>
#include <QShortcut>
#include <QHeaderView>

namespace tablicznik {

// The power is padded on the left to six characters so that the equals
// signs line up; the micro sign is U+00B5.
const TPrzedrostkiForm::Prefix TPrzedrostkiForm::kPrefixes[17] = {
    {"eksa", "E", " 10^18 = 1 000 000 000 000 000 000"},
    {"peta", "P", " 10^15 = 1 000 000 000 000 000"},
    {"tera", "T", " 10^12 = 1 000 000 000 000"},
    {"giga", "G", "  10^9 = 1 000 000 000"},
    {"mega", "M", "  10^6 = 1 000 000"},
    {"kilo", "k", "  10^3 = 1 000"},
    {"hekto", "h", "  10^2 = 100"},
    {"deka", "da", "  10^1 = 10"},
    {"-", "-", "  10^0 = 1"},
    {"decy", "d", " 10^-1 = 0,1"},
    {"centy", "c", " 10^-2 = 0,01"},
    {"mili", "m", " 10^-3 = 0,001"},
    {"mikro", "\u00B5", " 10^-6 = 0,000 001"},
    {"nano", "n", " 10^-9 = 0,000 000 001"},
    {"piko", "p", "10^-12 = 0,000 000 000 001"},
    {"femto", "f", "10^-15 = 0,000 000 000 000 001"},
    {"atto", "a", "10^-18 = 0,000 000 000 000 000 001"},
};

TPrzedrostkiForm::TPrzedrostkiForm(SoundCues &cues, QWidget *parent) : QWidget(parent), m_cues(cues)
{
    setObjectName(QStringLiteral("PrzedrostkiForm"));
    setWindowTitle(QStringLiteral("Przedrostki."));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(arial(11));
    makeSilver(this);
    setFixedSize(kClientWidth, kClientHeight);
    move(kPlace);

    auto *grid = new StringGrid({QStringLiteral("Nazwa"), QStringLiteral("Ozn."), QStringLiteral("Znaczenie")},
                                {40, 25, 180}, 16, this);
    grid->setFont(arial(11));
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The meanings are as wide as their 180-pixel column; the column takes
    // the grid's few spare pixels so that the last digit is never cut.
    grid->horizontalHeader()->setStretchLastSection(true);
    for (const Prefix &p : kPrefixes)
        grid->addRow({QString::fromUtf8(p.name), QString::fromUtf8(p.symbol), QString::fromUtf8(p.meaning)});
    // Spaces are narrower than digits: the powers are set right instead.
    grid->alignOn(2, QStringLiteral(" = "));
    grid->setGeometry(rect());

    // Escape closes it, as it closes the dialogs.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void TPrzedrostkiForm::closeEvent(QCloseEvent *event)
{
    m_cues.PlayExit();
    event->accept(); // hidden, kept until the program ends
}

} // namespace tablicznik
