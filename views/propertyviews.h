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
    // Paints the last view that ran once more, without its cue: for a table
    // whose elements have changed (today's table of 118 or the older one of
    // 112) while the view shows. Nothing when no view has run.
    void repaintLastView();

    QMenu *menu(const QString &objectName) const;

    // The handler of the view last shown (not of a menu opener); empty
    // before the first.
    const QString &shownView() const { return m_shown; }

signals:
    // A view has coloured the table, or coloured it again.
    void viewShown(const QString &handlerName);

private:
    struct Handler {
        bool menuItem; // plays the over cue first
        std::function<void()> act;
    };
    template <typename Rows>
    void addViews(const Rows &rows);

    TableCanvas &m_canvas;
    QHash<QString, Handler> m_handlers;
    QHash<QString, QMenu *> m_menus;
    QString m_shown;
};

} // namespace tablicznik
