#include "tstaleform.h"

#include "cues/soundcues.h"
#include "stringgrid.h"
#include "windowlook.h"

#include <QCloseEvent>

namespace tablicznik {

// Texts as shown; nothing here is parsed. CODATA 2018 values, written as
// school tables write them; since 2019 the SI fixes N_A, e, h, k and c (and
// the standard gravity and the astronomical unit are exact by definition).
const TStaleForm::Constant TStaleForm::kConstants[37] = {
    {"Jednostka masy atom.:", "1,66053906660·10⁻²⁷ kg"},
    {"Stała Avogadro:", "6,02214076·10²³ mol⁻¹ (dokładnie)"},
    {"Stała Loschmidta:", "2,686780111·10²⁵ m⁻³ (0 °C, 1 atm)"},
    {"Obj. molowa gazu:", "22,41396954 m³/kmol (0 °C, 1 atm)"},
    {"Prędkość światła:", "2,99792458·10⁸ m/s (dokładnie)"},
    {"Stała gazowa:", "8,314462618 J/(mol·K)"},
    {"Stała Boltzmanna", "1,380649·10⁻²³ J/K (dokładnie)"},
    {"Ładunek elektronu:", "1,602176634·10⁻¹⁹ C (dokładnie)"},
    {"Masa sp. elektronu:", "9,1093837015·10⁻³¹ kg"},
    {"Masa sp. protonu:", "1,67262192369·10⁻²⁷ kg"},
    {"Masa sp. neutronu:", "1,67492749804·10⁻²⁷ kg"},
    {"Stała Faradaya:", "9,648533212·10⁴ C/mol"},
    {"Stała Plancka:", "6,62607015·10⁻³⁴ J·s (dokładnie)"},
    {"Stała Rydberga:", "1,0973731568160·10⁷ m⁻¹"},
    {"Przenik. elektr. próżni:", "8,8541878128·10⁻¹² F/m"},
    {"Przenik. magnet. próżni:", "1,25663706212·10⁻⁶ V·s/(A·m)"},
    {"Stała grawitacyjna:", "6,67430·10⁻¹¹ N·m²/kg²"},
    {"Przyśpieszenie stand.:", "9,80665 m/s² (dokładnie)"},
    {"Pierwsza pr. kosm.:", "7,91 km/s"},
    {"Druga pr. kosm.:", "11,19 km/s"},
    {"Trzecia pr. kosm.:", "16,7 km/s"},
    {"Liczba e", "2,718281828459045"},
    {"Liczba pi", "3,141592653589793"},
    {"Stała Eulera", "0,577215664901532"},
    {"Masa Ziemi:", "5,972·10²⁴ kg"},
    {"Promień Ziemi (równik):", "6,378·10⁶ m"},
    {"Promień Ziemi (biegun):", "6,357·10⁶ m"},
    {"Promień Ziemi (średni):", "6,371·10⁶ m"},
    {"Masa Księżyca:", "7,342·10²² kg"},
    {"Promień Księżyca (średni):", "1,737·10⁶ m"},
    {"Prędkość dźwięku (średnia):", "340,29 m/s"},
    {"Masa Słońca:", "1,989·10³⁰ kg"},
    {"Promień Słońca:", "6,957·10⁸ m"},
    {"Odl. Ziemia-Słońce (j.a.):", "1,495978707·10¹¹ m (dokładnie)"},
    {"Odl. Ziemia-Księżyc (średnio):", "3,844·10⁸ m"},
    {"Parsek", "3,0857·10¹⁶ m"},
    {"Bajt", "8 bitów"},
};

TStaleForm::TStaleForm(SoundCues &cues, QWidget *parent) : QWidget(parent), m_cues(cues)
{
    setUpWindow(this, "StaleForm", QStringLiteral("Stałe fizchemastronomiczne"), 11);
    resize(kClientWidth, kClientHeight);
    move(kPlace);

    auto *grid = new StringGrid({QStringLiteral("Nazwa stałej:"), QStringLiteral("Wartość:")}, {184, 184}, 16, this);
    grid->setFont(arial(11));
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (const Constant &c : kConstants)
        grid->addRow({QString::fromUtf8(c.name), QString::fromUtf8(c.value)});
    grid->setGeometry(rect());

    closeOnEscape(this);
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
