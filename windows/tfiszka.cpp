#include "tfiszka.h"

#include "auxiliarywindows.h"
#include "controls/sharppictures.h"
#include "data/catalogue.h"
#include "cues/soundcues.h"
#include "richtext/documentaccessible.h"
#include "richtext/printdocument.h"
#include "richtext/richtextview.h"
#include "windowlook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCollator>
#include <QComboBox>
#include <QGroupBox>
#include <QPointer>
#include <QPrinter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QKeyEvent>

#include <algorithm>

namespace tablicznik {

namespace {

QPushButton *pictureButton(QWidget *parent, const char *name, const QString &caption, const char *picture,
                           const QRect &place)
{
    auto *button = new QPushButton(sharpIcon(QLatin1StringView(picture)), caption, parent);
    button->setObjectName(QLatin1StringView(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

// Some styles open a list over its current item and as tall as the screen,
// whatever its number of visible rows; this one opens it below, that tall.
QStyle *listBelowStyle()
{
    struct ListBelow : QProxyStyle {
        int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                      QStyleHintReturn *answer) const override
        {
            return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, answer);
        }
    };
    static QPointer<QStyle> style;
    if (!style) {
        style = new ListBelow;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

TFiszka::TFiszka(AuxiliaryWindows &windows, const Catalogue &catalogue, QWidget *table, const QString &elementName,
                 QWidget *parent)
    : QWidget(parent), m_windows(windows), m_catalogue(catalogue), m_table(table),
      m_openingNumber(catalogue.numberOf(elementName))
{
    setUpWindow(this, "Fiszka", QString(), 11); // titled with its element below
    setWindowTitle(QStringLiteral("Fiszka - ") + elementName);
    setMinimumSize(kClientWidth, kPanelHeight + kMinimumViewHeight);
    resize(kClientWidth, kClientHeight);
    centreOnScreen(this);

    createTopPanel();

    m_view = new RichTextView(this);
    m_view->setObjectName(QStringLiteral("RichEdit1"));
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_view->setTextMargin(kTextMargin);
    m_view->setProperty("accessibleDocument", true); // a screen reader reads it as a document
    DocumentAccessible::install();
    m_view->setGeometry(0, kPanelHeight, width(), height() - kPanelHeight);
}

TFiszka::~TFiszka() = default;

void TFiszka::createTopPanel()
{
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setGeometry(0, 0, kClientWidth, kPanelHeight);
    makeSilver(m_panel);

    auto *element = new QGroupBox(QStringLiteral(" Pierwiastek "), m_panel);
    element->setObjectName(QStringLiteral("GroupBox2"));
    element->setGeometry(4, 1, 254, 71);

    m_list = new QComboBox(element);
    m_list->setObjectName(QStringLiteral("ComboBox1"));
    m_list->setGeometry(8, 16, 118, 22);
    m_list->setFont(arial(12));
    m_list->setEditable(false);
    m_list->setMaxVisibleItems(20);
    m_list->setStyle(listBelowStyle());
    m_list->setInsertPolicy(QComboBox::NoInsert);
    fillList(m_catalogue.elementNames());
    connect(m_list, &QComboBox::activated, this, &TFiszka::ComboBox1Change);

    auto *print = pictureButton(element, "BitBtn3", QStringLiteral("Drukuj..."), ":/pictures/drukuj.png",
                                {8, 42, 118, 24});
    connect(print, &QPushButton::clicked, this, &TFiszka::BitBtn3Click);

    auto *sortFrame = new QGroupBox(QStringLiteral(" Sortuj według "), element);
    sortFrame->setObjectName(QStringLiteral("GroupBox3"));
    sortFrame->setGeometry(131, 10, 117, 56);
    m_byNumber = new QRadioButton(QStringLiteral("Liczby atomowej"), sortFrame);
    m_byNumber->setObjectName(QStringLiteral("RadioButton1"));
    m_byNumber->setGeometry(5, 15, 110, 18);
    m_byNumber->setChecked(true);
    m_byName = new QRadioButton(QStringLiteral("Alfabetycznie"), sortFrame);
    m_byName->setObjectName(QStringLiteral("RadioButton2"));
    m_byName->setGeometry(5, 34, 110, 18);
    connect(m_byNumber, &QRadioButton::clicked, this, &TFiszka::RadioButton1Click);
    connect(m_byName, &QRadioButton::clicked, this, &TFiszka::RadioButton2Click);

    auto *table = new QPushButton(QStringLiteral("Pokaż układ okresowy"), m_panel);
    table->setObjectName(QStringLiteral("Button1"));
    table->setGeometry(262, 4, 167, 24);
    table->setAutoDefault(false);
    connect(table, &QPushButton::clicked, this, &TFiszka::Button1Click);

    m_stepBox = new QGroupBox(QStringLiteral(" Pokaż pierwiastek "), m_panel);
    m_stepBox->setObjectName(QStringLiteral("GroupBox1"));
    m_stepBox->setGeometry(262, 29, 167, 43);
    auto *previous = pictureButton(m_stepBox, "BitBtn1", QStringLiteral("Poprzedni"), ":/pictures/poprzedni.png",
                                   {4, 15, 79, 24});
    auto *next = pictureButton(m_stepBox, "BitBtn2", QStringLiteral("Następny"), ":/pictures/nastepny.png",
                               {84, 15, 79, 24});
    connect(previous, &QPushButton::clicked, this, &TFiszka::BitBtn1Click);
    connect(next, &QPushButton::clicked, this, &TFiszka::BitBtn2Click);
}

QStringList TFiszka::alphabetical(QStringList names)
{
    QCollator polish(QLocale(QLocale::Polish, QLocale::Poland));
    polish.setNumericMode(true);
    polish.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), polish);
    return names;
}

// Each item carries its element's atomic number, so that the element stays
// selected whatever its name is now.
void TFiszka::fillList(const QStringList &names)
{
    const QSignalBlocker quiet(m_list);
    const int current = m_list->currentData().toInt();
    m_list->clear();
    for (const QString &name : names)
        m_list->addItem(name, m_catalogue.numberOf(name));
    if (current)
        m_list->setCurrentIndex(m_list->findData(current));
}

QStringList TFiszka::orderedNames() const
{
    return m_byName->isChecked() ? alphabetical(m_catalogue.elementNames()) : m_catalogue.elementNames();
}

// Shown once, when a new card appears: the element it was opened on.
void TFiszka::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (std::exchange(m_shown, true))
        return;
    m_list->setCurrentIndex(m_list->findData(m_openingNumber)); // none for a name no element has
    loadSelected();
    m_view->setFocus(); // the arrows and the page keys scroll the description
}

void TFiszka::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(0, kPanelHeight, width(), qMax(0, height() - kPanelHeight));
    m_panel->resize(width(), kPanelHeight);
    // The first resize comes with the card's creation; every later one
    // loads the element again, so the view is back at the beginning.
    if (!std::exchange(m_firstResizeDone, true))
        return;
    loadSelected();
}

// Escape that no control kept closes the card, as it closes the other
// windows. Not a shortcut: an open list takes its Escape first.
void TFiszka::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TFiszka::closeEvent(QCloseEvent *event)
{
    m_windows.cues().PlayExit();
    event->accept(); // hidden, kept until the program ends
}

// Loads the element whose name the list shows; a name that matches no
// element leaves the description as it is, and still sets the caption.
// The keyboard focus stays where the user put it.
void TFiszka::loadSelected()
{
    const QString name = m_list->currentText();
    const int numer = m_catalogue.numberOf(name);
    if (numer > 0) {
        m_loadedDescription = m_catalogue.element(numer).Opis.text();
        m_view->load(m_loadedDescription);
        m_view->setAccessibleName(QStringLiteral("Opis: ") + name); // read as the element's document
    }
    setWindowTitle(QStringLiteral("Fiszka - ") + name);
}

void TFiszka::namesChanged()
{
    const int before = m_list->currentData().toInt();
    fillList(orderedNames());
    // An element that has left the table (113 ... 118, when the table goes
    // back to 112) gives way to the table's last element.
    if (before && m_list->currentIndex() < 0)
        m_list->setCurrentIndex(m_list->findData(m_catalogue.count()));
    const int numer = m_list->currentData().toInt();
    if (!m_shown || !numer)
        return; // the card shows its element under the new name when it is shown
    const QString description = m_catalogue.element(numer).Opis.text();
    if (description != m_loadedDescription) {
        QScrollBar *scroll = m_view->verticalScrollBar();
        const int at = scroll->value();
        m_loadedDescription = description;
        m_view->load(description);
        scroll->setValue(at);
    }
    setWindowTitle(QStringLiteral("Fiszka - ") + m_list->currentText());
}

void TFiszka::ComboBox1Change() { loadSelected(); }

void TFiszka::RadioButton1Click() { fillList(m_catalogue.elementNames()); }

void TFiszka::RadioButton2Click() { fillList(alphabetical(m_catalogue.elementNames())); }

void TFiszka::step(int by, QWidget *button)
{
    m_windows.cues().PlayPage();
    button->setFocus(); // the next press of Space steps on
    const int target = m_list->currentIndex() + by;
    if (m_list->currentIndex() < 0 || target < 0 || target >= m_list->count())
        return;
    m_list->setCurrentIndex(target);
    loadSelected();
}

void TFiszka::BitBtn1Click() { step(-1, m_stepBox->findChild<QWidget *>(QStringLiteral("BitBtn1"))); }
void TFiszka::BitBtn2Click() { step(+1, m_stepBox->findChild<QWidget *>(QStringLiteral("BitBtn2"))); }

void TFiszka::BitBtn3Click()
{
    m_windows.cues().PlayClick();
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The job and its PDF are named after the element shown.
    const int numer = m_catalogue.numberOf(m_list->currentText());
    const QString name = numer > 0 ? m_catalogue.element(numer).Nazwa : QStringLiteral("Tablicznik");
    const QString title = numer > 0 ? QStringLiteral("%1 (%2)").arg(name, m_catalogue.element(numer).Symbol) : name;
    offerPdfFile(*m_printer, title, name);
    if (!m_windows.setUpPrinter(*m_printer, this))
        return;
    printDocument(*m_view->document(), m_printer.get(), title);
}

void TFiszka::Button1Click()
{
    m_windows.cues().PlayClick();
    if (!m_table)
        return;
    m_table->setWindowState(m_table->windowState() & ~Qt::WindowMinimized);
    m_table->show();
    m_table->raise();
    m_table->activateWindow();
}

} // namespace tablicznik
