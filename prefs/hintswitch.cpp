#include "hintswitch.h"

#include "controls/focusframe.h"

#include <QApplication>
#include <QEvent>
#include <QProxyStyle>
#include <QToolTip>

namespace tablicznik {
namespace {

// The program's hint timing: a tooltip appears 200 ms after the pointer
// rests; Qt keeps it for ten seconds, as the program wants. Its focus
// frames are the projector's (controls/focusframe.h).
class HintTimingStyle : public FocusFrameStyle {
public:
    using FocusFrameStyle::FocusFrameStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *answer) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return HintSwitch::kHintDelay;
        return FocusFrameStyle::styleHint(hint, option, widget, answer);
    }
};

} // namespace

HintSwitch::HintSwitch(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("HintSwitch"));
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()) && !dynamic_cast<HintTimingStyle *>(QApplication::style()))
        QApplication::setStyle(new HintTimingStyle(QApplication::style()->name()));
}

void HintSwitch::setEnabled(bool on)
{
    m_enabled = on;
    if (!on)
        QToolTip::hideText();
}

bool HintSwitch::eventFilter(QObject *, QEvent *event) { return !m_enabled && event->type() == QEvent::ToolTip; }

} // namespace tablicznik
