#include "cmcSettingChecks.h"

#include "cmcCellObj.h"
#include "cmcGTex.h"
#include "cmcRecordRules.h"

using N = cmcCellNames;

cmcSettingChecks::cmcSettingChecks(cmcGTex& table) {
    for (const QByteArray& definition : table.listLines("GI_WarningCheckList"))
        list.push_back(lineOf(definition));
}

cmcSettingChecks::Line cmcSettingChecks::lineOf(const QByteArray& definition) {
    const std::vector<cmcCellObj> cells = cmcCellObj::parseLine(definition, nullptr, nullptr);
    Line line;
    if (cells.empty())
        return line;
    line.link = cells.front().link();
    line.callText = cells.front().argument().value_or(QByteArray());
    if (line.link >= N::CL_Check_MemoryCH0 && line.link <= N::CL_Check_MemoryCH12) {
        line.scope = MemoryGroup;
        line.index = line.link - N::CL_Check_MemoryCH0;
    } else if (line.link >= N::CL_Check_BankCHA && line.link <= N::CL_Check_BankCHY) {
        line.scope = Bank;
        line.index = line.link - N::CL_Check_BankCHA;
    } else if (line.link == N::CL_Check_PEdge) {
        line.scope = ScanEdges;
    } else if (line.link == N::CL_Check_AWCH) {
        line.scope = AutoWrite;
    }
    return line;
}

cmcSettingChecks::Result cmcSettingChecks::run(const cmcEeprom& image,
                                               const indDestination& destination) const {
    const cmcRecordRules rules(destination);
    Result result;
    for (const Line& line : list) {
        int bits = 0;
        switch (line.scope) {
        case MemoryGroup:
            bits = rules.memoryGroup(image, line.index);
            break;
        case Bank:
            bits = rules.bank(image, line.index);
            break;
        case ScanEdges:
            bits = rules.scanEdges(image);
            break;
        case AutoWrite:
            bits = rules.autoWrite(image);
            break;
        case NoScope:
            break;
        }
        result.bits.push_back(bits);
        if (bits & cmcRecordRules::Error) {
            result.errorPages.append(line.callText);
            ++result.errorLines;
        }
        if (bits & cmcRecordRules::Warning) {
            result.warningPages.append(line.callText);
            ++result.warningLines;
        }
    }
    return result;
}
