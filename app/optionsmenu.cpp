#include "optionsmenu.h"

#include "app/plotwindow.h"
#include "app/tableimage.h"
#include "app/toknoglowne.h"
#include "controls/sharppictures.h"
#include "animation/animationview.h"
#include "prefs/settings.h"
#include "windows/auxiliarywindows.h"
#include "windows/toautorzeform.h"
#include "windows/toprogramie.h"
#include "windows/tpomocform.h"
#include "windows/tprzedrostkiform.h"
#include "windows/tstaleform.h"

#include <QAction>
#include <QActionGroup>
#include <QTimer>
#include <QCursor>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>

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
        {&OptionsMenu::m_pomoc, "PomocAction", "Pomoc ...", QKeySequence(Qt::Key_F1), &OptionsMenu::PomocActionExecute},
        {&OptionsMenu::m_stale, "StaleAction", "Stałe fizyczne ...", QKeySequence(Qt::CTRL | Qt::Key_S),
         &OptionsMenu::StaleActionExecute},
        {&OptionsMenu::m_przedrostki, "PrzedrostkiAction", "Przedrostki ...", QKeySequence(Qt::CTRL | Qt::Key_P),
         &OptionsMenu::PrzedrostkiActionExecute},
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
    // It is enabled, and hints, as the action.
    auto bound = [this](const char *name, QAction *action, int icon) {
        QAction *a = m_menu->addAction(icon >= 0 ? menuIcon(icon) : QIcon(), action->text());
        a->setObjectName(QLatin1StringView(name));
        a->setShortcut(action->shortcut());
        a->setShortcutContext(Qt::WidgetShortcut);
        connect(a, &QAction::triggered, action, &QAction::trigger);
        auto follow = [a, action] {
            a->setEnabled(action->isEnabled());
            a->setToolTip(action->toolTip());
        };
        follow();
        connect(action, &QAction::changed, a, follow);
        return a;
    };

    QMenu *tools = m_menu->addMenu(menuIcon(1), QStringLiteral("Narzędzia"));
    tools->setObjectName(QStringLiteral("Narzdzia1"));
    tools->menuAction()->setObjectName(QStringLiteral("Narzdzia1"));
    item(tools, "Kalkurator1", QStringLiteral("Kalkulator"), 2, &OptionsMenu::Kalkurator1Click);
    item(tools, "Notatnik1", QStringLiteral("Notatnik"), 3, &OptionsMenu::Notatnik1Click);
    bound("Staefiz1", m_stale, 9);
    bound("Przedr1", m_przedrostki, 8);
    item(m_menu, "ZapiszObraz1", QStringLiteral("Zapisz obraz tablicy..."), -1, &OptionsMenu::ZapiszObraz1Click);
    item(m_menu, "DrukujTablice1", QStringLiteral("Drukuj tablicę..."), -1, &OptionsMenu::DrukujTablice1Click)
        ->setIcon(sharpIcon(QStringLiteral(":/pictures/drukuj.png")));
    bound("Wykres1", m_plot->action(), -1);
    m_menu->setToolTipsVisible(true); // the reason a command is disabled
    m_menu->addSeparator();
    m_animation = item(m_menu, "Wyczanimacj1", QString(), 7, &OptionsMenu::Wyczanimacj1Click);
    m_sounds = item(m_menu, "Wyczd1", QString(), 4, &OptionsMenu::Wyczd1Click);
    m_hints = item(m_menu, "Wyczdymki1", QString(), 6, &OptionsMenu::Wyczdymki1Click);
    m_clock = item(m_menu, "Wyczzegar1", QString(), 0, &OptionsMenu::Wyczzegar1Click);
    // Unlike the four switches above, a check mark shows its state.
    m_names = item(m_menu, "NazwyIUPAC1", QStringLiteral("Nazwy współczesne (IUPAC)"), -1,
                   &OptionsMenu::NazwyIUPAC1Click);
    m_names->setCheckable(true);
    createZoomMenu();
    m_menu->addSeparator();
    bound("Pomocy1", m_pomoc, 5);
    m_menu->addSeparator();
    item(m_menu, "OProgramie1", QStringLiteral("O programie ..."), 10, &OptionsMenu::OProgramie1Click);
    item(m_menu, "Oautorze1", QStringLiteral("O autorze ..."), -1, &OptionsMenu::Oautorze1Click);
    SetupPopupMenuPopup();
}

// "100 %" ... "300 %", the stored one checked.
void OptionsMenu::createZoomMenu()
{
    m_zoom = m_menu->addMenu(QStringLiteral("Powiększenie"));
    m_zoom->setObjectName(QStringLiteral("Powiekszenie1"));
    m_zoom->menuAction()->setObjectName(QStringLiteral("Powiekszenie1"));
    auto *choices = new QActionGroup(m_zoom);
    choices->setExclusive(true);
    for (int percent : settings::kScaleChoices) {
        QAction *a = m_zoom->addAction(QStringLiteral("%1 %").arg(percent));
        a->setObjectName(QStringLiteral("Skala%1").arg(percent));
        a->setCheckable(true);
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
        m_window.setSkala(percent);
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
    for (QAction *choice : m_zoom->actions())
        choice->setChecked(choice->objectName() == QStringLiteral("Skala%1").arg(m_window.Skala()));
}

void OptionsMenu::Kalkurator1Click()
{
    m_window.PlayOver();
    if (const QString program = ExternalTools::calculator(); !program.isEmpty() && m_start)
        m_start(program);
}

void OptionsMenu::Notatnik1Click()
{
    m_window.PlayOver();
    if (const QString program = ExternalTools::textEditor(); !program.isEmpty() && m_start)
        m_start(program);
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
}

} // namespace tablicznik
