// Answers of the cloud: every reader of the network layer takes the same body.

#include "support/fuzzapplication.h"

#include <network/cloudanswer.h>

#include <cstdlib>

using network::CloudAnswer;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray body = FuzzApplication::bytes(data, size);
    CloudAnswer::textMember(body, "accessToken");
    CloudAnswer::textMember(body, "gatewayToken");
    const int result = CloudAnswer::uploadResult(body);
    if (result < -1 || result > 3)
        abort();
    for (const network::Gateway& gateway : CloudAnswer::gateways(body)) {
        if (gateway.isValid() == gateway.serial().isEmpty())
            abort();
        gateway.name();
        gateway.type();
    }
    CloudAnswer::failure(body);
    return 0;
}
