#include "stringgrid.h"

#include "controls/colours.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tablicznik {

namespace {

// Cell text as the old grids drew it: two pixels from the left edge of the
// cell, with no further margin, so that a text as wide as its column fits.
class GridCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget *view = option.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(cell.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                               : QPalette::Text));
        painter->drawText(option.rect.adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
    }

    static constexpr int kTextIndent = 2;
};

// The header row: raised cells with their titles two pixels in, like the
// body, so that a short title in a narrow column ("Ozn.") is not cut.
class GridHeader : public QHeaderView {
public:
    GridHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int section) const override
    {
        if (!rect.isValid())
            return;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = section;
        option.text.clear();
        style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
        painter->save();
        painter->setClipRect(rect);
        painter->setPen(palette().color(QPalette::ButtonText));
        painter->drawText(rect.adjusted(GridCellDelegate::kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          model()->headerData(section, orientation()).toString());
        painter->restore();
    }
};

} // namespace

StringGrid::StringGrid(const QStringList &titles, const QList<int> &columnWidths, int rowHeight, QWidget *parent)
    : QTableWidget(0, int(titles.size()), parent)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setHorizontalHeader(new GridHeader(this));
    setHorizontalHeaderLabels(titles);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(1);
    for (int column = 0; column < columnWidths.size(); ++column)
        setColumnWidth(column, columnWidths[column]);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    viewport()->setCursor(Qt::ArrowCursor);
    setItemDelegate(new GridCellDelegate(this));

    QPalette p = palette();
    p.setColor(QPalette::Base, colour(clSilver));
    p.setColor(QPalette::Window, colour(clSilver));
    p.setColor(QPalette::Button, colour(clSilver));
    p.setColor(QPalette::Text, colour(clBlack));
    p.setColor(QPalette::WindowText, colour(clBlack));
    p.setColor(QPalette::ButtonText, colour(clBlack));
    setPalette(p);
}

void StringGrid::addRow(const QStringList &cells)
{
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount() && column < cells.size(); ++column) {
        auto *item = new QTableWidgetItem(cells[column]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(row, column, item);
    }
}

} // namespace tablicznik
