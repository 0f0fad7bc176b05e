#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The Qt application every fuzz target runs in, made once per process. It runs on the offscreen
// platform and drops Qt's messages: a reader warns about every bad input, and the warnings would
// cost more time than the reading.
class FuzzApplication {
public:
    enum Kind { Core, Gui };

    static void start(int* argc, char*** argv, Kind kind);
    // The input as bytes, without a copy; valid while the input is.
    static QByteArray bytes(const uint8_t* data, size_t size);
    // A file in the process's own temporary folder holding the bytes; empty when it cannot be written.
    static QString writeFile(const QString& name, const QByteArray& bytes);
};
