#include "stringgrid.h"

#include "controls/colours.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace tablicznik {

// Cell text as the old grids drew it: two pixels from the left edge of the
// cell, with no further margin. A text a little too wide for its cell is
// drawn with its letters closer together rather than cut off. In a column
// aligned on a separator, the part before the separator is right-aligned
// to the widest such part of the column, so the separators line up.
class GridCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void alignOn(int column, const QString &separator) { m_separators.insert(column, separator); }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget *view = option.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);

        const QRectF room = QRectF(option.rect).adjusted(kTextIndent, 0, 0, 0);
        const QString separator = m_separators.value(index.column());
        const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator);
        const QString head = at < 0 ? QString() : text.left(at).trimmed();
        const QString tail = at < 0 ? text : text.mid(at);
        QFont font = cell.font;
        qreal headRoom = at < 0 ? 0 : widestHead(font, index);
        const qreal width = headRoom + QFontMetricsF(font).horizontalAdvance(tail);
        if (width > room.width()) {
            const qreal letters = (at < 0 ? text : head + tail).size();
            font.setLetterSpacing(QFont::AbsoluteSpacing, -std::min(kMostTightening, (width - room.width()) / letters));
            if (at >= 0)
                headRoom = widestHead(font, index);
        }

        painter->save();
        painter->setClipRect(option.rect);
        painter->setFont(font);
        painter->setPen(cell.palette.color(cell.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                               : QPalette::Text));
        if (at >= 0)
            painter->drawText(QRectF(room.left(), room.top(), headRoom, room.height()), Qt::AlignRight | Qt::AlignVCenter,
                              head);
        painter->drawText(room.adjusted(headRoom, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, tail);
        painter->restore();
    }

    static constexpr int kTextIndent = 2;
    static constexpr qreal kMostTightening = 1; // pixels between letters

private:
    // The widest part before the separator among the column's cells.
    qreal widestHead(const QFont &font, const QModelIndex &index) const
    {
        const QFontMetricsF metrics(font);
        const QString separator = m_separators.value(index.column());
        qreal widest = 0;
        for (int row = 0; row < index.model()->rowCount(index.parent()); ++row) {
            const QString text = index.siblingAtRow(row).data().toString();
            const qsizetype at = text.indexOf(separator);
            if (at >= 0)
                widest = std::max(widest, metrics.horizontalAdvance(text.left(at).trimmed()));
        }
        return widest;
    }

    QHash<int, QString> m_separators;
};

namespace {

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
    m_cells = new GridCellDelegate(this);
    setItemDelegate(m_cells);

    QPalette p = palette();
    p.setColor(QPalette::Base, colour(clSilver));
    p.setColor(QPalette::Window, colour(clSilver));
    p.setColor(QPalette::Button, colour(clSilver));
    p.setColor(QPalette::Text, colour(clBlack));
    p.setColor(QPalette::WindowText, colour(clBlack));
    p.setColor(QPalette::ButtonText, colour(clBlack));
    setPalette(p);
}

void StringGrid::alignOn(int column, const QString &separator)
{
    m_cells->alignOn(column, separator);
    viewport()->update();
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
