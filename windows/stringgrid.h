#pragma once

#include <QTableWidget>

namespace tablicznik {

// A read-only grid of texts in the manner of the old string grids: a header
// row of column titles, no row header, silver cells with their lines drawn,
// black text, the arrow pointer, fixed row heights and given column widths.
class StringGrid : public QTableWidget {
    Q_OBJECT

public:
    StringGrid(const QStringList &titles, const QList<int> &columnWidths, int rowHeight, QWidget *parent = nullptr);

    // Appends a row of cells, as many as there are columns.
    void addRow(const QStringList &cells);
};

} // namespace tablicznik
