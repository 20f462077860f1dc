#pragma once

#include "cuiComPortDialog.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class cmcGTex;
class indEnviron;

// The serial devices present, as items of the Port menu that the menu bar's builder made from
// the definitions: read afresh each time the menu opens and placed before "More..." under a
// separator. Choosing one binds it to a COM number and makes that number the port. A number
// whose device has gone stays bound, and while it is the port its device is shown as absent.
class cuiPortMenu : public QObject {
    Q_OBJECT
public:
    // Called with the COM number a chosen device is bound to.
    using Choice = std::function<void(int port)>;

    cuiPortMenu(QMenuBar& bar, indEnviron& settings, cmcGTex& table, Choice choose);

    void setDeviceSource(cuiComPortDialog::DeviceSource source) { deviceSource = source; }
    // The Port menu, or none when the menu bar lacks the definitions' "More..." item.
    QMenu* menu() const;

private:
    void find(QMenuBar& bar);
    void refresh();
    QAction* addItem(const QString& caption, bool current);
    void choose(const QString& device);

    indEnviron& settings;
    cmcGTex& table;
    Choice chosen;
    cuiComPortDialog::DeviceSource deviceSource = cuiComPortDialog::presentDevices;
    QPointer<QMenu> portMenu;
    QPointer<QAction> more;
    QList<QAction*> items;
    QList<cuiComPortDialog::Device> present;
};
