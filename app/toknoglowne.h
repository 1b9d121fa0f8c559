#pragma once

#include "data/catalogue.h"
#include "data/stringtofloat.h"
#include "cues/cueplayer.h"
#include "prefs/dateclock.h"
#include "prefs/settings.h"
#include "views/canvas.h"

#include <QAbstractButton> // complete, so that the signals can carry it
#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QTabWidget;
class QToolButton;
class QFrame;
class QMouseEvent;
class QPainter;
class QTimer;

namespace tablicznik {

class AnimationView;
class AuxiliaryWindows;
class DetailsPages;
class HintSwitch;
class Legenda;
class OptionsMenu;
class PointerRouting;
class PropertyViews;
class SoundCues;
class TableKeyboard;
class TMySpeedButton;
class TOknoGlowne;

// What the main window takes from outside. The program hands in the real
// ones (main.cpp); a window built without them, as in tests, has silent
// cues, the system clock and the default settings, and stores nothing.
struct WindowServices {
    WindowServices() = default;
    WindowServices(CuePlayerFactory cuePlayers) : players(std::move(cuePlayers)) {} // a window with these cues

    CuePlayerFactory players;
    Clock clock;                                      // empty: the system clock
    bool settingsStore = false;                       // read and write the user's settings store
    std::function<void(TOknoGlowne &)> firstRunAbout; // the about window, modally, on the first run
    // Another zoom chosen: the program starts again at it (true), or the
    // choice takes effect at the next start (empty, or false).
    std::function<bool(TOknoGlowne &, int percent)> restartAtZoom;

    // The program's own: Qt Multimedia cues, the system clock, the user's
    // settings store and the about window.
    static WindowServices program();
};

// The periodic table window. It owns the catalogue, the element buttons, the
// details panel, the legend and the furniture around them, and hands each
// part what it needs; the parts' logic lives in their own folders.
// It is the canvas the property views paint on.
class TOknoGlowne : public QWidget, public TableCanvas {
    Q_OBJECT
    Q_PROPERTY(QString LastShownName MEMBER m_lastShownName)
    Q_PROPERTY(int HoveredNumber MEMBER m_hoveredNumber)
    Q_PROPERTY(bool Pinned MEMBER m_pinned)
    Q_PROPERTY(int PinnedNumber MEMBER m_pinnedNumber)
    Q_PROPERTY(QString CardElementName MEMBER m_cardElementName)
    Q_PROPERTY(bool ClockVisible READ ClockVisible WRITE setClockVisible)
    Q_PROPERTY(bool PlaySounds READ PlaySounds WRITE setPlaySounds)
    Q_PROPERTY(bool ShowTime READ ShowTime WRITE setShowTime)
    Q_PROPERTY(bool ShowAVI READ ShowAVI WRITE setShowAVI)
    Q_PROPERTY(bool ShowHelp READ ShowHelp WRITE setShowHelp)
    Q_PROPERTY(bool NazwyIUPAC READ NazwyIUPAC WRITE setNazwyIUPAC)
    Q_PROPERTY(bool WyrazneKolory READ WyrazneKolory WRITE setWyrazneKolory)
    Q_PROPERTY(bool SoundsReady READ SoundsReady)
    Q_PROPERTY(int Skala READ Skala WRITE setSkala)

public:
    static constexpr int kClientWidth = 625;
    static constexpr int kClientHeight = 429;
    // Today's table of 118 fills period 7, where "Opcje", "Czyść" and
    // " Wyjdź" stand in the table of 112: they move down by one row of
    // buttons, into a strip below the table, and the window grows by as much.
    static constexpr int kCommandStripShift = 33;
    static constexpr int kFullClientHeight = kClientHeight + kCommandStripShift;

    // The cue players, the clock, the settings store and the first-run about
    // window come from `services`; tests hand in fakes.
    explicit TOknoGlowne(Catalogue catalogue, WindowServices services = {}, QWidget *parent = nullptr);
    ~TOknoGlowne() override;

    const Catalogue &catalogue() const override { return m_catalogue; }
    const QStringList &ElementNames() const { return m_catalogue.elementNames(); }
    TMySpeedButton *elementButton(int numer) const override { return m_buttons.at(numer - 1); }
    TMySpeedButton *dummyButton() const { return m_dummyButton; }

