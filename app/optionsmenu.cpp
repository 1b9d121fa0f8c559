#include "optionsmenu.h"

#include "app/displayscale.h"
#include "app/plotwindow.h"
#include "app/tableimage.h"
#include "app/toknoglowne.h"
#include "controls/sharppictures.h"
#include "animation/animationview.h"
#include "prefs/settings.h"
#include "windows/auxiliarywindows.h"
#include "windows/tmasamolowaform.h"
#include "windows/toautorzeform.h"
#include "windows/toprogramie.h"
#include "windows/tpomocform.h"
#include "windows/tprzedrostkiform.h"
#include "windows/trozpuszczalnoscform.h"
#include "windows/tszeregform.h"
#include "windows/tstaleform.h"

#include <QAction>
#include <QActionGroup>
#include <QTimer>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace tablicznik {

namespace {

QIcon menuIcon(int index) { return sharpIcon(QStringLiteral(":/pictures/menu%1.png").arg(index)); }

QString onOff(bool on, const char *feature)
{
    return QString::fromUtf8(on ? "Wyłącz " : "Włącz ") + QString::fromUtf8(feature);
}

} // namespace

const QStringList ExternalTools::kCalculators = {
    QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
    QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc"),
};

const QStringList ExternalTools::kTextEditors = {
    QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"), QStringLiteral("kwrite"),
    QStringLiteral("mousepad"), QStringLiteral("pluma"), QStringLiteral("xed"), QStringLiteral("featherpad"),
    QStringLiteral("leafpad"),
};

QString ExternalTools::firstFound(const QStringList &candidates)
{
    for (const QString &name : candidates)
        if (QString path = QStandardPaths::findExecutable(name); !path.isEmpty())
            return path;
    return QString();
}

QString ExternalTools::calculator()
{
#ifdef Q_OS_WIN
    return QStringLiteral("calc.exe");
#else
    return firstFound(kCalculators);
#endif
}

QString ExternalTools::textEditor()
{
#ifdef Q_OS_WIN
    return QStringLiteral("notepad.exe");
#else
    return firstFound(kTextEditors);
#endif
}

OptionsMenu::OptionsMenu(TOknoGlowne &window, AuxiliaryWindows &windows)
    : QObject(&window), m_window(window), m_windows(windows),
      m_start([](const QString &program) { QProcess::startDetached(program, {}); }),
      m_notice([](QWidget *parent, const QString &text) {
          QMessageBox::information(parent, QStringLiteral("Tablicznik"), text);
      }),
      m_image(new TableImage(window, windows)), m_plot(new PlotCommand(window, windows))
{
    createActions();
    createMenu();
}

OptionsMenu::~OptionsMenu() { delete m_menu; }

