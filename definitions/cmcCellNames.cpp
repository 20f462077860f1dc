#include "cmcCellNames.h"

#include "cmcFatal.h"
#include "cmcHash.h"

#include <iterator>

namespace {

const char* const categoryNames[] = {"CT_Null", "CT_PopupMenu", "CT_Conv", "CT_BankCh",
                                     "CT_Prog", "CT_Prog_Link", "CT_Amw"};

const char* const linkNames[] = {
    "CL_Null",
    "Flex0",
    "FlexSpace",
    "FlexKeyOpt",
    "CL_FlexMarking",
    "CL_Menu_File_New",
    "CL_Menu_File_Open",
    "CL_Menu_File_Save",
    "CL_Menu_File_SaveAs",
    "CL_Menu_File_Import",
    "CL_Menu_File_Export",
    "CL_Menu_File_Print_Current",
    "CL_Menu_File_Print_All",
    "CL_Menu_File_Recent",
    "CL_Menu_File_Exit",
    "CL_Menu_Edit_Top",
    "CL_Menu_View_FontSize",
    "CL_Menu_View_ToolBar",
    "CL_Menu_Port_Com",
    "CL_Menu_Port_Usb",
    "CL_Menu_Com_Speed",
    "CL_Menu_Clone_Read",
    "CL_Menu_Clone_Write",
    "CL_Menu_Clone_Info",
    "CL_Menu_Preset",
    "CL_Menu_TV",
    "CL_Model",
    "CL_Help_About",
    "CL_Help_Contents",
    "CL_Menu_Debug_Compare",
    "CL_Menu_Debug_CorrectComp",
    "CL_Menu_Debug_CautionCorrectComp",
    "CL_Menu_Debug_Window",
    "CL_Menu_Debug_EeWindow",
    "CL_EeDebugWin_Adr",
    "CL_EeDebugWin_0",
    "CL_EeDebugWin_1",
    "CL_EeDebugWin_2",
    "CL_EeDebugWin_3",
    "CL_EeDebugWin_4",
    "CL_EeDebugWin_5",
    "CL_EeDebugWin_6",
    "CL_EeDebugWin_7",
    "CL_EeDebugWin_8",
    "CL_EeDebugWin_9",
    "CL_EeDebugWin_A",
    "CL_EeDebugWin_B",
    "CL_EeDebugWin_C",
    "CL_EeDebugWin_D",
    "CL_EeDebugWin_E",
    "CL_EeDebugWin_F",
    "CallSheet",
    "CL_Check_MemoryCH0",
    "CL_Check_MemoryCH1",
    "CL_Check_MemoryCH2",
    "CL_Check_MemoryCH3",
    "CL_Check_MemoryCH4",
    "CL_Check_MemoryCH5",
    "CL_Check_MemoryCH6",
    "CL_Check_MemoryCH7",
    "CL_Check_MemoryCH8",
    "CL_Check_MemoryCH9",
    "CL_Check_MemoryCH10",
    "CL_Check_MemoryCH11",
    "CL_Check_MemoryCH12",
    "CL_Check_PEdge",
    "CL_Check_BankCHA",
    "CL_Check_BankCHB",
    "CL_Check_BankCHC",
    "CL_Check_BankCHD",
    "CL_Check_BankCHE",
    "CL_Check_BankCHF",
    "CL_Check_BankCHG",
    "CL_Check_BankCHH",
    "CL_Check_BankCHI",
    "CL_Check_BankCHJ",
    "CL_Check_BankCHK",
    "CL_Check_BankCHL",
    "CL_Check_BankCHM",
    "CL_Check_BankCHN",
    "CL_Check_BankCHO",
    "CL_Check_BankCHP",
    "CL_Check_BankCHQ",
    "CL_Check_BankCHR",
    "CL_Check_BankCHT",
    "CL_Check_BankCHU",
    "CL_Check_BankCHW",
    "CL_Check_BankCHY",
    "CL_Check_AWCH",
    "CL_CloneTop_Revision",
    "CL_CloneTop_Copyright",
    "CL_CloneInfo_Comment",
    "CL_CloneInfo_Destination",
    "CL_CloneInfo_Rx_Expansion",
    "CL_CloneInfo_FccInh",
    "CL_CloneInfo_Rev",
    "CL_CloneInfo_Esn",
    "CL_Debug_Info_Rx_Expansion",
    "CL_Debug_Info_FccInh",
    "CL_Debug_Info_Destination",
    "CL_Debug_Language",
    "CL_Debug_ICS_LOAD",
    "CL_PMenu_NoItem",
    "CL_PMenu_Edit",
    "CL_PMenu_Copy",
    "CL_PMenu_Paste",
    "CL_PMenu_CarryUp",
    "CL_PMenu_CarryDown",
    "CL_PMenu_Clear",
    "CL_PMenu_Delete",
    "CL_PMenu_Insert",
    "CL_PMenu_Help",
    "CL_PMenu_BankOff",
    "CL_FBits",
    "CL_Misc_ChNo_0Base",
    "CL_Misc_ChNo_1Base",
    "CL_Misc_QuarterPillar",
    "CL_Misc_QuarterPillarSpecial",
    "CL_Misc_ChNo_PLink",
    "CL_Mch_No",
    "CL_Mch_CH_Inh",
    "CL_Mch_Freq",
    "CL_Mch_Dup",
    "CL_Mch_Offset_Freq",
    "CL_Mch_TS_Pitch",
    "CL_Mch_Mode",
    "CL_Mch_AF_Filter",
    "CL_Mch_Att",
    "CL_Mch_Name",
    "CL_Mch_Scan_Skip",
    "CL_Mch_Tone",
    "CL_Mch_TSQL_Freq",
    "CL_Mch_DTCS",
    "CL_Mch_DTCS_Polarity",
    "CL_Mch_Canceller",
    "CL_Mch_TrainFreq",
    "CL_Mch_Vsc",
    "CL_Mch_Bank_Group",
    "CL_Mch_Bank_ChNo",
    "CL_Mch_Select_ChNo",
    "CL_Bank_Name",
    "CL_PgSrch_Name",
    "CL_PgSrch_Freq_Low",
    "CL_PgSrch_Freq_High",
    "CL_PgSrch_TS",
    "CL_PgSrch_Mode",
    "CL_PgSrch_ATT",
    "CL_PgLink_Name",
    "CL_PgLink_No",
    "CL_PgLink_Sepa1",
    "CL_PgLink_Sepa2",
    "CL_Pglink_ScanName",
    "CL_Pglink_Edge_A",
    "CL_Pglink_Edge_B",
    "CL_Common_Func_UD",
    "CL_Common_Power_Save",
    "CL_Common_Dial_Func",
    "CL_Common_Key_Beep",
    "CL_Common_Beep",
    "CL_Common_Charge_Type",
    "CL_Common_Backlight",
    "CL_Common_CH_Disp",
    "CL_Common_AM_Antenna",
    "CL_Common_FM_Antenna",
    "CL_Common_Remote_Address",
    "CL_Common_Remote_BaudRate",
    "CL_Common_Remote_Tran",
    "CL_Common_Scan_PSkip",
    "CL_Common_Bank_Link",
    "CL_Common_BankLink_AH",
    "CL_Common_BankLink_IP",
    "CL_Common_BankLink_QY",
    "CL_Common_Pause_Timer",
    "CL_Common_Resume_Timer",
    "CL_Common_Stop_Beep",
    "CL_Common_Alert",
    "CL_Common_WXCH",
    "CL_Common_Set_Expand",
    "CL_Common_Key_Lock",
    "CL_Common_Select_Speed",
    "CL_Common_Monitor_Hold",
    "CL_Common_Auto_Power_Off",
    "CL_Common_LCD_Contrast",
    "CL_Common_AF_Filter_FM",
    "CL_Common_AF_Filter_WFM",
    "CL_Common_AF_Filter_AM",
    "CL_Common_COMMENT",
    "CL_Menu_Edit_Undo",
    "CL_Menu_Edit_Redo",
};
static_assert(std::size(linkNames) == cmcCellNames::LinkCount);

struct NamedValue {
    const char* name;
    quint32 value;
};

const NamedValue colourNames[] = {
    {"clAqua", 0x00FFFF00},
    {"clBlack", 0x00000000},
    {"clBlue", 0x00FF0000},
    {"clDkGray", 0x00808080},
    {"clFuchsia", 0x00FF00FF},
    {"clGray", 0x00808080},
    {"clGreen", 0x00008000},
    {"clLime", 0x0000FF00},
    {"clLtGray", 0x00C0C0C0},
    {"clMaroon", 0x00000080},
    {"clNavy", 0x00800000},
    {"clOlive", 0x00008080},
    {"clPurple", 0x00800080},
    {"clRed", 0x000000FF},
    {"clSilver", 0x00C0C0C0},
    {"clTeal", 0x00808000},
    {"clWhite", 0x00FFFFFF},
    {"clYellow", 0x0000FFFF},
    {"clBackground", 0xFF000001},
    {"clActiveCaption", 0xFF000002},
    {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clMenuText", 0xFF000007},
    {"clWindowText", 0xFF000008},
    {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A},
    {"clInactiveBorder", 0xFF00000B},
    {"clAppWorkSpace", 0xFF00000C},
    {"clHighlight", 0xFF00000D},
    {"clHightlightText", 0xFF00000E},
    {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},
    {"clGrayText", 0xFF000011},
    {"clBtnText", 0xFF000012},
    {"clInactiveCaptionText", 0xFF000013},
    {"clBtnHighlight", 0xFF000014},
};

const NamedValue charsetNames[] = {
    {"ANSI_CHARSET", 0},      {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},      {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},   {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},   {"TURKISH_CHARSET", 162},  {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},  {"ARABIC_CHARSET", 178},   {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222},     {"EASTEUROPE_CHARSET", 238},
    {"OEM_CHARSET", 255},
};

// Both command lists share one table; filling it whole on the first lookup of either kind makes
// a name's meaning independent of which kind of name happened to be looked up first.
const cmcHash& commandNames() {
    static const cmcHash table = [] {
        cmcHash names(cmcHash::DefaultBuckets);
        for (int i = 0; i < cmcCellNames::CategoryCount; ++i)
            names.insert(categoryNames[i], i);
        for (int i = 0; i < cmcCellNames::LinkCount; ++i)
            names.insert(linkNames[i], i);
        return names;
    }();
    return table;
}

const cmcHash& colourTable() {
    static const cmcHash table = [] {
        cmcHash names(101);
        for (const NamedValue& colour : colourNames)
            names.insert(colour.name, static_cast<qint32>(colour.value));
        return names;
    }();
    return table;
}

int commandNumber(QByteArrayView name, int none, const char* complaint) {
    if (name.isEmpty())
        return none;
    if (const cmcHash::Entry* entry = commandNames().find(name))
        return entry->value;
    cmcFatal::stop(QByteArray(complaint) + "\n'" + name.toByteArray() + "'");
}

} // namespace

int cmcCellNames::categoryNumber(QByteArrayView name) {
    return commandNumber(name, CategoryNone, "Cannot use the specified category.");
}

int cmcCellNames::linkNumber(QByteArrayView name) {
    return commandNumber(name, LinkNone, "Cannot use the specified cell.");
}

QByteArray cmcCellNames::linkName(int link) {
    if (link < 0 || link >= LinkCount)
        return {};
    return linkNames[link];
}

int cmcCellNames::recordKind(int category) {
    switch (category) {
    case CT_Null:
    case CT_PopupMenu:
    case CategoryNone:
        return 0;
    case CT_Conv:
    case CT_BankCh:
    case CT_Prog:
    case CT_Prog_Link:
    case CT_Amw:
        return category - CT_Conv + 1;
    default:
        cmcFatal::stop("Unknown Cell Category.");
    }
}

std::optional<quint32> cmcCellNames::colour(QByteArrayView name) {
    if (const cmcHash::Entry* entry = colourTable().find(name))
        return static_cast<quint32>(entry->value);
    return std::nullopt;
}

std::optional<int> cmcCellNames::charset(QByteArrayView name) {
    for (const NamedValue& charset : charsetNames) {
        if (name == charset.name)
            return static_cast<int>(charset.value);
    }
    return std::nullopt;
}
