#pragma once

#include <devices/device.h>
#include <devices/ot2file.h>

namespace projectfixture {

// A project for the model with every field set away from its default and the model's memory
// full of switch times (every kind) and date ranges (every type), fitted to the model.
devices::Ot2File fullProject(const devices::Device& device);

// What a record reads back as from the memory image: the fields the image does not hold take
// their defaults.
devices::Ot2File imageView(const devices::Ot2File& file, const devices::Device& device);

} // namespace projectfixture
