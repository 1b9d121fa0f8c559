#pragma once

#include "data/solubility.h"

#include <QTableWidget>
#include <QElapsedTimer>
#include <QWidget>

#include <memory>

class QLabel;
class QPrinter;

namespace tablicznik {

class AuxiliaryWindows;

// The grid of the solubility table: arrows move over the cells, and typing
// the beginning of an ion's formula or name ("cu", "fe3", "siarczan")
// moves to its column (a cation) or row (an anion).
class SolubilityGrid : public QTableWidget {
    Q_OBJECT

public:
    using QTableWidget::QTableWidget;
    void keyboardSearch(const QString &search) override;

private:
    QString m_typed;
    QPoint m_origin; // column, row
    QElapsedTimer m_sinceTyped;
};

// "Tabela rozpuszczalności": the solubility of hydroxides and salts in
// water as the exam booklet prints it, anions in rows and cations in
// columns, each cell coloured by its mark. A click or Enter on a cell shows
// the compound below the grid. One such window at a time; it holds nothing
// that is stored.
class TRozpuszczalnoscForm : public QWidget {
    Q_OBJECT

public:
    static constexpr int kColumnWidth = 34;
    static constexpr int kRowHeight = 20;

    explicit TRozpuszczalnoscForm(AuxiliaryWindows &windows, QWidget *parent = nullptr);
    ~TRozpuszczalnoscForm() override;

    // The fill of a cell of this mark.
    static QColor markColour(solubility::Mark mark);

    // The picture that is printed: the heading, the legend and the grid.
    QImage printedImage(qreal scale) const;

    void showCell(int anion, int cation); // the details below the grid
    void DrukujButtonClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void fillGrid();

    AuxiliaryWindows &m_windows;
    QWidget *m_printed = nullptr; // the heading, legend and grid
    SolubilityGrid *m_grid = nullptr;
    QLabel *m_details = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace tablicznik
