#pragma once

#include <QAbstractListModel>
#include <QDir>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

namespace devices {
class DeviceService;
}

namespace quopral {

// One language file and the catalogue model it is for; QML hands it back to the service.
struct DeviceLanguage {
    Q_GADGET
    Q_PROPERTY(QString languageFileIdentifier MEMBER languageFileIdentifier)
    Q_PROPERTY(int ot2 MEMBER ot2)
    Q_PROPERTY(QString deviceName MEMBER deviceName)
    Q_PROPERTY(QString language MEMBER language)
    Q_PROPERTY(QString filePath MEMBER filePath)

public:
    QString languageFileIdentifier; // the file name's part after the first "_"
    int ot2 = 0;
    QString deviceName;
    QString language; // the part before it
    QString filePath;
};

// The language files ("<language>_<identifier>.txs") of a folder and its subfolders, each with
// the catalogue model its identifier names.
class DeviceLanguageList : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Created in quopral service")
    Q_PROPERTY(QStringList availableDeviceNames READ availableDeviceNames NOTIFY availableDeviceNamesChanged)

public:
    using DeviceLanguage = quopral::DeviceLanguage;

    enum Roles {
        DeviceNameRole = Qt::UserRole + 1,
        DeviceLanguageRole,
        DeviceLanguageStructRole,
    };

    DeviceLanguageList(const QDir& folder, QObject* parent = nullptr);

    // Scans the folder; files found by an earlier scan are not listed again.
    void initialize();

    QStringList availableDeviceNames() const { return m_availableDeviceNames; }
    QDir folder() const { return m_folder; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override { return m_roleNames; }

signals:
    void availableDeviceNamesChanged();

private:
    void addFile(const QString& path);
    // The language, with its subfolder when another row shows the same language of the model.
    QString shownLanguage(const DeviceLanguage& language) const;

    QDir m_folder;
    QHash<int, QByteArray> m_roleNames;
    QList<DeviceLanguage> m_languages;
    QSet<QString> m_listedPaths;
    QStringList m_availableDeviceNames;
    devices::DeviceService* m_catalogue = nullptr;
};

} // namespace quopral

Q_DECLARE_METATYPE(quopral::DeviceLanguage)
