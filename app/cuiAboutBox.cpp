#include "cuiAboutBox.h"

#include "cmcFont.h"
#include "cmcGTex.h"
#include "cuiLook.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

cuiAboutBox::cuiAboutBox(cmcGTex& table, QWidget* owner) : QDialog(owner) {
    setObjectName("AboutBox");
    cmcFont font;
    font.apply(table.GetText("CellModel_BasicDialog"));
    setFont(cuiLook::font(font));
    const auto text = [&table](const char* key) { return table.GetText(key); };
    setWindowTitle(table.display(text("GI_App_About_Caption")));

    auto* picture = new QLabel(this);
    picture->setPixmap(QIcon(":/mavik/icons/receiver.svg").pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);
    auto* title = new QLabel(table.display(text("GI_Sys_AppTitle")), this);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    title->setFont(large);
    // The runtime line is put together when the box opens: the Qt the program runs on.
    const QByteArray runtime = qVersion();
    const QByteArray lines[] = {
        cmcGTex::formatted(text("GI_Sheet_Top_Revision"), text("GI_Sys_AppRev").constData()),
        cmcGTex::formatted(text("GI_Sheet_Top_Copyright"), text("GI_Sys_AppYear").constData()),
        cmcGTex::formatted(text("GI_App_About_Runtime"), runtime.constData(),
                           QGuiApplication::platformName().toLocal8Bit().constData()),
    };
    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    for (const QByteArray& line : lines)
        texts->addWidget(new QLabel(table.display(line), this));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(table.display(text("GI_App_About_Button")), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* body = new QHBoxLayout;
    body->addWidget(picture);
    body->addLayout(texts, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(body);
    outer->addWidget(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}
