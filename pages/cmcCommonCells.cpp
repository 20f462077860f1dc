#include "cmcCommonCells.h"

#include "MemoryMap.h"
#include "cmcBankLinkCell.h"
#include "cmcCellNames.h"
#include "cmcCommentCell.h"
#include "cmcGTex.h"
#include "cmcListSetting.h"
#include "cmcPageData.h"
#include "cmcRemoteAddressCell.h"
#include "cmcWxChannelCell.h"

namespace {

using N = cmcCellNames;

// Offsets in the common settings block.
constexpr int RemoteAddress = 66;
constexpr int WxAlert = 62;
constexpr int WxChannel = 91;

struct ListRow {
    int link;
    int offset;
    uint8_t mask;
    const char* listKey;
    int dependentLink;
};

constexpr char OnOff[] = "GI_Sheet_Sel_Misc_OnOff";
constexpr uint8_t Byte = 0xFF;

const ListRow ListRows[] = {
    {N::CL_Common_Func_UD, 45, Byte, "GI_Sheet_Sel_Common_Func_UD", N::LinkNone},
    {N::CL_Common_Power_Save, 50, Byte, "GI_Sheet_Sel_Common_Power_Save", N::LinkNone},
    {N::CL_Common_Dial_Func, 84, 0x10, "GI_Sheet_Sel_Common_Dial_Func", N::LinkNone},
    {N::CL_Common_Key_Beep, 47, Byte, OnOff, N::LinkNone},
    {N::CL_Common_Beep, 48, Byte, "GI_Sheet_Sel_Common_Beep_Level", N::LinkNone},
    {N::CL_Common_Backlight, 49, Byte, "GI_Sheet_Sel_Common_Backlight", N::LinkNone},
    {N::CL_Common_CH_Disp, 84, 0x03, "GI_Sheet_Sel_Common_CH_Disp", N::LinkNone},
    {N::CL_Common_AM_Antenna, 51, Byte, "GI_Sheet_Sel_Common_AM_Antenna", N::LinkNone},
    {N::CL_Common_FM_Antenna, 52, Byte, "GI_Sheet_Sel_Common_FM_Antenna", N::LinkNone},
    {N::CL_Common_Remote_BaudRate, 67, Byte, "GI_Sheet_Sel_Common_Remote_BaudRate", N::LinkNone},
    {N::CL_Common_Remote_Tran, 68, Byte, OnOff, N::LinkNone},
    {N::CL_Common_Scan_PSkip, 85, 0x08, OnOff, N::LinkNone},
    {N::CL_Common_Pause_Timer, 58, Byte, "GI_Sheet_Sel_Common_PauseTimer", N::LinkNone},
    {N::CL_Common_Resume_Timer, 59, Byte, "GI_Sheet_Sel_Common_ResumeTimer", N::LinkNone},
    {N::CL_Common_Stop_Beep, 60, Byte, OnOff, N::LinkNone},
    // The weather channel is grey while the alert is off.
    {N::CL_Common_Alert, WxAlert, Byte, OnOff, N::CL_Common_WXCH},
    {N::CL_Common_Set_Expand, 53, Byte, OnOff, N::LinkNone},
    {N::CL_Common_Key_Lock, 54, Byte, "GI_Sheet_Sel_Common_Key_Lock", N::LinkNone},
    {N::CL_Common_Select_Speed, 55, Byte, OnOff, N::LinkNone},
    {N::CL_Common_Monitor_Hold, 56, Byte, "GI_Sheet_Sel_Common_Monitor_Hold", N::LinkNone},
    {N::CL_Common_Auto_Power_Off, 57, Byte, "GI_Sheet_Sel_Common_AO", N::LinkNone},
    {N::CL_Common_LCD_Contrast, 61, Byte, "GI_Sheet_Sel_Common_Contrast", N::LinkNone},
    {N::CL_Common_AF_Filter_FM, 63, Byte, OnOff, N::LinkNone},
    {N::CL_Common_AF_Filter_WFM, 64, Byte, OnOff, N::LinkNone},
    {N::CL_Common_AF_Filter_AM, 65, Byte, OnOff, N::LinkNone},
    {N::CL_Common_Charge_Type, 69, Byte, "GI_Sheet_Sel_Common_Charge_Type", N::LinkNone},
};

// The three bank link groups: which letters of the usable banks each byte holds.
struct BankLinkGroup {
    int link;
    int offset;
    int firstBank;
    int banks;
};

const BankLinkGroup BankLinkGroups[] = {
    {N::CL_Common_BankLink_AH, 120, 0, 8},
    {N::CL_Common_BankLink_IP, 121, 8, 8},
    {N::CL_Common_BankLink_QY, 122, 16, 6},
};

} // namespace

cmcCommonCells::cmcCommonCells(cmcPageData& data, cmcCellHandler& fallback,
                               cmcFBitsDialog* bankLinkDialog)
    : cmcLinkTable(fallback), lists(data.table()) {
    addListSettings(data);
    addBankLinks(data, bankLinkDialog);
    add(N::CL_Common_Remote_Address,
        std::make_unique<cmcRemoteAddressCell>(data, mm::CommonBase + RemoteAddress));
    add(N::CL_Common_WXCH, std::make_unique<cmcWxChannelCell>(data, mm::CommonBase + WxChannel,
                                                              mm::CommonBase + WxAlert));
    add(N::CL_Common_COMMENT, std::make_unique<cmcCommentCell>(data));
}

void cmcCommonCells::addListSettings(cmcPageData& data) {
    for (const ListRow& row : ListRows) {
        const cmcListSetting::Field field{mm::CommonBase + row.offset, row.mask, row.listKey};
        add(row.link, std::make_unique<cmcListSetting>(data, lists, field, row.dependentLink));
    }
}

void cmcCommonCells::addBankLinks(cmcPageData& data, cmcFBitsDialog* dialog) {
    const QByteArray letters = data.table().GetText("GI_Sys_UsableBank");
    for (const BankLinkGroup& g : BankLinkGroups)
        add(g.link, std::make_unique<cmcBankLinkCell>(data, lists, mm::CommonBase + g.offset,
                                                      letters.mid(g.firstBank, g.banks), dialog));
}
