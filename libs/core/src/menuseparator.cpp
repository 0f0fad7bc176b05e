#include "menuseparator.h"

#include <QMenu>

namespace core {

void MenuSeparator::addToMenu(QMenu* menu)
{
    menu->addSeparator();
}

} // namespace core
