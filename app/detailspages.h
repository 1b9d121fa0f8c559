#pragma once

#include "data/element.h"

#include <QAbstractButton> // complete, so that the signal can carry it
#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QLabel;
class QPainter;
class QStyle;
class QWidget;

namespace tablicznik {

class RichTextView;
class TPageControl;

// The eleven pages of element data on the details panel. Every caption,
// value, group box and view button comes from the tables in the source
// file; the pages are filled one at a time, from an element record.
class DetailsPages : public QObject {
    Q_OBJECT

public:
    static constexpr int kPages = 11;
    static const std::array<const char *, kPages> kCaptions;

    // Builds PageControl1 with its pages inside the details panel.
    explicit DetailsPages(QWidget *panel);

    TPageControl *pageControl() const { return m_pages; }
    int currentPage() const; // 0 ... 10

    // Fills the controls of one page from the record: labels take the field
    // text as it stands, rich-text controls the wrapped document.
    void fillPage(int page, const ElementRecord &element);
    // Fills every page again from the record it was last filled from, which
    // the catalogue has changed in place (the names of 104 ... 112). The
    // records must still live.
    void refill();
    // The three values that follow every element whatever the page: the
    // big symbol, the atomic number and the magnetic type.
    void setIdentity(const QString &symbol, const QString &number, const QString &magneticType);

    // The controls that hand pointer movement to the window: the tabbed
    // control, pages 1 to 7, the group boxes of pages 8 to 11 and the
    // minerals text.
    std::vector<QWidget *> movementPassers() const;

    // The document a rich-text value is shown as: bold, 10 point.
    static QString wrapped(const QString &value);

signals:
    // A view button was clicked; the handler is named after the button
    // ("PromAtomButtonClick").
    void viewButtonClicked(const QString &handlerName, QAbstractButton *button);

private:
    struct BoundValue {
        QString ElementRecord::*member;
        QLabel *label;       // one of these two
        RichTextView *rich;
        QWidget *follower = nullptr; // the caption placed after a word of a caption
    };

    TPageControl *m_pages;
    std::array<std::vector<BoundValue>, kPages> m_values;
    std::array<const ElementRecord *, kPages> m_filledFrom{};
    QLabel *m_symbol = nullptr;
    QLabel *m_number = nullptr;
    QLabel *m_magnetic = nullptr;
    std::vector<QWidget *> m_movementPassers;
};

// The classic desktop look of group boxes and small push buttons (the title
// on the frame line, square raised buttons); null where it is not built in.
QStyle *classicStyle();

} // namespace tablicznik
