#include "trozpuszczalnoscform.h"

#include "auxiliarywindows.h"
#include "cues/soundcues.h"
#include "richtext/printdocument.h"
#include "windowlook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace tablicznik {

using namespace solubility;

namespace {

const QString kTitle = QStringLiteral("Tabela rozpuszczalności");

QString heading()
{
    return QStringLiteral("Rozpuszczalność wodorotlenków i soli w wodzie w temperaturze %1 °C").arg(kTemperature);
}

// The legend in two lines of two: each mark on its colour, then its meaning.
QString legendHtml()
{
    QString html = QStringLiteral("<table cellspacing=\"2\" cellpadding=\"1\"><tr>");
    int shown = 0;
    for (Mark mark : {Mark::R, Mark::T, Mark::N, Mark::None}) {
        if (shown++ == 2)
            html += QStringLiteral("</tr><tr>");
        html += QStringLiteral("<td align=\"center\" width=\"22\" style=\"background-color:%1\"><b>%2</b></td>"
                               "<td>%3&nbsp;&nbsp;&nbsp;</td>")
                    .arg(TRozpuszczalnoscForm::markColour(mark).name(), markText(mark),
                         markMeaning(mark).toHtmlEscaped());
    }
    return html + QStringLiteral("</tr></table>");
}

// "kation żelaza(III)", "anion siarczanowy(VI)": a header as a screen reader says it.
QString spokenIon(const Ion &ion)
{
    return ion.charge > 0 ? QStringLiteral("kation ") + QString::fromUtf8(ion.name)
                          : QStringLiteral("anion ") + QString::fromUtf8(ion.spoken);
}

} // namespace

void SolubilityGrid::keyboardSearch(const QString &search)
{
    // A new search starts from the cell where it began, so that the
    // cations met on the way to an anion's name leave the column alone.
    if (!m_sinceTyped.isValid() || m_sinceTyped.elapsed() > QApplication::keyboardInputInterval()) {
        m_typed.clear();
        m_origin = currentIndex().isValid() ? QPoint(currentColumn(), currentRow()) : QPoint(0, 0);
    }
    m_sinceTyped.start();
    m_typed += search.toLower();

    // The ions' formulas ("fe3" for Fe³⁺) and names; cations first.
    auto matches = [this](const Ion &ion, bool cation) {
        const QString formula = QString::fromLatin1(ion.plain).toLower() +
                                (cation ? QString::number(std::abs(ion.charge)) : QString());
        for (const QString &key : {formula, QString::fromUtf8(ion.spoken), QString::fromUtf8(ion.name)})
            if (key.toLower().startsWith(m_typed))
                return true;
        return false;
    };
    for (int c = 0; c < kCationCount; ++c)
        if (matches(kCations[c], true))
            return setCurrentCell(m_origin.y(), c);
    for (int a = 0; a < kAnionCount; ++a)
        if (matches(kAnions[a], false))
            return setCurrentCell(a, m_origin.x());
}

TRozpuszczalnoscForm::TRozpuszczalnoscForm(AuxiliaryWindows &windows, QWidget *parent)
    : QWidget(parent), m_windows(windows)
{
    setUpWindow(this, "RozpuszczalnoscForm", kTitle, 11, Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint);

    m_printed = new QWidget(this);
    m_printed->setObjectName(QStringLiteral("TabelaPanel"));
    auto *title = new QLabel(heading(), m_printed);
    title->setObjectName(QStringLiteral("NaglowekLabel"));
    title->setFont(arial(13, true));
    auto *legend = new QLabel(legendHtml(), m_printed);
    legend->setObjectName(QStringLiteral("LegendaLabel"));
    legend->setTextFormat(Qt::RichText);
    legend->setWordWrap(true);
    legend->setAccessibleName(QStringLiteral("Legenda: R – %1; T – %2; N – %3; kreska – %4.")
                                  .arg(markMeaning(Mark::R), markMeaning(Mark::T), markMeaning(Mark::N),
                                       markMeaning(Mark::None)));
    m_grid = new SolubilityGrid(kAnionCount, kCationCount, m_printed);
    m_grid->setObjectName(QStringLiteral("TabelaGrid"));
    m_grid->setAccessibleName(kTitle);
    fillGrid();
    auto *printedLayout = new QVBoxLayout(m_printed);
    printedLayout->setContentsMargins(0, 0, 0, 0);
    printedLayout->addWidget(title);
    printedLayout->addWidget(legend);
    printedLayout->addWidget(m_grid);

    m_details = new QLabel(this);
    m_details->setObjectName(QStringLiteral("OpisLabel"));
    m_details->setTextFormat(Qt::RichText);
    m_details->setWordWrap(true);
    m_details->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_details->setFrameShape(QFrame::Panel);
    m_details->setFrameShadow(QFrame::Sunken);
    m_details->setMinimumHeight(96);
    m_details->setText(QStringLiteral("Kliknij komórkę lub wskaż ją strzałkami i naciśnij Enter, aby zobaczyć "
                                      "wzór, nazwę, rozpuszczalność i barwę osadu. Pisz nazwę jonu, aby do niego "
                                      "przejść (np. „cu”, „fe3”, „siarczan”)."));

    auto *print = new QPushButton(QStringLiteral("Drukuj..."), this);
    print->setObjectName(QStringLiteral("DrukujButton"));
    connect(print, &QPushButton::clicked, this, &TRozpuszczalnoscForm::DrukujButtonClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_printed);
    layout->addWidget(m_details);
    layout->addWidget(print, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_grid, &QTableWidget::cellClicked, this, &TRozpuszczalnoscForm::showCell);
    connect(m_grid, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { showCell(index.row(), index.column()); });

    closeOnEscape(this);
    m_grid->setCurrentCell(0, 0);
    m_grid->setFocus();
    adjustSize();
    centreOnScreen(this);
}

