#pragma once

#include "trfunctions.h"

#include <QObject>
#include <QString>

class ProjectsOwner;

// The new-project form: the proposed name, the chosen model and the form's choices. The main
// controller makes one each time the form opens; the view owns it.
class ProjectCreationViewController : public QObject, public TrFunctions {
    Q_OBJECT
    Q_INTERFACES(TrFunctions)
    Q_PROPERTY(QString projectName READ projectName WRITE setProjectName NOTIFY projectNameChanged)
    Q_PROPERTY(int channelNumber READ channelNumber WRITE setChannelNumber NOTIFY channelNumberChanged)
    Q_PROPERTY(ProgramType programType READ programType WRITE setProgramType NOTIFY programTypeChanged)
    Q_PROPERTY(int deviceOt2Number READ deviceOt2Number WRITE setdeviceOt2Number NOTIFY deviceOt2NumberChanged)

public:
    enum ProgramType { Zeitschaltprogramm = 1, Astroprogram = 2, Noctaprogramm = 3 };
    Q_ENUM(ProgramType)

    explicit ProjectCreationViewController(ProjectsOwner* owner);
    ~ProjectCreationViewController() override;

    QString projectName() const { return m_projectName; }
    int channelNumber() const { return m_channelNumber; }
    ProgramType programType() const { return m_programType; }
    int deviceOt2Number() const { return m_deviceOt2Number; }

    void setProjectName(const QString& projectName);
    void setChannelNumber(int channelNumber);
    void setProgramType(ProgramType programType);
    void setdeviceOt2Number(int deviceOt2Number);

public slots:
    // Creates the project of the chosen model and name.
    bool createProject();

signals:
    void projectNameChanged(const QString& projectName);
    void channelNumberChanged(int channelNumber);
    void programTypeChanged(ProgramType programType);
    void deviceOt2NumberChanged(int deviceOt2Number);

private:
    ProjectsOwner* m_owner;
    QString m_projectName;
    int m_channelNumber = 1;
    ProgramType m_programType = Zeitschaltprogramm;
    int m_deviceOt2Number = 0;
};