// The actions belong to the main window: their shortcuts work while it is active.
void OptionsMenu::createActions()
{
    struct ActionRow {
        QAction *OptionsMenu::*action;
        const char *name, *caption;
        QKeySequence shortcut;
        void (OptionsMenu::*execute)();
    };
    const ActionRow rows[] = {
        {&OptionsMenu::m_pomoc, "PomocAction", "Pomoc...", QKeySequence(Qt::Key_F1), &OptionsMenu::PomocActionExecute},
        {&OptionsMenu::m_stale, "StaleAction", "Stałe fizyczne...", QKeySequence(Qt::CTRL | Qt::Key_S),
         &OptionsMenu::StaleActionExecute},
        {&OptionsMenu::m_przedrostki, "PrzedrostkiAction", "Przedrostki...", QKeySequence(Qt::CTRL | Qt::Key_P),
         &OptionsMenu::PrzedrostkiActionExecute},
        {&OptionsMenu::m_rozpuszczalnosc, "RozpuszczalnoscAction", "Tabela rozpuszczalności...",
         QKeySequence(Qt::CTRL | Qt::Key_R), &OptionsMenu::RozpuszczalnoscActionExecute},
        {&OptionsMenu::m_szereg, "SzeregAction", "Szereg elektrochemiczny metali...", QKeySequence(Qt::CTRL | Qt::Key_E),
         &OptionsMenu::SzeregActionExecute},
        {&OptionsMenu::m_masaMolowa, "MasaMolowaAction", "Masa molowa...", QKeySequence(Qt::CTRL | Qt::Key_M),
         &OptionsMenu::MasaMolowaActionExecute},
    };
    for (const auto &row : rows) {
        auto *action = new QAction(QString::fromUtf8(row.caption), &m_window);
        action->setObjectName(QLatin1StringView(row.name));
        action->setShortcut(row.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(action);
        connect(action, &QAction::triggered, this, row.execute);
        this->*row.action = action;
    }
}

void OptionsMenu::createMenu()
{
    m_menu = new QMenu; // a popup of its own, deleted with this object
    m_menu->setObjectName(QStringLiteral("SetupPopupMenu"));
    m_menu->setFont(m_window.font());
    connect(m_menu, &QMenu::aboutToShow, this, &OptionsMenu::SetupPopupMenuPopup);

    auto item = [this](QMenu *menu, const char *name, const QString &caption, int icon, void (OptionsMenu::*click)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1StringView(name));
        if (icon >= 0)
            a->setIcon(menuIcon(icon));
        connect(a, &QAction::triggered, this, click);
        return a;
    };
    // An item bound to an action shows the action's caption and shortcut and
    // runs it; the shortcut itself belongs to the action.
    // It is enabled as the action, and says why when it is not.
    auto bound = [this](const char *name, QAction *action, int icon) {
        QAction *a = m_menu->addAction(icon >= 0 ? menuIcon(icon) : QIcon(), action->text());
        a->setObjectName(QLatin1StringView(name));
        a->setShortcut(action->shortcut());
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, action, &QAction::trigger);
        auto follow = [a, action] {
            a->setEnabled(action->isEnabled());
            a->setToolTip(action->isEnabled() ? QString() : action->toolTip());
        };
        follow();
        connect(action, &QAction::changed, a, follow);
        return a;
    };

    QMenu *tools = m_menu->addMenu(menuIcon(1), QStringLiteral("Narzędzia"));
    tools->setObjectName(QStringLiteral("Narzdzia1")); // "Narzędzia" without its ę
    tools->menuAction()->setObjectName(QStringLiteral("Narzdzia1"));
    // "Kalkurator1": the stored name keeps its old misspelling.
    item(tools, "Kalkurator1", QStringLiteral("Kalkulator"), 2, &OptionsMenu::Kalkurator1Click);
    // A calculator too, so the calculator's picture.
    QAction *molar = tools->addAction(menuIcon(2), m_masaMolowa->text(), m_masaMolowa, &QAction::trigger);
    molar->setObjectName(QStringLiteral("MasaMolowa1"));
    molar->setShortcut(m_masaMolowa->shortcut());
    molar->setShortcutContext(Qt::WidgetShortcut);
    item(tools, "Notatnik1", QStringLiteral("Notatnik"), 3, &OptionsMenu::Notatnik1Click);
    bound("Staefiz1", m_stale, 9); // "Stałe fiz." without its ł
    bound("Przedr1", m_przedrostki, 8);
    bound("Rozpuszczalnosc1", m_rozpuszczalnosc, -1);
    bound("Szereg1", m_szereg, -1);
    item(m_menu, "ZapiszObraz1", QStringLiteral("Zapisz obraz tablicy..."), -1, &OptionsMenu::ZapiszObraz1Click);
    item(m_menu, "DrukujTablice1", QStringLiteral("Drukuj tablicę..."), -1, &OptionsMenu::DrukujTablice1Click)
        ->setIcon(sharpIcon(QStringLiteral(":/pictures/drukuj.png")));
    bound("Wykres1", m_plot->action(), -1);
    m_menu->setToolTipsVisible(true); // the reason a command is disabled
    m_menu->addSeparator();
    // "Wyłącz animację", "Wyłącz dźwięki", "Wyłącz dymki", "Wyłącz zegar"
    // without their Polish letters.
    m_animation = item(m_menu, "Wyczanimacj1", QString(), 7, &OptionsMenu::Wyczanimacj1Click);
    m_sounds = item(m_menu, "Wyczd1", QString(), 4, &OptionsMenu::Wyczd1Click);
    m_hints = item(m_menu, "Wyczdymki1", QString(), 6, &OptionsMenu::Wyczdymki1Click);
    m_clock = item(m_menu, "Wyczzegar1", QString(), 0, &OptionsMenu::Wyczzegar1Click);
    // Unlike the four switches above, a check mark shows its state.
    m_names = item(m_menu, "NazwyIUPAC1", QStringLiteral("Nazwy współczesne (IUPAC)"), -1,
                   &OptionsMenu::NazwyIUPAC1Click);
    m_names->setCheckable(true);
    m_readable = item(m_menu, "WyrazneKolory1", QStringLiteral("Wyraźne kolory"), -1,
                      &OptionsMenu::WyrazneKolory1Click); // "Wyraźne kolory"
    m_readable->setCheckable(true);
    createZoomMenu();
    m_menu->addSeparator();
    bound("Pomocy1", m_pomoc, 5);
    m_menu->addSeparator();
    item(m_menu, "OProgramie1", QStringLiteral("O programie..."), 10, &OptionsMenu::OProgramie1Click);
    item(m_menu, "Oautorze1", QStringLiteral("O autorze..."), -1, &OptionsMenu::Oautorze1Click);
    SetupPopupMenuPopup();
}

