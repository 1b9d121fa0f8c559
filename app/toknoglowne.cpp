#include "toknoglowne.h"

#include "controls/accessiblenames.h"
#include "controls/colours.h"
#include "controls/picture.h"
#include "controls/sharppictures.h"
#include "controls/tmyspeedbutton.h"
#include "data/magnetictype.h"
#include "data/tablelayout.h"
#include "detailspages.h"
#include "displayscale.h"
#include "furniture.h"
#include "optionsmenu.h"
#include "pagecontrol.h"
#include "pointertracking.h"
#include "animation/animationview.h"
#include "prefs/hintswitch.h"
#include "cues/soundcues.h"
#include "cues/soundlibrary.h"
#include "tablekeyboard.h"
#include "views/legend.h"
#include "views/propertyviews.h"
#include "windows/auxiliarywindows.h"
#include "windows/tfiszka.h"
#include "windows/toprogramie.h"
#include "windows/tpomocform.h"
#include "zoomrestart.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

namespace tablicznik {
namespace {

// The flat command buttons along the window's edges and what a click does;
// the buttons along the bottom edge hand pointer movement to the window,
// and move below the table when it has 118 elements. The places are those
// of the table of 112.
struct CommandButton {
    const char *name, *caption, *picture;
    QRect place;
    void (TOknoGlowne::*click)();
    bool alongBottom = true;
};
const CommandButton kCommandButtons[] = {
    {"SpeedButton1", "", ":/pictures/help.png", {589, 119, 30, 57}, &TOknoGlowne::SpeedButton1Click, false},
    {"SpeedButton2", "Opcje", ":/pictures/opcje.png", {419, 397, 57, 25}, &TOknoGlowne::SpeedButton2Click},
    {"SpeedButton3", "Czyść", ":/pictures/czysc.png", {490, 397, 57, 25}, &TOknoGlowne::ResetBitBtnClick},
    {"SpeedButton4", " Wyjdź", ":/pictures/wyjdz.png", {560, 397, 57, 25}, &TOknoGlowne::SpeedButton4Click},
};

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &place, const QFont &font,
                  quint32 textColour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour(textColour));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// The window's fixed size changed while it shows. The window-less platforms
// (tests, benches) have no window manager to pass the new limits to and
// warn when asked to; that one warning is dropped there, nothing else.
QtMessageHandler g_outerHandler = nullptr;
void setFixedSizeQuietly(QWidget &window, const QSize &size)
{
    const QString platform = QGuiApplication::platformName();
    if (platform != u"offscreen" && platform != u"minimal") {
        window.setFixedSize(size);
        return;
    }
    g_outerHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (message.contains(QLatin1StringView("propagateSizeHints")))
            return;
        if (g_outerHandler)
            g_outerHandler(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    });
    window.setFixedSize(size);
    qInstallMessageHandler(g_outerHandler);
}

} // namespace

WindowServices WindowServices::program()
{
    WindowServices services(soundLibraryPlayers());
    services.settingsStore = true;
    services.restartAtZoom = zoomrestart::restartAt;
    services.firstRunAbout = [](TOknoGlowne &window) {
        // The windows it opens (the author's) stay with the main window.
        TOprogramie about(window.auxiliaryWindows());
        about.exec();
    };
    return services;
}

TOknoGlowne::TOknoGlowne(Catalogue catalogue, WindowServices services, QWidget *parent)
    : QWidget(parent), m_catalogue(std::move(catalogue)), m_cues(std::make_unique<SoundCues>(std::move(services.players))),
      m_services(std::move(services)), m_auxWindows(new AuxiliaryWindows(*m_cues, this))
{
    SprawdzRejestr(); // first of all; on a first run the about window shows here
    m_catalogue.setModernNames(m_flags.NazwyIUPAC); // before anything shows a name
    setupWindow();
    createDetailsPanel();
    createFurniture();
    createElementButtons();
    createLegend();
    createCommandButtons();
    createTableKeyboard();
    layOutTable();
    loadBackground();
    connectPointerTracking();
    // The property views answer the view buttons and own the views' menus.
    m_views = new PropertyViews(*this, this);
    connect(this, &TOknoGlowne::viewRequested, m_views, &PropertyViews::run);
    startMedia();
    connectAuxiliaryWindows();
    nameControls(this);
    connect(this, &TOknoGlowne::pinChanged, this, &TOknoGlowne::markPin);
    showReadableLook(m_flags.WyrazneKolory);
}

