#pragma once

#include "cmcGTex.h"
#include "cuiBody.h"

#include <QByteArray>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Builds a menu bar or a popup menu from a definition body and keeps its items in step with
// the program's state: each menu is refreshed before it opens, on update(), and after each of
// its commands. Items without an accelerator letter get the first free one of their menu.
class cuiFlector : public QObject {
public:
    using Handler = cuiBody::Handler;

    explicit cuiFlector(cmcGTex& table = cmcGTex::app());
    ~cuiFlector() override;

    // Chooses where the items of <name>_Body go and who carries out their commands; the
    // request has the Enter key and the item's cell. Without a handler, commands go to the
    // program-wide handler.
    void create(QMenuBar* target, const QByteArray& name, Handler handler = {});
    void create(QMenu* target, const QByteArray& name, Handler handler = {});
    // Replaces the items built before.
    void build();
    void update();
    // Removes the items and their cells.
    void release();

    // The shortcuts a cell's argument names, as in "Ctrl+N" or "Del"; none for no argument.
    QList<QKeySequence> shortcutsOf(const cmcCellObj& cell) const;

private:
    struct Entry {
        QAction* action;
        cmcCellObj* cell;
        QString caption; // without the automatic accelerator
        int subMenu;     // the level of its sub-menu, or -1
    };
    struct Level {
        QWidget* widget;
        std::vector<Entry> entries;
    };

    void createOn(QWidget* target, const QByteArray& name, Handler handler);
    int buildLevel(QWidget* widget, const std::vector<cuiBody::Item>& items);
    Entry newEntry(QWidget* widget, const cuiBody::Item& item);
    QAction* newCommand(cmcCellObj& cell);
    void updateLevel(int level);
    bool refreshEntry(Entry& entry);
    static void tidySeparators(Level& level);
    void applyAccelerators(Level& level);
    void run(const cmcCellObj& cell);

    cmcGTex& definitions;
    QPointer<QWidget> target;
    QByteArray bodyName;
    Handler handler;
    cuiBody body;
    std::deque<Level> levels;
    std::vector<QPointer<QMenu>> menus;
    std::vector<QAction*> actions;
    QMetaObject::Connection targetShows;
    unsigned generation = 0;
};
