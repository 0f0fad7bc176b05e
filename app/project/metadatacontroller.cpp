#include "metadatacontroller.h"

#include "channelindexes.h"
#include "projectcontroller.h"
#include "writeifchanged.h"

MetadataController::MetadataController(const storage::Project& project, ProjectController* owner)
    : BaseController(owner)
    , m_project(project) {
    connect(owner, &ProjectController::extensionModuleChanged, this,
            &MetadataController::channelIndexesChanged);
}

QList<int> MetadataController::channelIndexes() const {
    return ChannelIndexes::of(m_channelCount, m_project.extensionModule());
}

void MetadataController::setChannelCount(int count) {
    if (writeIfChanged(m_channelCount, count, [&] { m_channelCount = count; }))
        emit channelIndexesChanged();
}

void MetadataController::setProjectTitle(const QString& text) {
    if (writeIfChanged(projectTitle(), text, [&] { m_project.setProjectTitle(text); }))
        emit projectTitleChanged();
}

void MetadataController::setProjectDescription(const QString& text) {
    if (writeIfChanged(projectDescription(), text, [&] { m_project.setProjectDesc(text); }))
        emit projectDescriptionChanged();
}

void MetadataController::setClientName(const QString& text) {
    if (writeIfChanged(clientName(), text, [&] { m_project.setClientName(text); }))
        emit clientNameChanged();
}

void MetadataController::setClientAddress(const QString& text) {
    if (writeIfChanged(clientAddress(), text, [&] { m_project.setClientAddress(text); }))
        emit clientAddressChanged();
}

void MetadataController::setAuthorName(const QString& text) {
    if (writeIfChanged(authorName(), text, [&] { m_project.setAuthorName(text); }))
        emit authorNameChanged();
}

void MetadataController::setAuthorAddress(const QString& text) {
    if (writeIfChanged(authorAddress(), text, [&] { m_project.setAuthorAddress(text); }))
        emit authorAddressChanged();
}

void MetadataController::setChannelsDescription(const QStringList& texts) {
    if (writeIfChanged(channelsDescription(), texts, [&] { m_project.setChannelsDesc(texts); }))
        emit channelsDescriptionChanged();
}

void MetadataController::setDeviceChans(const QStringList& texts) {
    if (writeIfChanged(deviceChans(), texts, [&] { m_project.setDeviceChans(texts); }))
        emit deviceChansChanged();
}
