#pragma once

#include "ble/basetelegram.h"

#include <QString>

namespace ble {

// The project name the device keeps apart from its image (characteristic 18): read, or written
// with the name set. The device keeps at most MaxBytes bytes of UTF-8; a longer name is cut at a
// character boundary.
class ProjectNameTelegram : public BaseTelegram {
public:
    static constexpr int Characteristic = 18;
    static constexpr int MaxBytes = 48;

    ProjectNameTelegram();

    void setReadState() { setWrite(false); }
    void setWriteState() { setWrite(true); }
    QString projectName() const { return m_projectName; }
    void setProjectName(const QString& name) { m_projectName = name; }
    // The name as sent: UTF-8, cut to MaxBytes at a character boundary.
    static QByteArray encoded(const QString& name);

    QByteArray data() const override;
    bool fromData(const QByteArray& payload) override;
    ResponseType responseType() const override;

private:
    QString m_projectName;
};

} // namespace ble
