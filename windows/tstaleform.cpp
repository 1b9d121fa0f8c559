#include "tstaleform.h"

#include "cues/soundcues.h"
#include "stringgrid.h"
#include "windowlook.h"

#include <QCloseEvent>
#include <QShortcut>

namespace tablicznik {

// Texts as shown; nothing here is parsed.
const TStaleForm::Constant TStaleForm::kConstants[37] = {
    {"Jednostka masy atom.:", "1,660531E-27 kg"},
    {"Stała Avogadro:", "6,022045E23 1/mol"},
    {"Stała Loschmidta:", "2,6867E25 cząstecz./m^3 (0°C, 1atm)"},
    {"Obj. molowa gazu:", "22,41383 m^3/kmol"},
    {"Prędkość światła:", "2,9979245620E8 m/s (próżnia)"},
    {"Stała gazowa:", "8,31441 J/(mol·K)"},
    {"Stała Boltzmanna", "1,380662E-23 J/K"},
    {"Ładunek elektronu:", "1,6021892E-19 C"},
    {"Masa sp. elektronu:", "9,109534E-31 kg"},
    {"Masa sp. protonu:", "1,672614E-27 kg"},
    {"Masa sp. neutronu:", "1,674920E-27 kg"},
    {"Stała Faradaya:", "9,648456E4 C/mol"},
    {"Stała Plancka:", "6,626176E-34 J·s"},
    {"Stała Rydberga:", "1,097373177E7 1/m"},
    {"Przenik. elektr. próżni:", "8,8542E-12 F/m"},
    {"Przenik. magnet. próżni:", "1,2566E-6 V·s/(A·m)"},
    {"Stała grawitacyjna:", "6,6720E-11 N·m^2/kg^2"},
    {"Przyśpieszenie stand.:", "9,80665 m/s^2"},
    {"Pierwsza pr. kosm.:", "7,91 km/s"},
    {"Druga pr. kosm.:", "11,19 km/s"},
    {"Trzecia pr. kosm.:", "16,7 km/s"},
    {"Liczba e", "2,718281828459045"},
    {"Liczba pi", "3,141592653589793"},
    {"Stała Eulera", "0,577215664901532"},
    {"Masa Ziemi:", "5,974E24 kg"},
    {"Promień Ziemi (równik):", "6,378E6 m"},
    {"Promień Ziemi (biegun):", "6,357E6 m"},
    {"Promień Ziemi (średni):", "6,371E6 m"},
    {"Masa Księżyca:", "7,348E22 kg"},
    {"Promień Księżyca (średni):", "1,738E6 m"},
    {"Prędkość dźwięku (średnia):", "340,29205 m/s"},
    {"Masa Słońca:", "1,989E30 kg"},
    {"Promień Słońca:", "6,96E8 m"},
    {"Odl. Ziemia-Słońce (j.a.):", "1,4959787E11 m"},
    {"Odl. Ziemia-Księżyc (średnio):", "3,84400E8 m"},
    {"Parsek", "3,086E16 m"},
    {"Bajt", "8 bitów"},
};

TStaleForm::TStaleForm(SoundCues &cues, QWidget *parent) : QWidget(parent), m_cues(cues)
{
    setObjectName(QStringLiteral("StaleForm"));
    setWindowTitle(QStringLiteral("Stałe fizchemastronomiczne"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(arial(11));
    makeSilver(this);
    resize(kClientWidth, kClientHeight);
    move(kPlace);

    auto *grid = new StringGrid({QStringLiteral("Nazwa stałej:"), QStringLiteral("Wartość:")}, {184, 184}, 16, this);
    grid->setFont(arial(11));
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (const Constant &c : kConstants)
        grid->addRow({QString::fromUtf8(c.name), QString::fromUtf8(c.value)});
    grid->setGeometry(rect());

    // Escape closes it, as it closes the dialogs.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void TStaleForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (auto *grid = findChild<StringGrid *>())
        grid->setGeometry(rect());
}

void TStaleForm::closeEvent(QCloseEvent *event)
{
    m_cues.PlayExit();
    event->accept(); // hidden, kept until the program ends
}

} // namespace tablicznik
