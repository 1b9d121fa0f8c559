#include "accessiblenames.h"

#include "data/element.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace tablicznik {

QString spokenElementName(const ElementRecord &record)
{
    return QStringLiteral("%1 (%2), %3").arg(record.Nazwa, record.Symbol).arg(record.Numer);
}

// A line break, with the blanks around it, becomes one space.
QString spokenHint(const QString &hint)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\s*\\n\\s*"));
    return QString(hint).replace(lineBreak, QStringLiteral(" ")).trimmed();
}

namespace {

// The caption as shown, mnemonic marks aside.
QString shownCaption(QWidget *w)
{
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return QString(button->text()).remove(QLatin1Char('&'));
    if (auto *box = qobject_cast<QGroupBox *>(w))
        return QString(box->title()).remove(QLatin1Char('&'));
    return QString();
}

void nameOne(QWidget *w)
{
    if (!w->accessibleName().isEmpty())
        return;
    // A text label is spoken as the text it shows, which may change; only
    // a picture label takes its hint.
    if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull())
        return;
    // A caption of its own is what the toolkit speaks, blanks and all: a
    // caption set off by blanks on the screen (" Wyjdź") is named without
    // them. Without a caption the hint says more than the group the
    // control stands in.
    const QString shown = shownCaption(w);
    if (const QString trimmed = shown.trimmed(); !trimmed.isEmpty()) {
        if (trimmed != shown)
            w->setAccessibleName(trimmed);
        return;
    }
    if (const QString hint = spokenHint(w->toolTip()); !hint.isEmpty())
        w->setAccessibleName(hint);
    // Else the toolkit speaks the title of the group it stands in, blanks and all.
    else if (auto *group = qobject_cast<QGroupBox *>(w->parentWidget()))
        if (const QString title = shownCaption(group); title.trimmed() != title)
            w->setAccessibleName(title.trimmed());
}

} // namespace

void nameControls(QWidget *root)
{
    nameOne(root);
    for (QWidget *w : root->findChildren<QWidget *>())
        if (!w->isWindow())
            nameOne(w);
}

} // namespace tablicznik
