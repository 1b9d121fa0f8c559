#include "propertyviews.h"

#include "cues/soundcues.h"
#include "viewpasses.h"

#include <QCursor>
#include <QMenu>
#include <QSet>

namespace tablicznik {
namespace {

// The views chosen from a menu: their handlers are the menu items'.
QSet<QString> menuItemHandlers()
{
    QSet<QString> handlers;
    for (const ViewMenu &menu : kViewMenus)
        for (const MenuItemRow &item : menu.items)
            if (item.name)
                handlers << handlerName(item.name);
    return handlers;
}

} // namespace

template <typename Rows>
void PropertyViews::addViews(const Rows &rows)
{
    static const QSet<QString> fromMenus = menuItemHandlers();
    for (const auto &row : rows) {
        const QString name = handlerName(row.trigger);
        Q_ASSERT_X(!m_handlers.contains(name), "PropertyViews", "two views with one handler"); // see the tables' tests
        m_handlers.insert(name, {fromMenus.contains(name),
                                 [this, &row, name] {
                                     m_shown = name;
                                     showView(m_canvas, row);
                                     emit viewShown(name);
                                 }});
    }
}

PropertyViews::PropertyViews(TableCanvas &canvas, QWidget *window) : QObject(window), m_canvas(canvas)
{
    addViews(kNumericScaleViews);
    addViews(kFilteredScaleViews);
    addViews(kCategoryViews);
    addViews(kShellViews);
    addViews(kEraViews);
    addViews(kTypeFilterViews);
    addViews(kSusceptibilityViews);
    addViews(kAbundanceViews);

    for (const ViewMenu &row : kViewMenus) {
        auto *menu = new QMenu(window);
        menu->setObjectName(QString::fromUtf8(row.name));
        for (const MenuItemRow &item : row.items) {
            if (!item.name) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromUtf8(item.name));
            const QString handler = handlerName(item.name);
            connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
        }
        m_menus.insert(menu->objectName(), menu);
        // The view button opens the menu where the pointer is; nothing
        // changes until an item is chosen.
        m_handlers.insert(QString::fromUtf8(row.openerHandler), {false, [menu] { menu->popup(QCursor::pos()); }});
    }
}

bool PropertyViews::run(const QString &handlerName)
{
    const auto handler = m_handlers.constFind(handlerName);
    if (handler == m_handlers.constEnd())
        return false;
    if (handler->menuItem)
        m_canvas.cues().PlayOver();
    handler->act();
    return true;
}

void PropertyViews::repaintLastView()
{
    if (const auto handler = m_handlers.constFind(m_shown); handler != m_handlers.constEnd())
        handler->act();
}

QMenu *PropertyViews::menu(const QString &objectName) const { return m_menus.value(objectName); }

} // namespace tablicznik
