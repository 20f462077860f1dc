#include "simFault.h"

namespace {

struct Named {
    const char* name;
    simFault fault;
};

constexpr Named faults[] = {
    {"no-echo", simFault::NoEcho},
    {"bad-echo", simFault::BadEcho},
    {"silent", simFault::Silent},
    {"wrong-model", simFault::WrongModel},
    {"wrong-version", simFault::WrongVersion},
    {"bad-record", simFault::BadRecord},
    {"bad-checksum", simFault::BadChecksum},
    {"lowercase-hex", simFault::LowercaseHex},
    {"missing-block", simFault::MissingBlock},
    {"bad-count", simFault::BadCount},
    {"outside-image", simFault::OutsideImage},
    {"no-signature", simFault::NoSignature},
    {"write-nak", simFault::WriteNak},
    {"hang-up", simFault::HangUp},
};

} // namespace

std::optional<simFault> simFaultNamed(QByteArrayView name) {
    for (const Named& named : faults)
        if (name == named.name)
            return named.fault;
    return std::nullopt;
}
