#pragma once

#include <QString>

class ProjectController;

// What the project controllers and the new-project form need of whoever holds the stored
// projects and the open one (the shell's main controller), so that they need not know it.
// The owner made last is the current one until it is gone.
class ProjectsOwner {
public:
    virtual ~ProjectsOwner()
    {
        if (s_current == this)
            s_current = nullptr;
    }

    virtual int nbProjects() const = 0;
    // Stores a new project of that model and opens it; tells whether it is open.
    virtual bool createProject(int device, const QString& name) = 0;
    virtual ProjectController* currentProject() const = 0;
    virtual void closeProject() = 0;

    // Null before an owner is made and after it is gone.
    static ProjectsOwner* current() { return s_current; }

protected:
    ProjectsOwner() { s_current = this; }

private:
    inline static ProjectsOwner* s_current = nullptr;
};
