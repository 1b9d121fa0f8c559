#include "tszeregform.h"

#include "data/metalseries.h"
#include "cues/soundcues.h"
#include "windowlook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tablicznik {

using namespace metalseries;

namespace {

const QString kExplanation = QStringLiteral(
    "Metale ułożono według potencjału standardowego E° (25 °C): od najbardziej aktywnego (litu) do najszlachetniejszego "
    "(złota). Metale stojące nad wodorem wypierają wodór z kwasów; metale pod wodorem tego nie robią. "
    "Metal wypiera z roztworu soli te metale, które stoją w szeregu niżej od niego.");

const QColor kHydrogenColour(0xBF, 0xDF, 0xFF);

QString metalLabel(int index)
{
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(kMetals[index].symbol), QString::fromUtf8(kMetals[index].name));
}

} // namespace

TSzeregForm::TSzeregForm(SoundCues &cues, QWidget *parent) : QWidget(parent), m_cues(cues)
{
    setUpWindow(this, "SzeregForm", QStringLiteral("Szereg elektrochemiczny metali"), 11, Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint);

    auto *explanation = new QLabel(kExplanation, this);
    explanation->setObjectName(QStringLiteral("ObjasnienieLabel"));
    explanation->setWordWrap(true);

    m_grid = new QTableWidget(kMetalCount, 3, this);
    m_grid->setObjectName(QStringLiteral("SzeregGrid"));
    m_grid->setAccessibleName(windowTitle());
    fillGrid();

    m_metalA = new QComboBox(this);
    m_metalA->setObjectName(QStringLiteral("MetalACombo"));
    m_metalA->setAccessibleName(QStringLiteral("Metal A, który wypiera"));
    m_metalB = new QComboBox(this);
    m_metalB->setObjectName(QStringLiteral("MetalBCombo"));
    m_metalB->setAccessibleName(QStringLiteral("Metal B, w roztworze soli"));
    for (int i = 0; i < kMetalCount; ++i) {
        m_metalA->addItem(metalLabel(i));
        m_metalB->addItem(metalLabel(i));
    }
    auto *question = new QHBoxLayout;
    question->addWidget(new QLabel(QStringLiteral("Czy metal"), this));
    question->addWidget(m_metalA);
    question->addWidget(new QLabel(QStringLiteral("wypiera metal"), this));
    question->addWidget(m_metalB);
    question->addWidget(new QLabel(QStringLiteral("z roztworu jego soli?"), this));
    question->addStretch();

    m_answer = new QLabel(this);
    m_answer->setObjectName(QStringLiteral("OdpowiedzLabel"));
    m_answer->setTextFormat(Qt::RichText);
    m_answer->setWordWrap(true);
    m_answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_answer->setFrameShape(QFrame::Panel);
    m_answer->setFrameShadow(QFrame::Sunken);
    m_answer->setMinimumHeight(64);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(explanation);
    layout->addWidget(m_grid);
    layout->addLayout(question);
    layout->addWidget(m_answer);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_metalA, &QComboBox::currentIndexChanged, this, &TSzeregForm::answer);
    connect(m_metalB, &QComboBox::currentIndexChanged, this, &TSzeregForm::answer);
    // A click chooses A; with Ctrl, B.
    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row, int) {
        QComboBox *target = QApplication::keyboardModifiers() & Qt::ControlModifier ? m_metalB : m_metalA;
        target->setCurrentIndex(row);
    });
    closeOnEscape(this);

    choose(indexOf(QStringLiteral("Zn")), indexOf(QStringLiteral("Cu"))); // the classic example
    setTabOrder(m_grid, m_metalA);
    setTabOrder(m_metalA, m_metalB);
    adjustSize();
    centreOnScreen(this);
}

void TSzeregForm::fillGrid()
{
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Metal"), QStringLiteral("Reakcja połówkowa"), QStringLiteral("E° [V]")});
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setTabKeyNavigation(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int widths[] = {110, 170, 70};
    for (int column = 0; column < 3; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(18);

    for (int i = 0; i < kMetalCount; ++i) {
        const QStringList cells = {metalLabel(i), halfReaction(i), potentialText(i)};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(column == 2 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
            if (isHydrogen(i)) {
                item->setBackground(kHydrogenColour);
                QFont bold = m_grid->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setToolTip(QStringLiteral("Wodór: punkt odniesienia szeregu (E° = 0 V)"));
            }
            m_grid->setItem(i, column, item);
        }
        m_grid->item(i, 0)->setData(Qt::AccessibleTextRole,
                                    QStringLiteral("%1, %2, E° = %3 V%4")
                                        .arg(metalLabel(i), halfReaction(i), potentialText(i),
                                             isHydrogen(i) ? QStringLiteral(", punkt odniesienia") : QString()));
    }
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(110 + 170 + 70 + frame, m_grid->horizontalHeader()->sizeHint().height() + kMetalCount * 18 + frame);
}

void TSzeregForm::choose(int a, int b)
{
    const QSignalBlocker blockA(m_metalA), blockB(m_metalB);
    m_metalA->setCurrentIndex(a);
    m_metalB->setCurrentIndex(b);
    answer();
}

void TSzeregForm::answer()
{
    const int a = m_metalA->currentIndex(), b = m_metalB->currentIndex();
    const Displacement result = displaces(a, b);
    // The equation stands out under the reason; screen readers get both as plain text.
    QString html = result.reason.toHtmlEscaped();
    if (!result.equation.isEmpty())
        html += QStringLiteral("<br><b style=\"font-size:15px\">%1</b>").arg(result.equation.toHtmlEscaped());
    m_answer->setText(html);
    m_answer->setAccessibleName(result.equation.isEmpty() ? result.reason : result.reason + u' ' + result.equation);
    m_grid->selectRow(a);
}

void TSzeregForm::closeEvent(QCloseEvent *event)
{
    m_cues.PlayExit();
    event->accept(); // hidden, kept until the program ends
}

} // namespace tablicznik
