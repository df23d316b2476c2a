#pragma once

#include "HidTransport.h"

#include <string>
#include <vector>

struct hid_device_info;

namespace logger {

// Paths of the recorders in an enumeration, in its order.
std::vector<std::string> recorderPaths(const hid_device_info *enumeration);

} // namespace logger
