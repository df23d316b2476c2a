#pragma once

#include "transport/HidTransport.h"

#include <functional>
#include <memory>

namespace logger {

using TransportFactory = std::function<std::shared_ptr<HidTransport>()>;

// The library reaches the recorder through the transport this factory makes at each discovery:
// the HID stack, unless replaced; an empty factory brings the HID stack back. Returns the
// factory it replaced.
TransportFactory setTransportFactory(TransportFactory factory);

// A transport of the factory in use.
std::shared_ptr<HidTransport> makeTransport();

} // namespace logger
