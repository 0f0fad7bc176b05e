#pragma once

#include "gateway.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace network {

// Reads the bodies the cloud answers with (docs/cloud-protocol.md). Every reader takes any bytes:
// what is no JSON, or lacks the member, reads as empty.
class CloudAnswer {
public:
    // The "error" text of a failure answer and the message under "originalError"/"details".
    struct Failure {
        QString error;
        QString message;
    };

    CloudAnswer() = delete;

    // The text member of an object answer ("accessToken", "gatewayToken").
    static QString textMember(const QByteArray& body, const char* member);
    // The "result" code of an upload, 0 to 3; -1 when missing, no whole number or out of range.
    static int uploadResult(const QByteArray& body);
    // The entries of the gateway list, each read as Gateway reads an object.
    static QList<Gateway> gateways(const QByteArray& body);
    // Empty texts when the answer has no "error".
    static Failure failure(const QByteArray& body);
};

} // namespace network
