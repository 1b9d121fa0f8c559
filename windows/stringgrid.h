#pragma once

#include <QTableWidget>

namespace tablicznik {

class GridCellDelegate;

// A read-only grid of texts in the manner of the old string grids: a header
// row of column titles, no row header, silver cells with their lines drawn,
// black text, the arrow pointer, fixed row heights and given column widths.
class StringGrid : public QTableWidget {
    Q_OBJECT

public:
    StringGrid(const QStringList &titles, const QList<int> &columnWidths, int rowHeight, QWidget *parent = nullptr);

    // Appends a row of cells, as many as there are columns.
    void addRow(const QStringList &cells);

    // The column's cells are drawn with the part before `separator` set
    // right, as wide as the widest such part, so that the separators line
    // up; the text of the cells stays as it is.
    void alignOn(int column, const QString &separator);

private:
    GridCellDelegate *m_cells = nullptr;
};

} // namespace tablicznik
