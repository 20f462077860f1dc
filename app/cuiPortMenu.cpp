#include "cuiPortMenu.h"

#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "cmcPortBinding.h"
#include "cuiBody.h"
#include "indEnviron.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

cuiPortMenu::cuiPortMenu(QMenuBar& bar, indEnviron& store, cmcGTex& definitions, Choice choose)
    : QObject(&bar), settings(store), table(definitions), chosen(std::move(choose)) {
    find(bar);
    if (portMenu)
        connect(portMenu, &QMenu::aboutToShow, this, &cuiPortMenu::refresh);
}

QMenu* cuiPortMenu::menu() const {
    return portMenu;
}

// The builder gives each line of the body one action, in order, so the place of "More..." in
// the definitions is its place in the menu bar.
void cuiPortMenu::find(QMenuBar& bar) {
    cuiBody body;
    body.readNested(table, "GI_Menu_Main");
    const QList<QAction*> menus = bar.actions();
    for (size_t top = 0; top < body.items().size() && qsizetype(top) < menus.size(); ++top) {
        const std::vector<cuiBody::Item>& lines = body.items()[top].children;
        QMenu* menu = menus[qsizetype(top)]->menu();
        for (size_t line = 0; menu && line < lines.size(); ++line) {
            if (lines[line].cell->link() != cmcCellNames::CL_Menu_Port_Usb ||
                qsizetype(line) >= menu->actions().size())
                continue;
            portMenu = menu;
            more = menu->actions()[qsizetype(line)];
            return;
        }
    }
}

void cuiPortMenu::refresh() {
    qDeleteAll(items);
    items.clear();
    if (!more)
        return;
    present = cmcPortBinding::usbFirst(deviceSource());
    const QString current = settings.portDevice(settings.comPort);
    for (const cuiComPortDialog::Device& device : present) {
        if (cuiComPortDialog::opensAsStandardPort(settings, device.path))
            continue;
        QAction* item = addItem(cuiComPortDialog::caption(device, table), device.path == current);
        connect(item, &QAction::triggered, this, [this, path = device.path] { choose(path); });
    }
    const bool bound = settings.portDevices().contains(settings.comPort);
    if (bound && !QFileInfo::exists(current))
        addItem(cuiComPortDialog::boundCaption(current, table), true)->setEnabled(false);
    if (items.isEmpty())
        return;
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    portMenu->insertAction(items.first(), separator);
    items.prepend(separator);
}

QAction* cuiPortMenu::addItem(const QString& caption, bool current) {
    auto* item = new QAction(QString(caption).replace('&', "&&"), this);
    item->setCheckable(true);
    item->setChecked(current);
    portMenu->insertAction(more, item);
    items.append(item);
    return item;
}

void cuiPortMenu::choose(const QString& device) {
    const std::optional<int> port =
        cmcPortBinding::portFor(settings.portDevices(), present, device);
    if (!port)
        return;
    settings.setPortDevice(*port, device);
    chosen(*port);
}
