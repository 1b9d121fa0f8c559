#include "windowlook.h"

#include "controls/colours.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace tablicznik {

void setClientSizeCentred(QWidget *window, int width, int height)
{
    window->setFixedSize(width, height);
    centreOnScreen(window);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window->move(screen->availableGeometry().center() - window->rect().center());
}

void setUpWindow(QWidget *window, const char *objectName, const QString &title, int fontPixels,
                 Qt::WindowFlags buttons, Qt::WindowType kind)
{
    window->setObjectName(QString::fromUtf8(objectName));
    window->setWindowTitle(title);
    window->setWindowFlags(kind | buttons | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFont(arial(fontPixels));
    makeSilver(window);
}

void closeOnEscape(QWidget *window)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void makeSilver(QWidget *widget)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour(clSilver));
    p.setColor(QPalette::Button, colour(clSilver));
    p.setColor(QPalette::Base, colour(clSilver));
    p.setColor(QPalette::WindowText, colour(SystemColour::WindowText));
    p.setColor(QPalette::Text, colour(SystemColour::WindowText));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QFont arial(int pixels, bool bold) { return pixelFont(QStringLiteral("Arial"), pixels, bold); }

QLabel *placeLabel(QWidget *parent, const QString &text, const QRect &place, const QFont &font, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

} // namespace tablicznik
