#pragma once

#include "app/tableimage.h"
#include "views/periodicplot.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QAction;
class QPrinter;

namespace tablicznik {

class AuxiliaryWindows;
class TOknoGlowne;

// The periodicity plot's window, `WykresForm`: the plot `Wykres` filling
// it, titled with the view's caption, and the buttons "Zapisz obraz..."
// (a PNG at twice the window's resolution) and "Drukuj..." (one landscape
// page under the caption). Escape closes it; closing hides it.
class PlotWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{760, 480};
    static inline const QString kSaveTitle = QStringLiteral("Zapisz obraz wykresu");

    PlotWindow(TOknoGlowne &table, AuxiliaryWindows &windows);
    ~PlotWindow() override;

    PeriodicPlot *plot() const { return m_plot; }
    // The series in the colours the table shows now.
    void showSeries(PlotSeries series);

    void setFileChooser(TableImage::FileChooser chooser) { m_choose = std::move(chooser); }
    void setWarning(TableImage::Warning warning) { m_warn = std::move(warning); }

    // The plot at twice the window's resolution: what is saved.
    QImage picture() const;
    // Saving returns the file written, empty when cancelled or failed;
    // printing whether a page was printed.
    QString save();
    bool print();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TOknoGlowne &m_table;
    AuxiliaryWindows &m_windows;
    PeriodicPlot *m_plot;
    TableImage::FileChooser m_choose;
    TableImage::Warning m_warn;
    QString m_lastFile;
    std::unique_ptr<QPrinter> m_printer; // keeps the user's printer and paper between prints
};

// The command "Wykres..." (Ctrl+W), `WykresAction`: enabled while a view of
// numbers colours the table, otherwise disabled with a hint. It opens the
// plot window of that view, or brings the open one forward; while the
// window shows, a new view of numbers switches it. The plot and the table
// answer each other: pointing at a bar or moving to it with the arrows
// shows the element on the details pages and raises its button, as the
// pointer over the button does, a click pins it, and the pin is marked in
// the plot.
class PlotCommand : public QObject {
    Q_OBJECT

public:
    static inline const QString kDisabledHint =
        QStringLiteral("Wykres rysuje właściwość liczbową: najpierw pokaż ją na tablicy, np. promień atomu.");

    PlotCommand(TOknoGlowne &table, AuxiliaryWindows &windows);

    QAction *action() const { return m_action; }
    // The handler of the view of numbers that colours the table; empty for none.
    QString shownView() const { return m_shown ? m_shown->handler : QString(); }
    PlotWindow *plotWindow() const { return m_window; }
    // Opens the plot of the view shown, or of the view of that handler.
    void open(const QString &handler = {});

private:
    void viewShown(const QString &handler);
    void setShown(std::optional<PlotSeries> series);
    void pointAt(int numer);
    void pin(int numer);

    TOknoGlowne &m_table;
    AuxiliaryWindows &m_windows;
    QAction *m_action;
    std::optional<PlotSeries> m_shown;
    QPointer<PlotWindow> m_window;
};

} // namespace tablicznik
