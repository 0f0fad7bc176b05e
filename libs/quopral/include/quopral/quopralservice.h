#pragma once

#include "quopral/devicelanguagelist.h"
#include "quopral/languageperdevice.h"

#include <utils/singleton.h>

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace quopral {

// Turns a device language file into the memory image of its model and writes it to the time
// switch through the serial link. The folder is "./device-lang", or the one the environment
// variable TARVINO_DEVICE_LANG_DIR names.
class QuopralService : public QObject, public utils::Singleton<QuopralService> {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in tarvino app")
    Q_PROPERTY(quopral::DeviceLanguageList* deviceLanguageList READ deviceLanguageList CONSTANT)
    Q_PROPERTY(quopral::LanguagePerDevice* languagePerDevice READ languagePerDevice CONSTANT)

public:
    enum QuopralError {
        BytesTranslationError = 0,
        WriteFileError = 1,
        ReadFileError = 2,
        ExistFileError = 3,
        InvalidFileError = 4, // the file is no language file the image can hold
    };
    Q_ENUM(QuopralError)

    // One block of a language file.
    struct LanguageVersion {
        quint16 offset = 0;
        quint16 length = 0; // with its length word
        quint8 checksum = 0;
        QByteArray data;
    };

    static constexpr const char* FolderVariable = "TARVINO_DEVICE_LANG_DIR";

    inline static QuopralService* m_instance = nullptr;

    explicit QuopralService(QObject* parent = nullptr);

    DeviceLanguageList* deviceLanguageList() { return &m_list; }
    LanguagePerDevice* languagePerDevice() { return &m_filter; }

    // Scans the folder again.
    void initialize();

    // The 8-bit sum of bytes from … to (to = -1: the last byte), XOR 0xFF; 0xFF when to < from.
    static quint8 calculateChecksum(const QByteArray& bytes, int from, int to = -1);

    // The image of the file at path for the model: empty, after txsError, when it cannot be
    // made.
    QByteArray txsToBytes(int ot2, const QString& path);

public slots:
    void writeTxsOnSerial(const quopral::DeviceLanguage& deviceLanguage);

signals:
    void txsError(quopral::QuopralService::QuopralError error);

private:
    // The blocks of a file, with their tails zeroed; nothing when the blocks do not tile it.
    static std::optional<QList<LanguageVersion>> extractLanguageVersions(QByteArray& content);
    static void setTarvinoVar(QByteArray& image, const unsigned char& ot2);

    DeviceLanguageList m_list;
    LanguagePerDevice m_filter;
};

} // namespace quopral