// "100 %" ... "300 %", the one in effect checked; a zoom at which the window
// would not fit its screen is offered disabled, with the reason as a hint.
void OptionsMenu::createZoomMenu()
{
    m_zoom = m_menu->addMenu(QStringLiteral("Powiększenie"));
    m_zoom->setObjectName(QStringLiteral("Powiekszenie1")); // "Powiększenie"
    m_zoom->menuAction()->setObjectName(QStringLiteral("Powiekszenie1"));
    m_zoom->setToolTipsVisible(true);
    auto *choices = new QActionGroup(m_zoom);
    choices->setExclusive(true);
    for (int percent : settings::kScaleChoices) {
        QAction *a = m_zoom->addAction(QStringLiteral("%1 %").arg(percent));
        a->setObjectName(QStringLiteral("Skala%1").arg(percent));
        a->setCheckable(true);
        a->setData(percent);
        choices->addAction(a);
        connect(a, &QAction::triggered, this, [this, percent] { zoomChosen(percent); });
    }
}

// The windows change once the menu has closed, so that the menu itself is
// not resized while it goes.
void OptionsMenu::zoomChosen(int percent)
{
    m_window.PlayOver();
    QTimer::singleShot(0, &m_window, [this, percent] {
        m_window.setSkala(percent); // starts the program again at another zoom, and closes this run
        if (m_window.isVisible())
            m_window.ZapiszRejestr();
    });
}

void OptionsMenu::popup(const QPoint &globalPos) { m_menu->popup(globalPos); }

void OptionsMenu::SpeedButton2Click()
{
    m_window.PlayClick();
    popup(QCursor::pos());
}

void OptionsMenu::SetupPopupMenuPopup()
{
    m_sounds->setText(onOff(m_window.SoundsReady() && m_window.PlaySounds(), "dźwięki"));
    m_clock->setText(onOff(m_window.ShowTime(), "zegar"));
    m_animation->setText(onOff(m_window.ShowAVI(), "animację"));
    m_hints->setText(onOff(m_window.ShowHelp(), "dymki"));
    m_names->setChecked(m_window.NazwyIUPAC());
    m_readable->setChecked(m_window.WyrazneKolory());
    const std::vector<int> fitting = zoom::fittingChoices(
        {TOknoGlowne::kClientWidth, TOknoGlowne::kClientHeight}, zoom::roomOf(m_window.screen(), &m_window));
    for (QAction *choice : m_zoom->actions()) {
        const int percent = choice->data().toInt();
        const bool fits = percent == zoom::percentInEffect() || std::count(fitting.begin(), fitting.end(), percent);
        choice->setEnabled(fits);
        choice->setToolTip(fits ? QString() : QStringLiteral("Okno w tym powiększeniu nie zmieści się na ekranie"));
        choice->setChecked(percent == zoom::percentInEffect());
    }
}

void OptionsMenu::Kalkurator1Click()
{
    m_window.PlayOver();
    startTool(ExternalTools::calculator(), QStringLiteral("kalkulatora"), ExternalTools::kCalculators);
}

void OptionsMenu::Notatnik1Click()
{
    m_window.PlayOver();
    startTool(ExternalTools::textEditor(), QStringLiteral("edytora tekstu"), ExternalTools::kTextEditors);
}

