#include "indMenuLinks.h"

#include "cmcCellNames.h"
#include "cmcCellObj.h"
#include "cmcGTex.h"
#include "cmcPageIndex.h"
#include "cuiPrinter.h"
#include "cuiUndoHistory.h"
#include "indEnviron.h"
#include "indMain.h"

#include <iterator>

namespace {

using Names = cmcCellNames;

enum Flag { Checked = 0, Hidden = 1, Disabled = 2, Caption = 3 };

struct Command {
    int link;
    void (*run)(indMain& main, const cmcCellObj& cell);
    void (*state)(indMain& main, cmcCellObj& cell);
};

void none(indMain&, cmcCellObj&) {}

void csvState(indMain& main, cmcCellObj& cell) {
    cell.setFlag(Disabled, !main.canExchangeCsv());
}

void whileIdle(indMain& main, cmcCellObj& cell) {
    cell.setFlag(Disabled, main.cloneBusy());
}

void recentState(indMain& main, cmcCellObj& cell) {
    const QString caption = main.recentMenuCaption(cell.index());
    cell.setFlag(Hidden, caption.isEmpty());
    cell.setText(cmcGTex::app().stored(caption));
    cell.setFlag(Caption, true);
}

void fontSizeState(indMain& main, cmcCellObj& cell) {
    cell.setFlag(Checked, main.environ().fontSizePercentage == cell.index());
}

void portState(indMain& main, cmcCellObj& cell) {
    const indEnviron& settings = main.environ();
    cell.setFlag(Checked, settings.comPort == cell.index());
    const QByteArray device = settings.portDevice(cell.index()).toLocal8Bit();
    cell.setText(cmcGTex::formatted(cmcGTex::app().GetText("GI_AppInd_Port_Caption"), cell.index(),
                                    device.constData()));
    cell.setFlag(Caption, true);
}

// The item names the step it undoes or redoes.
void historyState(indMain& main, cmcCellObj& cell, bool redo) {
    QUndoStack& steps = main.history().stack();
    cell.setFlag(Disabled, redo ? !steps.canRedo() : !steps.canUndo());
    cell.setText(cmcGTex::app().stored(main.undoCaption(redo)));
    cell.setFlag(Caption, true);
}

void tvState(indMain& main, cmcCellObj& cell) {
    const int page = main.openPageIndex();
    cell.setFlag(Disabled,
                 page < cmcPageIndex::FirstMemoryPage || page > cmcPageIndex::LastBankPage);
}

const Command commands[] = {
    {Names::CL_Menu_File_New, [](indMain& m, const cmcCellObj&) { m.New(); }, none},
    {Names::CL_Menu_File_Open, [](indMain& m, const cmcCellObj&) { m.OpenWithDialog(); }, none},
    {Names::CL_Menu_File_Save, [](indMain& m, const cmcCellObj&) { m.SaveCommand(); }, none},
    {Names::CL_Menu_File_SaveAs, [](indMain& m, const cmcCellObj&) { m.SaveAs(); }, none},
    {Names::CL_Menu_File_Import, [](indMain& m, const cmcCellObj&) { m.importCsv(); }, csvState},
    {Names::CL_Menu_File_Export, [](indMain& m, const cmcCellObj&) { m.exportCsv(); }, csvState},
    {Names::CL_Menu_File_Print_Current, [](indMain& m, const cmcCellObj&) { m.printCurrent(); },
     [](indMain& m, cmcCellObj& cell) { cell.setFlag(Disabled, !m.canPrintCurrent()); }},
    {Names::CL_Menu_File_Print_All, [](indMain& m, const cmcCellObj&) { m.printAll(); },
     [](indMain& m, cmcCellObj& cell) { cell.setFlag(Disabled, m.printer().busy()); }},
    {Names::CL_Menu_File_Recent,
     [](indMain& m, const cmcCellObj& cell) { m.OpenRecent(cell.index()); }, recentState},
    {Names::CL_Menu_File_Exit, [](indMain& m, const cmcCellObj&) { m.close(); }, none},
    {Names::CL_Menu_Edit_Undo, [](indMain& m, const cmcCellObj&) { m.undo(); },
     [](indMain& m, cmcCellObj& cell) { historyState(m, cell, false); }},
    {Names::CL_Menu_Edit_Redo, [](indMain& m, const cmcCellObj&) { m.redo(); },
     [](indMain& m, cmcCellObj& cell) { historyState(m, cell, true); }},
    {Names::CL_Menu_Preset, nullptr, tvState},
    {Names::CL_Menu_TV, [](indMain& m, const cmcCellObj& cell) { m.presetTv(cell.index()); },
     tvState},
    {Names::CL_Menu_View_FontSize,
     [](indMain& m, const cmcCellObj& cell) { m.setFontSize(cell.index()); }, fontSizeState},
    {Names::CL_Menu_View_ToolBar, [](indMain& m, const cmcCellObj&) { m.toggleToolBar(); },
     [](indMain& m, cmcCellObj& cell) { cell.setFlag(Checked, m.environ().toolbarVisible); }},
    {Names::CL_Menu_Port_Com,
     [](indMain& m, const cmcCellObj& cell) { m.choosePort(cell.index()); }, portState},
    {Names::CL_Menu_Port_Usb, [](indMain& m, const cmcCellObj&) { m.chooseOtherPort(); },
     [](indMain& m, cmcCellObj& cell) { cell.setFlag(Checked, m.environ().comPort > 4); }},
    {Names::CL_Menu_Com_Speed, [](indMain& m, const cmcCellObj&) { m.toggleHighSpeed(); },
     [](indMain& m, cmcCellObj& cell) { cell.setFlag(Checked, m.environ().highCloneSpeed); }},
    {Names::CL_Menu_Clone_Read, [](indMain& m, const cmcCellObj&) { m.cloneRead(); }, whileIdle},
    {Names::CL_Menu_Clone_Write, [](indMain& m, const cmcCellObj&) { m.cloneWrite(); }, whileIdle},
    {Names::CL_Menu_Clone_Info, [](indMain& m, const cmcCellObj&) { m.requestInformation(); },
     whileIdle},
    {Names::CL_Help_Contents, [](indMain& m, const cmcCellObj&) { m.showHelpContents(); }, none},
    {Names::CL_Help_About, [](indMain& m, const cmcCellObj&) { m.showAbout(); }, none},
};

const Command* find(int link) {
    for (const Command& command : commands) {
        if (command.link == link)
            return &command;
    }
    return nullptr;
}

} // namespace

bool indMenuLinks::run(indMain& main, const cmcCellObj& cell) {
    const Command* command = find(cell.link());
    if (!command || !command->run)
        return false;
    command->run(main, cell);
    return true;
}

bool indMenuLinks::refresh(indMain& main, cmcCellObj& cell) {
    const Command* command = find(cell.link());
    if (!command)
        return false;
    command->state(main, cell);
    return true;
}
