#pragma once

#include "basecontroller.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <storage/project.h>

class ProjectController;

// The descriptive data of the open project for the project information view: title,
// description, client and author, a text per channel, the names the device shows, and the
// channels the view has a row for.
class MetadataController : public BaseController {
    Q_OBJECT
    Q_PROPERTY(QList<int> channelIndexes READ channelIndexes NOTIFY channelIndexesChanged)
    Q_PROPERTY(QString projectTitle READ projectTitle WRITE setProjectTitle NOTIFY projectTitleChanged)
    Q_PROPERTY(QString projectDescription READ projectDescription WRITE setProjectDescription NOTIFY
                   projectDescriptionChanged)
    Q_PROPERTY(QString filename READ filename NOTIFY filenameChanged)
    Q_PROPERTY(QDateTime lastChange READ lastChange NOTIFY lastChangeChanged)
    Q_PROPERTY(QString clientName READ clientName WRITE setClientName NOTIFY clientNameChanged)
    Q_PROPERTY(QString clientAddress READ clientAddress WRITE setClientAddress NOTIFY clientAddressChanged)
    Q_PROPERTY(QString authorName READ authorName WRITE setAuthorName NOTIFY authorNameChanged)
    Q_PROPERTY(QString authorAddress READ authorAddress WRITE setAuthorAddress NOTIFY authorAddressChanged)
    Q_PROPERTY(QStringList channelsDescription READ channelsDescription WRITE setChannelsDescription NOTIFY
                   channelsDescriptionChanged)
    Q_PROPERTY(QStringList deviceChans READ deviceChans WRITE setDeviceChans NOTIFY deviceChansChanged)

public:
    // The list follows the owner's extension module.
    MetadataController(const storage::Project& project, ProjectController* owner);

    // The model's channels and, with the extension module, 4 to 7; each once, ascending.
    QList<int> channelIndexes() const;
    QString projectTitle() const { return m_project.projectTitle(); }
    QString projectDescription() const { return m_project.projectDesc(); }
    QString filename() const { return m_filename; }
    QDateTime lastChange() const { return m_lastChange; }
    QString clientName() const { return m_project.clientName(); }
    QString clientAddress() const { return m_project.clientAddress(); }
    QString authorName() const { return m_project.authorName(); }
    QString authorAddress() const { return m_project.authorAddress(); }
    QStringList channelsDescription() const { return m_project.channelsDesc(); }
    QStringList deviceChans() const { return m_project.deviceChans(); }

    void setChannelCount(int count);
    void setProjectTitle(const QString& text);
    void setProjectDescription(const QString& text);
    void setClientName(const QString& text);
    void setClientAddress(const QString& text);
    void setAuthorName(const QString& text);
    void setAuthorAddress(const QString& text);
    void setChannelsDescription(const QStringList& texts);
    void setDeviceChans(const QStringList& texts);

signals:
    void channelIndexesChanged();
    void projectTitleChanged();
    void projectDescriptionChanged();
    void filenameChanged();
    void lastChangeChanged();
    void clientNameChanged();
    void clientAddressChanged();
    void authorNameChanged();
    void authorAddressChanged();
    void channelsDescriptionChanged();
    void deviceChansChanged();

private:
    int m_channelCount = 1;
    QString m_filename;
    QDateTime m_lastChange;
    storage::Project m_project;
};
