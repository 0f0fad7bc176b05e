#include "quopral/devicelanguagelist.h"

#include "quoprallogging.h"

#include <devices/deviceservice.h>

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace quopral {

DeviceLanguageList::DeviceLanguageList(const QDir& folder, QObject* parent)
    : QAbstractListModel(parent)
    , m_folder(folder)
    , m_roleNames{{DeviceNameRole, "deviceName"},
                  {DeviceLanguageRole, "deviceLanguage"},
                  {DeviceLanguageStructRole, "deviceLanguageStruct"}}
{
    qRegisterMetaType<DeviceLanguage>();
    if (devices::DeviceService::hasInstance())
        m_catalogue = &devices::DeviceService::instance();
}

void DeviceLanguageList::initialize()
{
    QStringList paths;
    QDirIterator files(m_folder.path(), {QStringLiteral("*.txs")}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        paths.append(files.next());
    paths.sort(); // the same order on every file system

    beginResetModel();
    for (const QString& path : std::as_const(paths))
        addFile(path);
    endResetModel();
    emit availableDeviceNamesChanged();
}

void DeviceLanguageList::addFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isReadable())
        return;
    const QString key = file.canonicalFilePath();
    if (m_listedPaths.contains(key))
        return;
    const QStringList parts = file.completeBaseName().split(QLatin1Char('_'));
    if (parts.size() < 2)
        return;
    const QString identifier = parts.at(1);
    const int ot2 = m_catalogue ? m_catalogue->deviceOt2FromLanguageFileIdentifier(identifier) : 0;
    const QString deviceName = m_catalogue ? m_catalogue->deviceNameFromLanguageFileIdentifier(identifier) : QString();
    if (ot2 <= 0 || deviceName.isEmpty()) {
        qCWarning(quopralLog).noquote()
            << QStringLiteral("Cannot match language file identifier %1 with device name (%2) or ot2 number (%3)")
                   .arg(identifier, deviceName)
                   .arg(ot2);
        return;
    }
    m_listedPaths.insert(key);
    m_languages.append({identifier, ot2, deviceName, parts.at(0), path});
    if (!m_availableDeviceNames.contains(deviceName))
        m_availableDeviceNames.append(deviceName);
}

int DeviceLanguageList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_languages.size());
}

QVariant DeviceLanguageList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_languages.size())
        return {};
    const DeviceLanguage& language = m_languages.at(index.row());
    switch (role) {
    case DeviceNameRole:
        return language.deviceName;
    case DeviceLanguageRole:
        return shownLanguage(language);
    case DeviceLanguageStructRole:
        return QVariant::fromValue(language);
    default:
        return {};
    }
}

QString DeviceLanguageList::shownLanguage(const DeviceLanguage& language) const
{
    const auto sameRow = [&](const DeviceLanguage& other) {
        return &other != &language && other.deviceName == language.deviceName && other.language == language.language;
    };
    if (std::none_of(m_languages.cbegin(), m_languages.cend(), sameRow))
        return language.language;
    // Files of one language for one model in several subfolders: the subfolder tells them apart.
    const QString subfolder = m_folder.relativeFilePath(QFileInfo(language.filePath).path());
    if (subfolder.isEmpty() || subfolder == QLatin1String("."))
        return language.language;
    return QStringLiteral("%1 (%2)").arg(language.language, subfolder);
}

} // namespace quopral
