// Machine-readable FTP listings (MLSD) and the certificate information of a connection. The first
// byte picks the entry type the listing is filtered by; the rest is the listing, and its lines are
// read as certificate information too. A filtered listing is the part of the whole one of that type.

#include "support/fuzzapplication.h"

#include <encrypter/certificateinfo.h>
#include <encrypter/ftpfileinfo.h>

#include <cstdlib>

using encrypter::FtpFileInfo;

namespace {

void readCertificate(const QByteArray& bytes) {
    const QList<QString> lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    const encrypter::CertificateInfo info(lines);
    info.subject();
    info.version();
    info.startDate();
    info.expirationDate();
    info.publicKeyLength();
    info.certificate();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const auto type = static_cast<FtpFileInfo::FileType>(data[0] % (FtpFileInfo::All + 1));
    const QByteArray bytes = FuzzApplication::bytes(data + 1, size - 1);
    const QList<FtpFileInfo> all = FtpFileInfo::listing(bytes, FtpFileInfo::All);
    const QList<FtpFileInfo> filtered = FtpFileInfo::listing(bytes, type);
    qsizetype ofType = 0;
    for (const FtpFileInfo& entry : all) {
        if (!entry.isValid() || entry.name().isEmpty())
            abort();
        entry.modificationDate();
        if (type == FtpFileInfo::All || entry.type() == type)
            ++ofType;
    }
    if (filtered.size() != ofType)
        abort();
    readCertificate(bytes);
    return 0;
}
