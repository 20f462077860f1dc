#include "cuiFlector.h"

#include "cuiImages.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

namespace {

constexpr int NoSubMenu = -1;

bool canBeAccelerator(QChar c) {
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

bool isSeparator(const cmcCellObj& cell) {
    return cell.text() == "-";
}

} // namespace

cuiFlector::cuiFlector(cmcGTex& table) : definitions(table) {}

cuiFlector::~cuiFlector() {
    release();
}

void cuiFlector::create(QMenuBar* menuBar, const QByteArray& name, Handler commandHandler) {
    createOn(menuBar, name, std::move(commandHandler));
}

void cuiFlector::create(QMenu* menu, const QByteArray& name, Handler commandHandler) {
    createOn(menu, name, std::move(commandHandler));
    targetShows = connect(menu, &QMenu::aboutToShow, this, [this] { update(); });
}

void cuiFlector::createOn(QWidget* widget, const QByteArray& name, Handler commandHandler) {
    release();
    QObject::disconnect(targetShows);
    target = widget;
    bodyName = name;
    handler = std::move(commandHandler);
}

void cuiFlector::build() {
    release();
    if (!target)
        return;
    body.readNested(definitions, bodyName);
    buildLevel(target, body.items());
    ++generation;
    update();
}

int cuiFlector::buildLevel(QWidget* widget, const std::vector<cuiBody::Item>& items) {
    const int level = static_cast<int>(levels.size());
    levels.push_back({widget, {}});
    for (const cuiBody::Item& item : items) {
        Entry entry = newEntry(widget, item);
        widget->addAction(entry.action);
        levels[level].entries.push_back(std::move(entry));
    }
    applyAccelerators(levels[level]);
    return level;
}

cuiFlector::Entry cuiFlector::newEntry(QWidget* widget, const cuiBody::Item& item) {
    cmcCellObj& cell = *item.cell;
    Entry entry{nullptr, &cell, definitions.display(cell.text()), NoSubMenu};
    if (isSeparator(cell)) {
        entry.action = new QAction(this);
        entry.action->setSeparator(true);
        actions.push_back(entry.action);
    } else if (!item.children.empty()) {
        auto* menu = new QMenu(widget);
        menus.push_back(menu);
        entry.action = menu->menuAction();
        entry.subMenu = buildLevel(menu, item.children);
        connect(menu, &QMenu::aboutToShow, this,
                [this, level = entry.subMenu] { updateLevel(level); });
    } else {
        entry.action = newCommand(cell);
    }
    entry.action->setIcon(cuiImages::commandImage(cell.imageIndex()));
    return entry;
}

QAction* cuiFlector::newCommand(cmcCellObj& cell) {
    auto* action = new QAction(this);
    action->setShortcuts(shortcutsOf(cell));
    connect(action, &QAction::triggered, this, [this, &cell] { run(cell); });
    actions.push_back(action);
    return action;
}

// The definitions' "Enter" stands for either Enter key; Qt names the keypad's one so.
QList<QKeySequence> cuiFlector::shortcutsOf(const cmcCellObj& cell) const {
    const std::optional<QByteArray>& argument = cell.argument();
    if (!argument || argument->isEmpty())
        return {};
    // "Ctrl+Shift+Z; Ctrl+Y" gives an item two shortcuts.
    const QList<QKeySequence> keys = QKeySequence::listFromString(definitions.display(*argument));
    if (keys == QList<QKeySequence>{QKeySequence(Qt::Key_Enter)})
        return {keys.first(), QKeySequence(Qt::Key_Return)};
    return keys;
}

void cuiFlector::update() {
    if (!levels.empty())
        updateLevel(0);
}

void cuiFlector::updateLevel(int level) {
    bool renamed = false;
    for (Entry& entry : levels[level].entries) {
        renamed = refreshEntry(entry) || renamed;
        if (entry.subMenu != NoSubMenu)
            updateLevel(entry.subMenu);
    }
    if (renamed)
        applyAccelerators(levels[level]);
    tidySeparators(levels[level]);
}

// A separator shows only between two shown items, and only one there: hidden items (the unused
// places of the recent-file list) must not leave two lines in a row or one at an end.
void cuiFlector::tidySeparators(Level& level) {
    QAction* pending = nullptr;
    bool itemBefore = false;
    for (Entry& entry : level.entries) {
        if (entry.action->isSeparator()) {
            entry.action->setVisible(false);
            if (itemBefore && !pending)
                pending = entry.action;
            continue;
        }
        if (!entry.action->isVisible())
            continue;
        if (pending)
            pending->setVisible(true);
        pending = nullptr;
        itemBefore = true;
    }
}

// Returns whether the item's caption changed.
bool cuiFlector::refreshEntry(Entry& entry) {
    cmcCellObj& cell = *entry.cell;
    cuiBody::refresh(cell);
    entry.action->setCheckable(cell.flag(0));
    entry.action->setChecked(cell.flag(0));
    entry.action->setVisible(!cell.flag(1));
    entry.action->setEnabled(!cell.flag(2));
    entry.action->setIcon(cuiImages::commandImage(cell.imageIndex()));
    const QString text = definitions.display(cell.text());
    if (!cell.flag(3) || text == entry.caption)
        return false;
    entry.caption = text;
    return true;
}

// Letters are compared without case; a caption that names its own letter keeps it.
void cuiFlector::applyAccelerators(Level& level) {
    QSet<QChar> taken;
    for (const Entry& entry : level.entries) {
        const qsizetype amp = entry.caption.indexOf('&');
        if (amp >= 0 && amp + 1 < entry.caption.size())
            taken.insert(entry.caption[amp + 1].toUpper());
    }
    for (Entry& entry : level.entries) {
        // A separator with a text is drawn as a titled section, the "-" showing.
        if (entry.action->isSeparator())
            continue;
        QString shown = entry.caption;
        if (!shown.contains('&')) {
            for (qsizetype i = 0; i < shown.size(); ++i) {
                const QChar letter = shown[i].toUpper();
                if (canBeAccelerator(letter) && !taken.contains(letter)) {
                    taken.insert(letter);
                    shown.insert(i, '&');
                    break;
                }
            }
        }
        entry.action->setText(shown);
    }
}

// The handler may rebuild or release the menu; only a menu that survived is refreshed.
void cuiFlector::run(const cmcCellObj& cell) {
    const QPointer<cuiFlector> alive(this);
    const unsigned built = generation;
    cuiBody::command(cell, handler);
    if (alive && generation == built)
        update();
}

void cuiFlector::release() {
    for (const QPointer<QMenu>& menu : menus)
        delete menu.data();
    menus.clear();
    qDeleteAll(actions);
    actions.clear();
    levels.clear();
    body.clear();
}
