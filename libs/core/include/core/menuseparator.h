#pragma once

#include <core/abstractmenuitem.h>

namespace core {

class MenuSeparator : public AbstractMenuItem {
    Q_OBJECT
    QML_ELEMENT

public:
    using AbstractMenuItem::AbstractMenuItem;
    void addToMenu(QMenu* menu) override;
};

} // namespace core
