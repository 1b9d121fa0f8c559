// Pointer tracking, pinning and the table reset, with the legend operation
// that the reset shares with the property views: the main window's
// handlers, and the routing of pointer events to them.

#include "pointertracking.h"

#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "detailspages.h"
#include "prefs/soundcues.h"
#include "toknoglowne.h"
#include "views/legend.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace tablicznik {

PointerRouting::PointerRouting(QWidget *window, MoveHandler onMove, PressHandler onPress)
    : QObject(window), m_window(window), m_onMove(std::move(onMove)), m_onPress(std::move(onPress))
{
}

void PointerRouting::holdEvents()
{
    for (QWidget *control : m_window->findChildren<QWidget *>())
        if (!qobject_cast<TMySpeedButton *>(control) && !control->isWindow())
            control->setAttribute(Qt::WA_NoMousePropagation);
}

// A scroll area gets its pointer events on its viewport.
QWidget *PointerRouting::receiver(QWidget *control)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        return area->viewport();
    return control;
}

void PointerRouting::passMoves(QWidget *control)
{
    QWidget *target = receiver(control);
    target->setMouseTracking(true);
    target->installEventFilter(this);
    m_moves.insert(target);
}

void PointerRouting::passPresses(QWidget *control)
{
    QWidget *target = receiver(control);
    target->installEventFilter(this);
    m_presses.insert(target);
}

bool PointerRouting::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (m_moves.contains(watched))
            m_onMove();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_presses.contains(watched))
            m_onPress(static_cast<QMouseEvent *>(event));
        break;
    default: break;
    }
    return false;
}

void TOknoGlowne::connectPointerTracking()
{
    for (TMySpeedButton *button : m_buttons) {
        connect(button, &TMySpeedButton::mouseMoved, this, &TOknoGlowne::MySpeedButton1MouseMove);
        connect(button, &TMySpeedButton::mousePressed, this, &TOknoGlowne::MySpeedButton1MouseDown);
        connect(button, &QAbstractButton::clicked, this, [this, button] { MySpeedButton1Click(button); });
    }

    m_routing = new PointerRouting(
        this, [this] { FormMouseMove(); }, [this](QMouseEvent *e) { FormMouseDown(e); });
    m_routing->holdEvents();
    const auto named = [this](const QString &name) { return findChild<QWidget *>(name); };

    // The table's background: group labels and the La and Ac places.
    for (int i = 1; i <= 18; ++i) {
        QWidget *group = named(QStringLiteral("GrupaLabel%1").arg(i));
        m_routing->passMoves(group);
        m_routing->passPresses(group);
    }
    for (const char *name : {"Label21", "Label30"}) {
        m_routing->passMoves(named(QLatin1StringView(name)));
        m_routing->passPresses(named(QLatin1StringView(name)));
    }
    // The legend: the box and the no-data swatch beside it pass movement;
    // the box, every swatch and every text pass presses.
    m_routing->passMoves(m_legendBox);
    m_routing->passMoves(m_legend->swatch(Legenda::kEntries));
    m_routing->passPresses(m_legendBox);
    for (int entry = 1; entry <= Legenda::kEntries; ++entry) {
        m_routing->passPresses(m_legend->swatch(entry));
        m_routing->passPresses(m_legend->label(entry));
    }
    m_routing->passPresses(m_dateLabel);
    m_routing->passPresses(m_clockLabel);
    for (const char *name : {"SpeedButton2", "SpeedButton3", "SpeedButton4"})
        m_routing->passMoves(named(QLatin1StringView(name)));
    for (QWidget *control : m_details->movementPassers())
        m_routing->passMoves(control);
}

void TOknoGlowne::mouseMoveEvent(QMouseEvent *)
{
    FormMouseMove();
}

void TOknoGlowne::mousePressEvent(QMouseEvent *e)
{
    FormMouseDown(e);
}

void TOknoGlowne::MySpeedButton1MouseMove(TMySpeedButton *button)
{
    if (m_hoveredNumber != 0 && m_hoveredNumber != button->numer()) {
        PlayOver();
        elementButton(m_hoveredNumber)->CMMouseLeave();
    }
    m_hoveredNumber = button->numer();
    if (!m_pinned)
        Wyrzuc(button->record());
}

void TOknoGlowne::FormMouseMove()
{
    if (m_hoveredNumber != 0) {
        elementButton(m_hoveredNumber)->CMMouseLeave();
        m_hoveredNumber = 0;
    }
    if (!m_pinned)
        Wyrzuc(m_catalogue.dummy());
}

void TOknoGlowne::MySpeedButton1Click(TMySpeedButton *button)
{
    PlayClick();
    m_cardElementName = button->record().Nazwa;
    emit cardRequested(m_cardElementName);
}

void TOknoGlowne::MySpeedButton1MouseDown(TMySpeedButton *button, Qt::MouseButton which)
{
    if (which != Qt::RightButton)
        return;
    ResetBitBtnClick();
    m_pinned = true;
    for (TMySpeedButton *element : m_buttons) {
        element->setEnabled(true);
        element->setTextColor(colour(clBlack));
    }
    m_pinnedNumber = button->numer();
    button->setTextColor(colour(PinColor));
    Wyrzuc(button->record());
    setCaption(QStringLiteral("Tablicznik - ") + button->record().Nazwa);
}

void TOknoGlowne::FormMouseDown(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit optionsMenuRequested(event->globalPosition().toPoint());
}

void TOknoGlowne::ResetBitBtnClick()
{
    PlayClick();
    if (m_pinned) {
        elementButton(m_pinnedNumber)->setTextColor(colour(SystemColour::BtnText));
    } else {
        for (TMySpeedButton *element : m_buttons) {
            element->setTextColor(colour(SystemColour::BtnText));
            element->setEnabled(true);
        }
        Maluj(LegendContent{});
    }
    m_pinned = false;
    if (!m_legendBox->isHidden())
        m_legendBox->hide();
    m_dateLabel->setVisible(m_clockVisible);
    m_clockLabel->setVisible(m_clockVisible);
    if (!m_timer1->isActive())
        m_timer1->start();
    setCaption(QStringLiteral("Tablicznik"));
}

void TOknoGlowne::SpeedButton1Click()
{
    PlayClick();
    emit helpRequested();
}

void TOknoGlowne::Maluj(const LegendContent &legend)
{
    m_pinned = false;
    m_timer1->stop();
    m_legend->fill(legend);
    if (!m_dateLabel->isHidden())
        m_dateLabel->hide();
    if (!m_clockLabel->isHidden())
        m_clockLabel->hide();
    if (m_legendBox->isHidden())
        m_legendBox->show();
}

QColor TOknoGlowne::swatchColour(int entry) const
{
    return m_legend->colour(entry);
}

void TOknoGlowne::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

} // namespace tablicznik
