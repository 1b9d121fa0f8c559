#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace tablicznik {

class AuxiliaryWindows;
class PlotCommand;
class TableImage;
class TOknoGlowne;

// The programs the menu's tools start: "calc.exe" and "notepad.exe" on
// Windows; elsewhere the first of a short list of common ones found on the
// PATH (none found: a short message says so and names the list).
struct ExternalTools {
    static const QStringList kCalculators;
    static const QStringList kTextEditors;
    // The program to start, a full path or a bare name; empty when none is there.
    static QString calculator();
    static QString textEditor();
    static QString firstFound(const QStringList &candidates);
};

// The options menu of the main window, `SetupPopupMenu`, with the actions
// `PomocAction` (F1), `StaleAction` (Ctrl+S) and `PrzedrostkiAction`
// (Ctrl+P), which work whenever the main window is active. It opens from
// "Opcje" (with the click cue) and from a right press on the table (without).
// Every command starts with the over cue.
class OptionsMenu : public QObject {
    Q_OBJECT

public:
    // Starts a program without waiting for it; its failure is not reported.
    using ProgramStarter = std::function<void(const QString &program)>;
    // Tells the user something, over the window.
    using Notice = std::function<void(QWidget *parent, const QString &text)>;

    OptionsMenu(TOknoGlowne &window, AuxiliaryWindows &windows);
    ~OptionsMenu() override;

    QMenu *SetupPopupMenu() const { return m_menu; }
    QAction *PomocAction() const { return m_pomoc; }
    QAction *StaleAction() const { return m_stale; }
    QAction *PrzedrostkiAction() const { return m_przedrostki; }
    QAction *RozpuszczalnoscAction() const { return m_rozpuszczalnosc; } // Ctrl+R
    QAction *SzeregAction() const { return m_szereg; }                   // Ctrl+E
    QAction *MasaMolowaAction() const { return m_masaMolowa; } // Ctrl+M
    // "Powiększenie": the zoom choices, one checked.
    QMenu *Powiekszenie1() const { return m_zoom; }

    void setProgramStarter(ProgramStarter starter) { m_start = std::move(starter); }
    void setNotice(Notice notice) { m_notice = std::move(notice); }

    // "Zapisz obraz tablicy..." and "Drukuj tablicę...".
    TableImage &tableImage() const { return *m_image; }
    // "Wykres...": the periodicity plot of the view shown.
    PlotCommand &plotCommand() const { return *m_plot; }

    // Opens the menu with its top-left corner at a point of the screen.
    void popup(const QPoint &globalPos);
    void SpeedButton2Click(); // "Opcje": the click cue, then the menu at the pointer

private:
    void createActions();
    void createMenu();
    void SetupPopupMenuPopup(); // the toggles' captions, from the flags

    void Kalkurator1Click();
    void Notatnik1Click();
    void startTool(const QString &program, const QString &what, const QStringList &lookedFor);
    void StaleActionExecute();
    void PrzedrostkiActionExecute();
    void MasaMolowaActionExecute();
    void PomocActionExecute();
    void RozpuszczalnoscActionExecute();
    void SzeregActionExecute();
    void Wyczanimacj1Click();
    void Wyczd1Click();
    void Wyczdymki1Click();
    void Wyczzegar1Click();
    void NazwyIUPAC1Click();
    void WyrazneKolory1Click();
    void OProgramie1Click();
    void Oautorze1Click();
    void ZapiszObraz1Click();
    void DrukujTablice1Click();
    void createZoomMenu();
    void zoomChosen(int percent);

    TOknoGlowne &m_window;
    AuxiliaryWindows &m_windows;
    ProgramStarter m_start;
    Notice m_notice;
    QMenu *m_menu = nullptr;
    QAction *m_pomoc = nullptr;
    QAction *m_stale = nullptr;
    QAction *m_przedrostki = nullptr;
    QAction *m_rozpuszczalnosc = nullptr;
    QAction *m_szereg = nullptr;
    QAction *m_masaMolowa = nullptr;
    QAction *m_animation = nullptr;
    QAction *m_sounds = nullptr;
    QAction *m_hints = nullptr;
    QAction *m_clock = nullptr;
    QAction *m_names = nullptr;
    QAction *m_readable = nullptr;
    TableImage *m_image = nullptr;
    PlotCommand *m_plot = nullptr;
    QMenu *m_zoom = nullptr;
};

} // namespace tablicznik
