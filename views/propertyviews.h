#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace tablicznik {

class TableCanvas;

// Every property view of the table by its handler name, and the popup menus
// that offer a choice of views. A view button starts its view, or opens its
// menu at the pointer; its click cue is the window's, which plays it for
// every view button. A menu item plays the over cue and starts its view.
class PropertyViews : public QObject {
    Q_OBJECT

public:
    // The menus are created hidden, as children of the window, so that
    // they can be found by their names.
    PropertyViews(TableCanvas &canvas, QWidget *window);

    // Runs the handler of that name ("PromAtomButtonClick", "Gazy1Click",
    // "GestoscButtonClick"); false when there is none.
    bool run(const QString &handlerName);

    QMenu *menu(const QString &objectName) const;

signals:
    // A view has coloured the table (a menu's opening is no view).
    void viewShown(const QString &handlerName);

private:
    struct Handler {
        bool menuItem; // plays the over cue first
        bool view;     // shows a view, rather than opening a menu
        std::function<void()> act;
    };
    template <typename Rows>
    void addViews(const Rows &rows);

    TableCanvas &m_canvas;
    QHash<QString, Handler> m_handlers;
    QHash<QString, QMenu *> m_menus;
};

} // namespace tablicznik