// The children go first, the last made first, while the catalogue, the cues
// and the services they refer to still live.
TOknoGlowne::~TOknoGlowne()
{
    while (!children().isEmpty())
        delete children().last();
}

void TOknoGlowne::setupWindow()
{
    setObjectName(QStringLiteral("OknoGlowne"));
    setWindowTitle(QStringLiteral("Tablicznik"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, m_catalogue.count() > Catalogue::kCount ? kFullClientHeight : kClientHeight);
    setWindowIcon(QIcon(loadPicture(QStringLiteral(":/pictures/icon.png"))));
    setFont(pixelFont(QStringLiteral("Arial"), 11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour(clSilver));
    palette.setColor(QPalette::WindowText, colour(SystemColour::WindowText));
    palette.setColor(QPalette::Button, colour(clSilver));
    setPalette(palette);
    setMouseTracking(true);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    // The tooltip switch brings the program's tooltip timing, a style of the
    // whole application: set before the controls exist, it restyles none of
    // them. The switch is turned on or off with the other preferences.
    m_hints = new HintSwitch(this);
}

void TOknoGlowne::createDetailsPanel()
{
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel2"));
    m_panel->setGeometry(0, 1, 625, 111);
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setAutoFillBackground(true);

    m_details = new DetailsPages(m_panel);
    TPageControl *pages = m_details->pageControl();
    pages->setTabPainter([this](QPainter &p, int index, const QRect &face) { PageControl1DrawTab(p, index, face); });
    connect(pages, &TPageControl::currentChanged, this, &TOknoGlowne::PageControl1Change);
    connect(m_details, &DetailsPages::viewButtonClicked, this, &TOknoGlowne::ViewButtonClick);
    m_panel->setFocusProxy(pages);
    pages->setFocus();
}

void TOknoGlowne::createFurniture()
{
    m_animation = new AnimationView(this);
    m_animation->setObjectName(QStringLiteral("Animate1"));
    m_animation->setGeometry(14, 27, 60, 60);
    m_animation->setToolTip(QStringLiteral("Bohr still rulez!"));

    auto *version = makeLabel(this, "Label1", kVersionText, {1, 116, 72, 36}, pixelFont(QStringLiteral("Arial"), 9),
                              SystemColour::BtnText, Qt::AlignHCenter | Qt::AlignTop);
    version->setWordWrap(true);
    version->setToolTip(kVersionText);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Image1"));
    m_logo->setGeometry(16, 139, 70, 70);
    m_logo->setPixmap(sharpPixmap(QStringLiteral(":/pictures/logo.png"), devicePixelRatioF()));
    m_logo->setToolTip(kVersionText);
    m_logo->setAttribute(Qt::WA_TranslucentBackground);

    const QFont groupFont = pixelFont(QStringLiteral("MS Sans Serif"), 11, true);
    int index = 0;
    for (const auto &group : kGroupLabels) {
        const QByteArray name = "GrupaLabel" + QByteArray::number(++index);
        auto *label = makeLabel(this, name.constData(), QString::fromLatin1(group.caption), {group.left, group.top, 30, 13},
                                groupFont, SystemColour::ActiveCaption);
        m_tableBackground.push_back(label);
        label->adjustSize();
        label->setFixedHeight(13);
        label->setToolTip(QString::fromLatin1(group.hint));
    }

    const QFont fBlockFont = pixelFont(QStringLiteral("MS Sans Serif"), 20, true);
    for (auto [name, symbol, top, hint] : {std::tuple{"Label21", "La", 364, "Lantan"}, {"Label30", "Ac", 397, "Aktyn"}}) {
        QLabel *place = makeLabel(this, name, QString::fromLatin1(symbol), {80, top, 24, 23}, fBlockFont,
                                  SystemColour::InactiveCaption);
        place->setToolTip(QString::fromLatin1(hint));
        m_tableBackground.push_back(place);
    }

    m_dateLabel = makeLabel(this, "WitamyLab1", QString(), {83, 244, 317, 24}, pixelFont(QStringLiteral("Arial"), 16, true),
                            SystemColour::Highlight, Qt::AlignHCenter | Qt::AlignTop);
    m_clockLabel = makeLabel(this, "WitamyLab2", QString(), {171, 200, 157, 36},
                             pixelFont(QStringLiteral("Arial"), 32, true), SystemColour::Highlight,
                             Qt::AlignHCenter | Qt::AlignTop);
}

void TOknoGlowne::createElementButtons()
{
    // All of them, once: those that the table of 112 lacks stay hidden there.
    for (int numer = 1; numer <= Catalogue::kModernCount; ++numer) {
        auto *button = new TMySpeedButton(m_catalogue.element(numer), this);
        button->setGeometry(elementRect(numer));
        m_buttons[std::size_t(numer) - 1] = button;
    }
    m_dummyButton = new TMySpeedButton(m_catalogue.dummy(), this);
    m_dummyButton->setGeometry(51, 191, 18, 17);
    m_dummyButton->setEnabled(false);
    m_dummyButton->hide();
}

void TOknoGlowne::createLegend()
{
    m_legendBox = new QGroupBox(QStringLiteral(" Legenda "), this);
    m_legendBox->setObjectName(QStringLiteral("LegendaBox"));
    m_legendBox->setGeometry(79, 184, 332, 95);
    m_legendBox->setAutoFillBackground(true);
    if (QStyle *classic = classicStyle())
        m_legendBox->setStyle(classic);
    m_legendBox->hide();
    m_legend = std::make_unique<Legenda>(m_legendBox, this);

    // The clock's timer: the legend stops it, the reset starts it again.
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    m_timer1->start();
}

void TOknoGlowne::createCommandButtons()
{
    for (const auto &command : kCommandButtons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1StringView(command.name));
        button->setGeometry(command.place);
        button->setAutoRaise(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setIcon(sharpIcon(QLatin1StringView(command.picture)));
        button->setIconSize(loadPicture(QLatin1StringView(command.picture)).size());
        button->setText(QString::fromUtf8(command.caption));
        if (button->text().isEmpty())
            button->setAccessibleName(QStringLiteral("Pomoc")); // the picture-only help button
        button->setToolButtonStyle(button->text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
        button->setAttribute(Qt::WA_TranslucentBackground);
        connect(button, &QToolButton::clicked, this, command.click);
        if (command.alongBottom)
            m_movingCommands.push_back(button);
        m_commands.push_back(button);
    }
}

// The keyboard reaches the table first, when the window appears, then by
// Tab the help button, "Opcje", "Czyść", " Wyjdź" and the details pages.
void TOknoGlowne::createTableKeyboard()
{
    m_keyboard = new TableKeyboard(*this, m_commands);
    QWidget *previous = m_keyboard;
    for (QAbstractButton *command : m_commands)
        setTabOrder(std::exchange(previous, command), command);
    m_keyboard->setFocus();
}

// The table of 112 or of 118: the six buttons of 113 ... 118 shown or
// hidden, the bottom command buttons in period 7 or in the strip below the
// table, and the window's height to match. Nothing else moves.
void TOknoGlowne::layOutTable()
{
    const bool full = m_catalogue.count() == Catalogue::kModernCount;
    for (int numer = Catalogue::kCount + 1; numer <= Catalogue::kModernCount; ++numer)
        elementButton(numer)->setVisible(full);
    for (std::size_t i = 0; i < std::size(kCommandButtons); ++i)
        if (kCommandButtons[i].alongBottom)
            m_commands[i]->move(kCommandButtons[i].place.topLeft() + QPoint(0, full ? kCommandStripShift : 0));
    setFixedSizeQuietly(*this, {kClientWidth, full ? kFullClientHeight : kClientHeight});
    update();
}

void TOknoGlowne::loadBackground()
{
    m_backTile = loadPicture(QStringLiteral(":/pictures/back.bmp"));
}

// The window's own surface beneath the controls: the tiles and both outlines.
// They are drawn straight onto the window each time, which costs no more than
// copying a picture of the whole window kept for the purpose (1 MiB).
void TOknoGlowne::FormPaint(QPainter &p)
{
    if (m_backTile.isNull())
        p.fillRect(rect(), colour(clSilver));
    else
        for (int top : {0, 160, 320})
            for (int left : {0, 159, 318, 477})
                p.drawPixmap(left, top, m_backTile);
    p.setPen(QPen(colour(SystemColour::ActiveCaption), 0));
    if (m_catalogue.count() == Catalogue::kModernCount)
        p.drawPolyline(kFullTableOutline.data(), int(kFullTableOutline.size()));
    else
        p.drawPolyline(kMainTableOutline.data(), int(kMainTableOutline.size()));
    p.drawPolyline(kFBlockOutline.data(), int(kFBlockOutline.size()));
}

void TOknoGlowne::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    FormPaint(painter);
    if (std::exchange(m_openCuesAfterPaint, false)) // see showEvent
        QMetaObject::invokeMethod(this, [this] { m_cues->open(); }, Qt::QueuedConnection);
}

// Creation, once the settings are read: the animation, the tooltips, the
// clock flag and the date line, then the date and clock shown or not.
void TOknoGlowne::startMedia()
{
    if (!m_animation->open(QStringLiteral(":/pictures/atom.avi")))
        qWarning().noquote() << m_animation->error();
    m_animation->setActive(m_flags.ShowAVI);
    m_hints->setEnabled(m_flags.ShowHelp);
    m_clockVisible = m_flags.ShowTime;
    m_dateClock = new DateClock(m_dateLabel, m_clockLabel, m_services.clock, this);
    m_dateClock->setDateLine();
    connect(m_timer1, &QTimer::timeout, m_dateClock, &DateClock::tick);
    m_dateLabel->setVisible(m_clockVisible);
    m_clockLabel->setVisible(m_clockVisible);
}

// Showing: the clock label at once; the cues are opened once the window's
// first frame is painted, so that opening them cannot delay it.
void TOknoGlowne::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return; // a restore from the task bar
    m_dateClock->showTime();
    m_openCuesAfterPaint = !m_cues->opened();
}

// Closing, by " Wyjdź" or by the close box: the settings are stored first,
// then the exit cue plays and the window waits for it, then the program ends.
void TOknoGlowne::closeEvent(QCloseEvent *event)
{
    if (!m_closingForRestart) { // the restart has stored the settings
        ZapiszRejestr();
        PlayExit();
    }
    event->accept();
    m_auxWindows->discardAll(); // the cards and tables go with the window, silently
}

void TOknoGlowne::SprawdzRejestr()
{
    if (m_services.settingsStore)
        tablicznik::SprawdzRejestr(m_flags, [this] {
            if (m_services.firstRunAbout)
                m_services.firstRunAbout(*this);
        });
    else
        m_flags = Preferences::defaults();
    m_cues->setPlaySounds(m_flags.PlaySounds);
}

void TOknoGlowne::ZapiszRejestr()
{
    if (m_services.settingsStore)
        tablicznik::ZapiszRejestr({PlaySounds(), m_flags.ShowTime, m_flags.ShowAVI, m_flags.ShowHelp,
                                   m_flags.NazwyIUPAC, m_flags.Skala, m_flags.WyrazneKolory});
}

bool TOknoGlowne::PlaySounds() const { return m_cues->playSounds(); }
void TOknoGlowne::setPlaySounds(bool on) { m_cues->setPlaySounds(on); }
bool TOknoGlowne::SoundsReady() const { return m_cues->soundsReady(); }

void TOknoGlowne::setClockVisible(bool visible)
{
    m_clockVisible = visible;
    m_dateLabel->setVisible(visible);
    m_clockLabel->setVisible(visible);
}

void TOknoGlowne::setSkala(int percent)
{
    if (!settings::isScaleChoice(percent))
        return;
    m_flags.Skala = percent;
    if (percent != zoom::percentInEffect() && m_services.restartAtZoom)
        m_services.restartAtZoom(*this, percent);
}

void TOknoGlowne::closeForRestart()
{
    m_closingForRestart = true;
    close();
}

void TOknoGlowne::setShowAVI(bool on)
{
    m_flags.ShowAVI = on;
    m_animation->setActive(on);
}

void TOknoGlowne::setShowHelp(bool on)
{
    m_flags.ShowHelp = on;
    m_hints->setEnabled(on);
}

void TOknoGlowne::setWyrazneKolory(bool on)
{
    m_flags.WyrazneKolory = on;
    showReadableLook(on);
    emit readableLookChanged();
}

void TOknoGlowne::showReadableLook(bool on)
{
    for (TMySpeedButton *button : m_buttons)
        button->setReadable(on);
    m_legend->setReadable(on);
}

void TOknoGlowne::markPin()
{
    for (TMySpeedButton *button : m_buttons)
        button->setPinMark(m_pinned && button->numer() == m_pinnedNumber);
}

void TOknoGlowne::setNazwyIUPAC(bool on)
{
    m_flags.NazwyIUPAC = on;
    if (on == m_catalogue.modernNames())
        return;
    if (!on)
        leaveElements();
    // The elements behind the names that the window keeps, found under the
    // old names.
    const int shown = m_catalogue.numberOf(m_lastShownName);
    const int carded = m_catalogue.numberOf(m_cardElementName);
    const auto pinCaption = [this] {
        return QStringLiteral("Tablicznik - ") + m_catalogue.element(m_pinnedNumber).Nazwa;
    };
    const bool pinCaptioned = m_pinned && windowTitle() == pinCaption();

    m_catalogue.setModernNames(on);
    layOutTable();
    for (TMySpeedButton *button : m_buttons)
        button->showNames();
    m_details->refill();
    if (shown) {
        m_lastShownName = m_catalogue.element(shown).Nazwa;
        showIdentity(m_catalogue.element(shown));
    }
    if (carded)
        m_cardElementName = m_catalogue.element(carded).Nazwa;
    if (pinCaptioned)
        setCaption(pinCaption());
    // A view that shows takes in the table as it is now.
    if (!m_legendBox->isHidden())
        m_views->repaintLastView();
    m_keyboard->tableChanged();
    emit elementNamesChanged();
}

// Elements 113 ... 118 are about to leave the table: a pin, the pointer's
// element, the element on the pages or the card's name among them go as
// if the pointer had left the table, and their buttons return to their
// plain look for the next time they show.
void TOknoGlowne::leaveElements()
{
    const auto leaving = [](int numer) { return numer > Catalogue::kCount; };
    if (leaving(m_hoveredNumber)) {
        elementButton(m_hoveredNumber)->CMMouseLeave();
        m_hoveredNumber = 0;
    }
    if (m_pinned && leaving(m_pinnedNumber)) {
        m_pinned = false;
        m_pinnedNumber = 0;
        setCaption(QStringLiteral("Tablicznik"));
        markPin();
    }
    if (leaving(m_catalogue.numberOf(m_lastShownName)) && !m_pinned)
        Wyrzuc(m_catalogue.dummy());
    if (leaving(m_catalogue.numberOf(m_cardElementName)))
        m_cardElementName.clear();
    for (int numer = Catalogue::kCount + 1; numer <= Catalogue::kModernCount; ++numer) {
        elementButton(numer)->setEnabled(true);
        elementButton(numer)->setTextColor(colour(SystemColour::BtnText));
    }
}

void TOknoGlowne::PlayClick() { m_cues->PlayClick(); }
void TOknoGlowne::PlayPage() { m_cues->PlayPage(); }
void TOknoGlowne::PlayOver() { m_cues->PlayOver(); }
void TOknoGlowne::PlayExit() { m_cues->PlayExit(); }

// A malformed number in the catalogue is a fault for whoever keeps the
// catalogue, not for the pupil: it goes to the log, and the value counts
// as missing.
ParsedNumber TOknoGlowne::StringToFloat(QStringView text, const ElementRecord *element, Field field)
{
    const ParsedNumber result = tablicznik::StringToFloat(text);
    if (result.malformed) {
        QString where;
        if (element)
            where += QStringLiteral(" pierwiastka %1 (%2)").arg(element->Numer).arg(element->Symbol);
        for (const TextField &stored : kStoredTextFields)
            if (field && stored.member == field)
                where += QStringLiteral(", pole %1").arg(QLatin1StringView(stored.name));
        qWarning().noquote() << QStringLiteral("Tablicznik: niepoprawna liczba \"%1\"%2; pominięta")
                                    .arg(text.toString(), where);
    }
    return result;
}

// The options menu opens from "Opcje" and from a right press on the table; a
// left click on an element opens a further card, the help button a modal help.
void TOknoGlowne::connectAuxiliaryWindows()
{
    m_options = new OptionsMenu(*this, *m_auxWindows);
    connect(this, &TOknoGlowne::optionsMenuRequested, m_options, &OptionsMenu::popup);
    connect(this, &TOknoGlowne::cardRequested, this, &TOknoGlowne::openCard);
    connect(this, &TOknoGlowne::helpRequested, this, &TOknoGlowne::openModalHelp);
}

void TOknoGlowne::openCard(const QString &elementName)
{
    TFiszka *card = m_auxWindows->show(new TFiszka(*m_auxWindows, m_catalogue, this, elementName));
    connect(this, &TOknoGlowne::elementNamesChanged, card, &TFiszka::namesChanged);
}

void TOknoGlowne::openModalHelp()
{
    TPomocForm help(*m_cues, this);
    help.exec();
}

// --- the details pages -----------------------------------------------------

void TOknoGlowne::Wyrzuc(const ElementRecord &element)
{
    if (element.Nazwa == m_lastShownName && !m_pinned)
        return;
    m_lastShownName = element.Nazwa;
    m_details->fillPage(m_details->currentPage(), element);
    showIdentity(element);
}

// The symbol, the atomic number and the magnetic type, on whatever page.
void TOknoGlowne::showIdentity(const ElementRecord &element)
{
    if (element.Symbol != u"Dummy")
        m_details->setIdentity(element.Symbol, QString::number(element.Numer),
                               magneticType(element, [this](QStringView text) { return StringToFloat(text); }));
    else
        m_details->setIdentity({}, {}, {});
}

void TOknoGlowne::PageControl1Change()
{
    PlayPage();
    if (!m_pinned)
        ResetBitBtnClick();
    else
        Wyrzuc(m_catalogue.element(m_pinnedNumber));
}

void TOknoGlowne::PageControl1DrawTab(QPainter &painter, int index, const QRect &face)
{
    const TPageControl &pages = *m_details->pageControl();
    painter.fillRect(face, colour(clSilver));
    painter.setFont(pages.font());
    painter.setPen(colour(SystemColour::WindowText));
    painter.drawText(face.adjusted(5, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, pages.tabText(index));
}

void TOknoGlowne::ViewButtonClick(const QString &handlerName, QAbstractButton *button)
{
    PlayClick();
    emit viewRequested(handlerName, button);
}

// --- the legend operation ---

void TOknoGlowne::Maluj(const LegendContent &legend)
{
    if (std::exchange(m_pinned, false))
        emit pinChanged();
    m_timer1->stop();
    m_legend->fill(legend);
    if (!m_dateLabel->isHidden())
        m_dateLabel->hide();
    if (!m_clockLabel->isHidden())
        m_clockLabel->hide();
    if (m_legendBox->isHidden())
        m_legendBox->show();
}

QColor TOknoGlowne::swatchColour(int entry) const
{
    return m_legend->colour(entry);
}

QRect TOknoGlowne::worksheetArea() const
{
    const int top = m_panel->geometry().bottom() + 1;
    return QRect(0, top, width(), height() - top);
}

std::vector<QWidget *> TOknoGlowne::worksheetParts() const
{
    std::vector<QWidget *> parts(m_tableBackground.begin(), m_tableBackground.end());
    for (int numer = 1; numer <= m_catalogue.count(); ++numer)
        parts.push_back(elementButton(numer));
    parts.push_back(m_legendBox);
    parts.push_back(m_legend->swatch(Legenda::kEntries)); // the no-data entry stands on the window
    parts.push_back(m_legend->label(Legenda::kEntries));
    return parts;
}

QColor TOknoGlowne::swatchFace(int entry) const
{
    return m_legend->face(entry);
}

void TOknoGlowne::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

} // namespace tablicznik
