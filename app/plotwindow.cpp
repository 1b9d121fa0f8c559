#include "plotwindow.h"

#include "app/toknoglowne.h"
#include "controls/tmyspeedbutton.h"
#include "cues/soundcues.h"
#include "richtext/printdocument.h"
#include "views/propertyviews.h"
#include "windows/auxiliarywindows.h"
#include "windows/windowlook.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tablicznik {
namespace {

// The table's pinned element, 0 for none.
int pinnedOn(const TOknoGlowne &table)
{
    return table.property("Pinned").toBool() ? table.property("PinnedNumber").toInt() : 0;
}

} // namespace

// --- the window --------------------------------------------------------------

PlotWindow::PlotWindow(TOknoGlowne &table, AuxiliaryWindows &windows)
    : m_table(table), m_windows(windows), m_plot(new PeriodicPlot(this)),
      m_choose([](QWidget *parent, const QString &suggested) {
          return QFileDialog::getSaveFileName(parent, kSaveTitle, suggested, QStringLiteral("Obraz PNG (*.png)"));
      }),
      m_warn([](QWidget *parent, const QString &text) {
          QMessageBox::warning(parent, QStringLiteral("Tablicznik"), text);
      })
{
    setUpWindow(this, "WykresForm", QString(), 11, Qt::WindowMinMaxButtonsHint);
    setMinimumSize(360, 240);
    resize(kClientSize);
    m_plot->setObjectName(QStringLiteral("Wykres"));

    struct ButtonRow {
        const char *name, *caption, *description;
        std::function<void()> click;
    };
    const ButtonRow rows[] = {
        {"ZapiszObrazButton", "Zapisz obraz...", "Zapisuje wykres jako obraz PNG", [this] { save(); }},
        {"DrukujButton", "Drukuj...", "Drukuje wykres na jednej stronie", [this] { print(); }},
    };
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const ButtonRow &row : rows) {
        auto *button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(QLatin1StringView(row.name));
        button->setAccessibleDescription(QString::fromUtf8(row.description));
        connect(button, &QPushButton::clicked, this, row.click);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_plot, 1);
    layout->addLayout(buttons);

    closeOnEscape(this);
}

PlotWindow::~PlotWindow() = default;

void PlotWindow::showSeries(PlotSeries series)
{
    // The legend's colours (or readable faces), which the table shows, even
    // when it no longer does; an element the scale leaves out keeps the
    // colour it has there.
    const bool readable = m_table.WyrazneKolory();
    const std::vector<QColor> &entryColours = readable ? series.entryFaces : series.entryColours;
    std::vector<QColor> colours;
    for (int numer = 1; numer <= series.count(); ++numer) {
        const int entry = series.placements[std::size_t(numer) - 1].entry;
        const TMySpeedButton *button = m_table.elementButton(numer);
        colours.push_back(entry > 0                            ? entryColours.at(std::size_t(entry) - 1)
                          : readable && button->face().isValid() ? button->face()
                                                                 : button->textColor());
    }
    setWindowTitle(series.caption);
    setAccessibleName(series.caption);
    m_plot->setSeries(std::move(series), std::move(colours));
    m_plot->setPinned(pinnedOn(m_table));
}

QImage PlotWindow::picture() const { return m_plot->picture(2 * devicePixelRatioF()); }

QString PlotWindow::save()
{
    m_table.PlayOver();
    const QImage image = picture();
    QString suggested = m_lastFile;
    if (suggested.isEmpty()) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        suggested = QDir(pictures.isEmpty() ? QDir::homePath() : pictures).filePath(QStringLiteral("wykres.png"));
    }
    QString fileName = m_choose ? m_choose(this, suggested) : QString();
    if (fileName.isEmpty())
        return QString();
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".png");
    if (const QString fault = TableImage::writePng(image, fileName); !fault.isEmpty()) {
        if (m_warn)
            m_warn(this, QStringLiteral("Nie można zapisać obrazu wykresu w pliku\n%1\n\n%2")
                             .arg(QDir::toNativeSeparators(fileName), fault));
        return QString();
    }
    m_lastFile = fileName;
    return fileName;
}

