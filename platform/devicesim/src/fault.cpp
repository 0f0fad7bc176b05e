#include "devicesim/fault.h"

namespace devicesim {

Fault::Kind Fault::at(int frame) const
{
    const bool hit = persistent ? frame >= fromFrame : frame == fromFrame;
    return hit ? kind : None;
}

} // namespace devicesim
