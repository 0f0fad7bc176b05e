#pragma once

#include "devices/ot2file.h"

#include <utils/singleton.h>

#include <QByteArray>
#include <QObject>

namespace devices {

class EepromConfiguration;

// Converts project file records to and from the device memory image. Every conversion sets
// error(): NoError on success, else why it was refused (the result is then empty or invalid).
class EepromService : public QObject, public utils::Singleton<EepromService> {
    Q_OBJECT
    Q_PROPERTY(devices::EepromService::EepromError error READ error NOTIFY errorChanged)

public:
    enum EepromError {
        NoError = 0,
        UnknownModel,     // no catalogue, or the model is not in it
        ProjectTooLarge,  // more switch times and date ranges than the model holds
        ImageTooShort,    // fewer bytes than the model's image
        EmptyMemory,      // the memory holds nothing
        LanguageImage,    // the memory holds a device language, not a project
        NotAProjectImage, // no image header
        WrongModel,       // an image of another model or memory layout
        CorruptImage,     // a checksum does not match
    };
    Q_ENUM(EepromError)

    inline static EepromService* m_instance = nullptr;

    explicit EepromService(QObject* parent = nullptr);

    void init();

    // The whole image (eepromSize() bytes) of the record, fitted to its model first; empty
    // when the model is unknown or the project has more entries than the model holds.
    Q_INVOKABLE QByteArray projectToBytes(const devices::Ot2File& file);
    // The part of that image from the settings size on: the switch times and date ranges.
    Q_INVOKABLE QByteArray projectSZToBytes(const devices::Ot2File& file);
    // The record read from an image of the model; bytes beyond the image size are ignored. An
    // invalid record when the image is refused.
    Q_INVOKABLE devices::Ot2File bytesToOt2(const QByteArray& bytes, int ot2Number);

    EepromError error() const { return m_error; }
    Q_INVOKABLE QString errorString() const;
    static QString errorString(EepromError error);

signals:
    void errorChanged();

private:
    bool configure(EepromConfiguration& configuration, int ot2Number);
    EepromError checkHeader(const QByteArray& bytes, const EepromConfiguration& configuration) const;
    void setError(EepromError error);

    EepromError m_error = NoError;
};

} // namespace devices
