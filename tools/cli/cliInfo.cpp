#include "cliClone.h"
#include "cliCommands.h"
#include "cliExit.h"

#include <cstdio>

namespace {

struct Query {
    QByteArray record;
    dst_CDrv_Result result;
    bool done = false;
};

void judge(void* context, dst_CDrv_Result& result) {
    if (result.code == cmcCloneDrv::Ok)
        result.code =
            indCloneSession::checkInformation(result, static_cast<Query*>(context)->record);
}

void finished(void* context, dst_CDrv_Result& result) {
    auto* query = static_cast<Query*>(context);
    query->result = result;
    query->done = true;
}

void print(const char* key, const QByteArray& value) {
    std::printf("%s: %s\n", key, value.constData());
}

} // namespace

// Asks the receiver who it is and prints what it answered; changes nothing.
int cliInfo(const QStringList& arguments) {
    const auto options = cliClone::parse(arguments, false, false, 0);
    if (!options)
        return cliExit::usage();
    cliClone clone(*options, cliPrompt::Command::Info);
    Query query;
    clone.manager().setInformationHandler(judge, &query);
    clone.manager().setModel(indCloneMan::ModelCode, 0);
    if (!clone.manager().startInformation(finished, &query))
        return cmcCloneDrv::PortFailed;
    clone.waitIdle();
    if (!query.done || query.result.code != cmcCloneDrv::Ok)
        return query.done ? query.result.code : cmcCloneDrv::PortFailed;
    const uint8_t flags = uint8_t(query.record[18]);
    print("model", QByteArray::number(query.result.model, 16).toUpper().rightJustified(4, '0'));
    print("version",
          QByteArray::number(query.result.identifier, 16).toUpper().rightJustified(4, '0'));
    print("destination", QByteArray::number(flags & 0x0F));
    print("expansion", QByteArray::number((flags >> 5) & 1));
    print("cellular", QByteArray::number((flags >> 4) & 1));
    print("record", query.record.toHex().toUpper());
    return cliExit::Success;
}
