#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QStackedWidget;

namespace tablicznik {

// A tabbed control whose tabs are push buttons in rows above the pages, so
// that all eleven captions of the details panel stay in sight within its
// width. The tabs are laid out in order, row by row; the pressed one is the
// active page. What a tab shows is painted by the owner (setTabPainter),
// which gets the tab's face after the control has drawn the button edges.
class TPageControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)
    Q_PROPERTY(int count READ count)

public:
    static constexpr int kTabHeight = 16;
    static constexpr int kTabPadding = 5; // each side of the caption
    static constexpr int kTabGap = 2;

    using TabPainter = std::function<void(QPainter &, int index, const QRect &face)>;

    explicit TPageControl(QWidget *parent = nullptr);

    // Appends a page under a tab with the given caption; the control takes it.
    int addPage(QWidget *page, const QString &caption);

    int count() const { return int(m_tabs.size()); }
    QString tabText(int index) const { return m_tabs.at(index).caption; }
    QWidget *widget(int index) const;
    QWidget *currentWidget() const;
    int currentIndex() const { return m_current; }
    // Where the tab of the page lies, in the control's coordinates.
    QRect tabRect(int index) const { return m_tabs.at(index).rect; }
    // The area below the tab rows that the pages fill.
    QRect pageArea() const;
    int tabRows() const { return m_rows; }

    void setTabPainter(TabPainter painter);

public slots:
    void setCurrentIndex(int index);

signals:
    // The active page changed, by the user's choice or by setCurrentIndex.
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void changeEvent(QEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void leaveEvent(QEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void focusInEvent(QFocusEvent *) override;
    void focusOutEvent(QFocusEvent *) override;

private:
    struct Tab {
        QString caption;
        QRect rect;
        int width = -1; // the caption's width with padding; measured once per font
    };
    void layoutTabs();
    int tabAt(const QPoint &pos) const;
    void setHot(int index);

    std::vector<Tab> m_tabs;
    QStackedWidget *m_stack;
    TabPainter m_painter;
    int m_current = -1;
    int m_hot = -1;
    int m_rows = 0;
};

} // namespace tablicznik
