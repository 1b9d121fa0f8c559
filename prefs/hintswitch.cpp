#include "hintswitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolTip>

namespace tablicznik {

HintSwitch::HintSwitch(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("HintSwitch"));
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

void HintSwitch::setEnabled(bool on)
{
    m_enabled = on;
    if (!on)
        QToolTip::hideText();
}

bool HintSwitch::eventFilter(QObject *, QEvent *event) { return !m_enabled && event->type() == QEvent::ToolTip; }

} // namespace tablicznik
