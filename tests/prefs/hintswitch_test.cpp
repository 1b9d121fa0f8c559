#include "prefs/hintswitch.h"
#include "support/testmain.h"

#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QTest>
#include <QToolTip>

using namespace tablicznik;

namespace {

// A label that counts the tooltip requests that reach it.
class HintedLabel : public QLabel {
public:
    explicit HintedLabel(const QString &hint)
    {
        setToolTip(hint);
        resize(40, 20);
    }
    int asked = 0;

    // Asks for the tooltip as a pointer resting on the label would.
    void pointAt()
    {
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(this, &event);
    }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::ToolTip)
            ++asked;
        return QLabel::event(e);
    }
};

} // namespace

class HintSwitchTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QToolTip::hideText(); }

    // Tooltips come up 200 ms after the pointer rests, in every window.
    void hintDelay()
    {
        HintSwitch hints;
        QWidget other;
        QCOMPARE(other.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, &other), 200);
        HintSwitch again; // a second switch keeps the one timing
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 200);
    }

    // The switch covers every window of the program, not only its owner.
    void offSilencesEveryWindow()
    {
        QWidget owner;
        HintSwitch hints(&owner);
        HintedLabel other(QStringLiteral("Grupa 1"));
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));

        other.pointAt();
        QCOMPARE(other.asked, 1);
        QCOMPARE(QToolTip::text(), QStringLiteral("Grupa 1"));

        hints.setEnabled(false);
        QVERIFY(!hints.isEnabled());
        other.pointAt();
        other.pointAt();
        QCOMPARE(other.asked, 1);

        hints.setEnabled(true);
        other.pointAt();
        QCOMPARE(other.asked, 2);
    }

    void goneWithItsOwner()
    {
        HintedLabel label(QStringLiteral("Lantan"));
        {
            HintSwitch hints;
            hints.setEnabled(false);
        }
        label.pointAt();
        QCOMPARE(label.asked, 1);
    }
};

TABLICZNIK_TEST_MAIN(HintSwitchTest)
#include "hintswitch_test.moc"
