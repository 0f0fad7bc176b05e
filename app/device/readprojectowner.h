#pragma once

#include <QString>

#include <devices/ot2file.h>

// Who takes a project read from a device: the shell's main controller stores it under the name and
// opens it, and tells whether it did.
class ReadProjectOwner {
public:
    virtual ~ReadProjectOwner() = default;
    virtual bool openReadProject(const QString& name, const devices::Ot2File& file) = 0;
};