bool PlotWindow::print()
{
    m_table.PlayOver();
    const QImage image = picture();
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(QPageLayout::Landscape); // the plot is wider than high
    }
    if (!m_windows.setUpPrinter(*m_printer, this))
        return false;
    if (!printImage(image, m_printer.get(), windowTitle())) {
        if (m_warn)
            m_warn(this, QStringLiteral("Nie można wydrukować wykresu: drukarka albo plik wydruku są niedostępne."));
        return false;
    }
    return true;
}

void PlotWindow::closeEvent(QCloseEvent *event)
{
    m_windows.cues().PlayExit();
    event->accept(); // hidden, kept until the program ends
}

// --- the command ---------------------------------------------------------------

PlotCommand::PlotCommand(TOknoGlowne &table, AuxiliaryWindows &windows)
    : QObject(&table), m_table(table), m_windows(windows), m_action(new QAction(QStringLiteral("Wykres..."), &table))
{
    m_action->setObjectName(QStringLiteral("WykresAction"));
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    m_action->setShortcutContext(Qt::WindowShortcut);
    table.addAction(m_action);
    connect(m_action, &QAction::triggered, this, [this] { open(); });
    setShown(std::nullopt);

    connect(&table.views(), &PropertyViews::viewShown, this, &PlotCommand::viewShown);
    connect(&table, &TOknoGlowne::tableReset, this, [this] { setShown(std::nullopt); });
    connect(&table, &TOknoGlowne::pinChanged, this, [this] {
        if (m_window)
            m_window->plot()->setPinned(pinnedOn(m_table));
    });
    connect(&table, &TOknoGlowne::readableLookChanged, this, [this] {
        if (m_window && m_window->plot()->series().count() > 0)
            m_window->showSeries(m_window->plot()->series());
    });
}

void PlotCommand::setShown(std::optional<PlotSeries> series)
{
    m_shown = std::move(series);
    m_action->setEnabled(m_shown.has_value());
    m_action->setToolTip(m_shown ? QString() : kDisabledHint);
    m_action->setStatusTip(m_action->toolTip());
}

void PlotCommand::viewShown(const QString &handler)
{
    setShown(plotSeries(handler, m_table.catalogue()));
    if (m_shown && m_window && m_window->isVisible())
        m_window->showSeries(*m_shown);
}

void PlotCommand::open(const QString &handler)
{
    const std::optional<PlotSeries> series = handler.isEmpty() ? m_shown : plotSeries(handler, m_table.catalogue());
    if (!series)
        return;
    m_table.PlayOver();
    if (!m_window) {
        m_window = new PlotWindow(m_table, m_windows);
        connect(m_window->plot(), &PeriodicPlot::pointed, this, &PlotCommand::pointAt);
        connect(m_window->plot(), &PeriodicPlot::pinRequested, this, &PlotCommand::pin);
        m_windows.keep(m_window);
    }
    m_window->showSeries(*series);
    if (m_window->isVisible()) {
        m_window->raise();
        m_window->activateWindow();
    }
    m_window->show();
    m_window->plot()->setFocus();
}

// As the pointer over the element's button: the button raised, the element
// on the details pages; none: as the pointer over the table's background.
void PlotCommand::pointAt(int numer)
{
    if (!m_table.catalogue().contains(numer)) {
        m_table.FormMouseMove();
        return;
    }
    TMySpeedButton *button = m_table.elementButton(numer);
    button->CMMouseEnter();
    m_table.MySpeedButton1MouseMove(button);
}

void PlotCommand::pin(int numer)
{
    if (m_table.catalogue().contains(numer))
        m_table.MySpeedButton1MouseDown(m_table.elementButton(numer), Qt::RightButton);
}

} // namespace tablicznik