    SoundCues &cues() override { return *m_cues; }
    void PlayClick();
    void PlayPage();
    void PlayOver();
    void PlayExit();

    // The settings: read first thing at creation (on a first run the about
    // window shows then), written first thing at closing.
    void SprawdzRejestr();
    void ZapiszRejestr();

    // The preferences. Setting ShowAVI also starts or stops the animation,
    // setting ShowHelp switches the tooltips of every window; ShowTime is
    // only the flag (the clock toggle sets ClockVisible and the labels).
    bool PlaySounds() const;
    void setPlaySounds(bool on);
    bool ClockVisible() const { return m_clockVisible; }
    // Shows or hides the date line and the clock at once.
    void setClockVisible(bool visible);
    bool ShowTime() const { return m_flags.ShowTime; }
    void setShowTime(bool on) { m_flags.ShowTime = on; }
    bool ShowAVI() const { return m_flags.ShowAVI; }
    void setShowAVI(bool on);
    bool ShowHelp() const { return m_flags.ShowHelp; }
    void setShowHelp(bool on);
    // Today's table at once: the names of elements 104 ... 112 in place of
    // the systematic ones, and elements 113 ... 118 in period 7 with the
    // command buttons in a strip below. Everything that shows a name or an
    // element (the buttons, the details pages, the window caption of a pin,
    // a view that shows, the open cards) follows. The pin and the hovered
    // element stay, unless they are among the elements that leave.
    bool NazwyIUPAC() const { return m_flags.NazwyIUPAC; }
    void setNazwyIUPAC(bool on);
    // The readable look of the colour maps, at once: the elements a view
    // colours filled with their swatch's readable face, greyed ones hatched,
    // the pin outlined, and the legend and an open plot alike.
    bool WyrazneKolory() const { return m_flags.WyrazneKolory; }
    void setWyrazneKolory(bool on);
    // The table and legend in the readable look, or as the option has them;
    // the saved and printed pictures show the readable look either way.
    void showReadableLook(bool on);
    bool SoundsReady() const;
    // The stored zoom of every window in per cent, one of 100, 125, 150,
    // 200, 250 and 300 (app/displayscale.h); another value is ignored. A
    // value other than the zoom in effect starts the program again at it.
    int Skala() const { return m_flags.Skala; }
    void setSkala(int percent);
    // Closes the window for the program started again: the settings are
    // stored, no exit cue plays.
    void closeForRestart();

    AnimationView *Animate1() const { return m_animation; }

    // The element cards and the other auxiliary windows (windows/), and the
    // options menu that opens most of them (app/optionsmenu.h).
    AuxiliaryWindows &auxiliaryWindows() const { return *m_auxWindows; }
    OptionsMenu &optionsMenu() const { return *m_options; }
    DateClock &dateClock() const { return *m_dateClock; }
    // The table as a keyboard target, with the keyboard cursor (tablekeyboard.h).
    TableKeyboard &tableKeyboard() const { return *m_keyboard; }

    // The value reader with the program's one message: a text that is
    // neither a number nor a no-data marker is reported in a box.
    ParsedNumber StringToFloat(QStringView text, const ElementRecord *element = nullptr, Field field = nullptr) override;

    // The legend operation: unpins, stops the clock, fills the legend and
    // shows it in place of the date and clock.
    void Maluj(const LegendContent &legend) override;
    QColor swatchColour(int entry) const override;
    QColor swatchFace(int entry) const override;
    void setCaption(const QString &caption) override;
    const Legenda &legend() const { return *m_legend; }

    // What a worksheet shows of the window: the area below the details
    // panel, and in it the table's own widgets in the order they are drawn
    // (group labels and the La and Ac places, the elements, the legend), not
    // the furniture, the clock or the command buttons.
    QRect worksheetArea() const;
    std::vector<QWidget *> worksheetParts() const;

    // The clock's timer: it runs from the start, a property view stops it
    // and the reset starts it again. The clock owns what a tick does.
    QTimer *Timer1() const { return m_timer1; }

    // Shows an element, or the placeholder, on the details pages.
    void Wyrzuc(const ElementRecord &element);
    DetailsPages &details() const { return *m_details; }
    PropertyViews &views() const { return *m_views; }

