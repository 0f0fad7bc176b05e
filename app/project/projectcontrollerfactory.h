#pragma once

namespace storage {
class Project;
}
class ProjectController;

// Makes the project controller of the class a project's device model gets.
class ProjectControllerFactory {
public:
    enum class ControllerKind { Project, Astro, Nocta, Controls, Hybrid };

    // By the model's device type: 1 astronomic, 2 twilight, 3 controls; any other type is hybrid
    // when the model lets the user choose the channel types, else plain.
    static ControllerKind controllerKind(int device);

    // A new controller of the kind the project's model gets, without parent; null for a null
    // project.
    static ProjectController* create(const storage::Project& project);
};
