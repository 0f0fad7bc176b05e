// Device replies as the Bluetooth LE link delivers them: packets (each a length byte and that
// many bytes) joined into frames, and every complete frame offered to every kind of telegram.
// A complete frame, built again from its code and payload, is the same frame.

#include "support/fuzzapplication.h"

#include <ble/eepromcommittelegram.h>
#include <ble/eepromreadtelegram.h>
#include <ble/eepromstarttelegram.h>
#include <ble/eepromwritetelegram.h>
#include <ble/frame.h>
#include <ble/frameassembler.h>
#include <ble/projectnametelegram.h>
#include <ble/readactivebankaddress.h>
#include <ble/readtelegram.h>

#include <cstdlib>

namespace {

void offerToTelegrams(const QByteArray& frame) {
    const int characteristic = ble::Frame::code(frame) - 1;
    ble::ReadTelegram shortRead(characteristic, true);
    ble::ReadTelegram longRead(characteristic, false);
    ble::ProjectNameTelegram name;
    ble::ReadActiveBankAddress bank;
    ble::EepromStartTelegram start(0, 0x100, true);
    ble::EepromCommitTelegram commit;
    ble::EepromWriteTelegram write;
    write.setPacket(std::max(0, ble::TransferTelegram::replyAddress(frame)), QByteArray(16, '\0'));
    ble::EepromReadTelegram read;
    read.setRange(std::max(0, ble::TransferTelegram::replyAddress(frame)), static_cast<int>(ble::Frame::payload(frame).size()));
    for (ble::BaseTelegram* telegram : std::initializer_list<ble::BaseTelegram*>{
             &shortRead, &longRead, &name, &bank, &start, &commit, &write, &read}) {
        telegram->bytes();
        telegram->parseTelegram(frame);
    }
    name.projectName();
    bank.bankAddress();
    read.readBytes();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzApplication::start(argc, argv, FuzzApplication::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ble::FrameAssembler assembler;
    size_t at = 0;
    while (at < size) {
        const size_t length = std::min<size_t>(data[at], size - at - 1);
        const QByteArray packet(reinterpret_cast<const char*>(data + at + 1), static_cast<qsizetype>(length));
        at += length + 1;
        if (assembler.append(packet) != ble::FrameAssembler::Complete)
            continue;
        const QByteArray frame = assembler.frame();
        if (ble::Frame::build(ble::Frame::code(frame), ble::Frame::payload(frame)) != frame)
            abort();
        ble::Frame::errorNumber(frame);
        ble::Frame::isNak(frame);
        offerToTelegrams(frame);
    }
    return 0;
}