    // Pointer tracking and the table reset (pointertracking.cpp).
    void MySpeedButton1MouseMove(TMySpeedButton *button);
    void MySpeedButton1MouseDown(TMySpeedButton *button, Qt::MouseButton which);
    void MySpeedButton1Click(TMySpeedButton *button);
    void FormMouseMove();
    void FormMouseDown(QMouseEvent *event);
    void ResetBitBtnClick();
    void SpeedButton1Click(); // help
    void SpeedButton2Click(); // "Opcje"
    void SpeedButton4Click(); // " Wyjdź"

    static constexpr quint32 PinColor = 0x00DF88;

signals:
    // A view button on the details pages was clicked (the click cue has
    // played): the handler of the view, "PromAtomButtonClick".
    void viewRequested(const QString &handlerName, QAbstractButton *button);
    // A right press on the table background: the options menu, at the
    // pointer's screen position.
    void optionsMenuRequested(const QPoint &globalPos);
    // A left click on an element: a new card on CardElementName.
    void cardRequested(const QString &elementName);
    // The help button: the help window, modal.
    void helpRequested();
    // The names of elements 104 ... 112 have changed (NazwyIUPAC): what
    // keeps a copy of a name reads it again.
    void elementNamesChanged();
    // The table was reset ("Czyść", a pin, a page change): no view colours it.
    void tableReset();
    // The pin was set or lifted (Pinned, PinnedNumber).
    void pinChanged();
    // "Wyraźne kolory" was switched (WyrazneKolory).
    void readableLookChanged();

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mousePressEvent(QMouseEvent *) override;

private:
    void setupWindow();
    void createDetailsPanel();
    void createFurniture();
    void createElementButtons();
    void createLegend();
    void createCommandButtons();
    void createTableKeyboard();
    void layOutTable(); // the table of 112 or 118, as the catalogue counts
    void leaveElements(); // what the elements that leave the table held
    void markPin();       // the pinned element's outline in the readable look
    void loadBackground();
    void FormPaint(QPainter &painter);
    void connectPointerTracking();
    void startMedia();
    void showIdentity(const ElementRecord &element);
    void PageControl1Change();
    void PageControl1DrawTab(QPainter &painter, int index, const QRect &face);
    void ViewButtonClick(const QString &handlerName, QAbstractButton *button);

    // The children keep references to these three; the destructor deletes
    // the children while they still live.
    Catalogue m_catalogue;
    std::unique_ptr<SoundCues> m_cues;
    WindowServices m_services;

    std::array<TMySpeedButton *, Catalogue::kModernCount> m_buttons{}; // 113 ... 118 hidden in the table of 112
    TMySpeedButton *m_dummyButton = nullptr;
    QPixmap m_backTile; // "BACK", drawn twelve times beneath the controls
    QLabel *m_logo = nullptr;

    QFrame *m_panel = nullptr;
    DetailsPages *m_details = nullptr;
    QGroupBox *m_legendBox = nullptr;
    std::unique_ptr<Legenda> m_legend;
    PointerRouting *m_routing = nullptr;
    PropertyViews *m_views = nullptr;
    bool m_closingForRestart = false;
    QTimer *m_timer1 = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_clockLabel = nullptr;
    std::vector<QWidget *> m_tableBackground; // group labels, the La and Ac places
    std::vector<QWidget *> m_movingCommands;  // the command buttons that pass pointer movement
    std::vector<QAbstractButton *> m_commands; // help, "Opcje", "Czyść", " Wyjdź"
    TableKeyboard *m_keyboard = nullptr;

    QString m_lastShownName;
    int m_hoveredNumber = 0;
    bool m_pinned = false;
    int m_pinnedNumber = 0;
    QString m_cardElementName;
    bool m_clockVisible = true;

    // Preferences and media (prefs/).
    Preferences m_flags; // PlaySounds lives in the cues
    AnimationView *m_animation = nullptr;
    HintSwitch *m_hints = nullptr;
    DateClock *m_dateClock = nullptr;
    bool m_openCuesAfterPaint = false;

    // The auxiliary windows and the options menu.
    void connectAuxiliaryWindows();
    void openCard(const QString &elementName);
    void openModalHelp();
    AuxiliaryWindows *m_auxWindows = nullptr;
    OptionsMenu *m_options = nullptr;
};

} // namespace tablicznik