// Where none of the programs is installed, the user learns so, and which
// ones the menu looked for.
void OptionsMenu::startTool(const QString &program, const QString &what, const QStringList &lookedFor)
{
    if (!program.isEmpty()) {
        if (m_start)
            m_start(program);
    } else if (m_notice) {
        m_notice(&m_window, QStringLiteral("Nie znaleziono %1.\nSzukano programów: %2.").arg(what, lookedFor.join(u", ")));
    }
}

void OptionsMenu::StaleActionExecute()
{
    m_window.PlayOver();
    m_windows.show(new TStaleForm(m_windows.cues()));
}

void OptionsMenu::PrzedrostkiActionExecute()
{
    m_window.PlayOver();
    m_windows.show(new TPrzedrostkiForm(m_windows.cues()));
}

// One window each: a second use brings it forward.
void OptionsMenu::RozpuszczalnoscActionExecute()
{
    m_window.PlayOver();
    m_windows.showOne<TRozpuszczalnoscForm>([this] { return new TRozpuszczalnoscForm(m_windows); });
}

void OptionsMenu::SzeregActionExecute()
{
    m_window.PlayOver();
    m_windows.showOne<TSzeregForm>([this] { return new TSzeregForm(m_windows.cues()); });
}

void OptionsMenu::MasaMolowaActionExecute()
{
    m_window.PlayOver();
    m_windows.showOne<TMasaMolowaForm>([this] { return new TMasaMolowaForm(m_window.catalogue(), m_windows.cues()); });
}

void OptionsMenu::PomocActionExecute()
{
    m_window.PlayOver();
    m_windows.show(new TPomocForm(m_windows.cues()));
}

void OptionsMenu::OProgramie1Click()
{
    m_window.PlayOver();
    m_windows.show(new TOprogramie(m_windows));
}

void OptionsMenu::Oautorze1Click()
{
    m_window.PlayOver();
    m_windows.show(new TOautorzeForm(m_windows));
}

// Each starts with the over cue.
void OptionsMenu::ZapiszObraz1Click() { m_image->save(); }
void OptionsMenu::DrukujTablice1Click() { m_image->print(); }

// Each toggle stores the preferences at once, so that a logout that kills
// the program or a power cut loses no choice.

// The new state is the opposite of what the animation does now.
void OptionsMenu::Wyczanimacj1Click()
{
    m_window.PlayOver();
    const bool on = !m_window.Animate1()->isActive();
    m_window.setShowAVI(on); // starts or stops it
    m_window.ZapiszRejestr();
    m_animation->setText(onOff(on, "animację"));
}

// Only the preference flips; the caption follows at the next opening.
void OptionsMenu::Wyczd1Click()
{
    m_window.PlayOver();
    m_window.setPlaySounds(!m_window.PlaySounds());
    m_window.ZapiszRejestr();
}

void OptionsMenu::Wyczdymki1Click()
{
    m_window.PlayOver();
    const bool on = !m_window.ShowHelp();
    m_window.setShowHelp(on); // every window's tooltips
    m_window.ZapiszRejestr();
    m_hints->setText(onOff(on, "dymki"));
}

// Shows or hides the date and the clock at once; the clock's timer is left alone.
void OptionsMenu::Wyczzegar1Click()
{
    m_window.PlayOver();
    const bool on = !m_window.ClockVisible();
    m_window.setClockVisible(on);
    m_window.setShowTime(on);
    m_window.ZapiszRejestr();
    m_clock->setText(onOff(on, "zegar"));
}

// Today's names of elements 104 ... 112, or the systematic ones, at once.
void OptionsMenu::NazwyIUPAC1Click()
{
    m_window.PlayOver();
    const bool on = !m_window.NazwyIUPAC();
    m_window.setNazwyIUPAC(on);
    m_window.ZapiszRejestr();
    m_names->setChecked(on);
    for (TMasaMolowaForm *form : m_windows.windows<TMasaMolowaForm>())
        form->recompute(); // the symbols it reads have changed
}

// The colour maps' readable look, or the plain one, at once.
void OptionsMenu::WyrazneKolory1Click()
{
    m_window.PlayOver();
    const bool on = !m_window.WyrazneKolory();
    m_window.setWyrazneKolory(on);
    m_window.ZapiszRejestr();
    m_readable->setChecked(on);
}

} // namespace tablicznik