TRozpuszczalnoscForm::~TRozpuszczalnoscForm() = default;

QColor TRozpuszczalnoscForm::markColour(Mark mark)
{
    switch (mark) {
    case Mark::R: return QColor(0x9C, 0xDB, 0x8F);   // green: dissolves
    case Mark::T: return QColor(0xFF, 0xE0, 0x7A);   // yellow: hardly
    case Mark::N: return QColor(0xF2, 0x96, 0x8C);   // red: a precipitate
    case Mark::None: break;
    }
    return QColor(0xD8, 0xD8, 0xD8);                  // grey: no such compound
}

void TRozpuszczalnoscForm::fillGrid()
{
    QStringList columns, rows;
    for (const Ion &ion : kCations)
        columns << QString::fromUtf8(ion.shown);
    for (const Ion &ion : kAnions)
        rows << QString::fromUtf8(ion.shown);
    m_grid->setHorizontalHeaderLabels(columns);
    m_grid->setVerticalHeaderLabels(rows);
    for (int c = 0; c < kCationCount; ++c)
        m_grid->horizontalHeaderItem(c)->setData(Qt::AccessibleTextRole, spokenIon(kCations[c]));
    for (int a = 0; a < kAnionCount; ++a)
        m_grid->verticalHeaderItem(a)->setData(Qt::AccessibleTextRole, spokenIon(kAnions[a]));

    QFont markFont = arial(12, true);
    for (int a = 0; a < kAnionCount; ++a)
        for (int c = 0; c < kCationCount; ++c) {
            const Cell &data = cell(a, c);
            auto *item = new QTableWidgetItem(markText(data.mark));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            item->setFont(markFont);
            item->setBackground(markColour(data.mark));
            item->setForeground(Qt::black);
            item->setData(Qt::AccessibleTextRole, QStringLiteral("%1, %2: %3 – %4")
                                                      .arg(subscripted(data.formula), compoundName(a, c),
                                                           markText(data.mark), markMeaning(data.mark)));
            item->setToolTip(subscripted(data.formula));
            m_grid->setItem(a, c, item);
        }

    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setTabKeyNavigation(false);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setWordWrap(false);
    m_grid->setCornerButtonEnabled(false);
    for (QHeaderView *header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(true);
        header->setFont(arial(12, true));
    }
    m_grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->horizontalHeader()->setFixedHeight(kRowHeight + 4);
    m_grid->verticalHeader()->setFixedWidth(64);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The whole table shows at once, so that it prints as seen.
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedSize(m_grid->verticalHeader()->width() + kCationCount * kColumnWidth + frame,
                         m_grid->horizontalHeader()->height() + kAnionCount * kRowHeight + frame);
}

void TRozpuszczalnoscForm::showCell(int anion, int cation)
{
    if (anion < 0 || anion >= kAnionCount || cation < 0 || cation >= kCationCount)
        return;
    const Cell &data = cell(anion, cation);
    QStringList lines;
    lines << QStringLiteral("<b style=\"font-size:15px\">%1</b> &nbsp; %2 &nbsp; <b>%3</b> – %4")
                 .arg(subscriptedHtml(data.formula), compoundName(anion, cation).toHtmlEscaped(),
                      markText(data.mark), markMeaning(data.mark).toHtmlEscaped());
    if (data.grams) {
        const QString how = data.origin == Origin::FromProduct ? QStringLiteral(", obliczona z iloczynu rozpuszczalności")
                                                              : QString();
        lines << QStringLiteral("Rozpuszczalność w %1 °C: %2 g w 100 g wody%3.")
                     .arg(kTemperature)
                     .arg(gramsText(*data.grams), how);
    } else if (data.mark != Mark::None) {
        lines << QStringLiteral("Rozpuszczalności w %1 °C nie podano w tablicach, z których pochodzą dane.")
                     .arg(kTemperature);
    }
    if (!data.precipitate.isEmpty())
        lines << QStringLiteral("Barwa osadu: %1.").arg(data.precipitate.toHtmlEscaped());
    if (!data.note.isEmpty())
        lines << data.note.toHtmlEscaped();
    m_details->setText(lines.join(QStringLiteral("<br>")));
    m_details->setAccessibleName(QTextDocumentFragment::fromHtml(m_details->text()).toPlainText());
}

QImage TRozpuszczalnoscForm::printedImage(qreal scale) const
{
    QImage image(m_printed->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    // Neither the current cell nor the chosen one is printed.
    const QModelIndex current = m_grid->currentIndex();
    m_grid->clearSelection();
    m_grid->setCurrentIndex(QModelIndex());
    m_printed->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    m_grid->setCurrentIndex(current);
    return image;
}

void TRozpuszczalnoscForm::DrukujButtonClick()
{
    m_windows.cues().PlayClick();
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(QPageLayout::Landscape); // the table is wider than high
    }
    if (m_windows.setUpPrinter(*m_printer, this))
        printImage(printedImage(4), m_printer.get(), kTitle);
}

void TRozpuszczalnoscForm::closeEvent(QCloseEvent *event)
{
    m_windows.cues().PlayExit();
    event->accept(); // hidden, kept until the program ends
}

} // namespace tablicznik
