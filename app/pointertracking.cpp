#include "pointertracking.h"
#include "toknoglowne.h"

#include "controls/colours.h"
#include "controls/tmyspeedbutton.h"
#include "detailspages.h"
#include "optionsmenu.h"
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

// --- the main window's pointer, pin and reset handlers ---

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

    // The table's background: group labels and the La and Ac places.
    for (QWidget *place : m_tableBackground) {
        m_routing->passMoves(place);
        m_routing->passPresses(place);
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
    for (QWidget *command : m_movingCommands)
        m_routing->passMoves(command);
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
    emit pinChanged();
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
    // The pages keep what they show, and whatever page comes next shows the
    // same (a page change resets too), not what it held before.
    const int shown = m_catalogue.numberOf(m_lastShownName);
    const ElementRecord &kept = shown ? m_catalogue.element(shown) : m_catalogue.dummy();
    m_details->fillPage(m_details->currentPage(), kept);
    showIdentity(kept);
    emit tableReset();
    emit pinChanged();
}

void TOknoGlowne::SpeedButton1Click()
{
    PlayClick();
    emit helpRequested();
}

void TOknoGlowne::SpeedButton2Click()
{
    m_options->SpeedButton2Click();
}

void TOknoGlowne::SpeedButton4Click()
{
    close();
}

} // namespace tablicznik
