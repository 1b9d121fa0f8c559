#pragma once

// A card as the tests open it: shown on the element of that name, over a
// stand-in for the table, with auxiliary windows of its own.

#include "richtext/richtextview.h"
#include "support/auxiliarywindows.h"
#include "support/catalogue.h"
#include "windows/tfiszka.h"

#include <QTest>
#include <QWidget>

namespace tablicznik::testing {

struct ShownCard {
    WindowsFixture f;
    QWidget table;
    TFiszka *card;

    // With `active`, it waits until the card has the keyboard, not only
    // until it is on the screen.
    explicit ShownCard(const QString &name, bool active = false)
        : card(f.windows.show(new TFiszka(f.windows, programCatalogue(), &table, name)))
    {
        if (active) {
            card->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(card));
        } else {
            QVERIFY(QTest::qWaitForWindowExposed(card));
        }
    }
    template <typename T = QWidget>
    T *find(const char *name) const { return child<T>(card, name); }
    RichTextView *view() const { return find<RichTextView>("RichEdit1"); }
    TFiszka &operator*() { return *card; }
};

} // namespace tablicznik::testing
