#include "transport/TransportFactory.h"

#include "transport/HidDevice.h"
#include "transport/HidapiTransport.h"

#include <utility>

namespace logger {
namespace {

TransportFactory &transportFactory() {
    static TransportFactory factory = [] { return makeHidapiTransport(); };
    return factory;
}

} // namespace

TransportFactory setTransportFactory(TransportFactory factory) {
    CloseHidDevice();
    return std::exchange(
        transportFactory(), factory ? std::move(factory) : [] { return makeHidapiTransport(); });
}

std::shared_ptr<HidTransport> makeTransport() {
    return transportFactory()();
}

} // namespace logger
