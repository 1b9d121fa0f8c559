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

QString caption(QWidget *w)
{
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return QString(button->text()).remove(QLatin1Char('&')).trimmed();
    if (auto *box = qobject_cast<QGroupBox *>(w))
        return QString(box->title()).remove(QLatin1Char('&')).trimmed();
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
    // A caption of its own is what the toolkit speaks already; without one
    // the hint says more than the group the control stands in.
    if (!caption(w).isEmpty())
        return;
    if (const QString hint = spokenHint(w->toolTip()); !hint.isEmpty())
        w->setAccessibleName(hint);
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
