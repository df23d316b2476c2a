#pragma once

#include "LibraryState.h"
#include "SimulatedRecorder.h"
#include "logger.h"
#include "transport/HidDevice.h"
#include "transport/TransportFactory.h"
#include "upload/OfflineImage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace testing {

// The library as just loaded, with a simulated recorder on its bus, no offline image beside
// it, and its message boxes off (so that any box shown would fail the test).
class RecorderTest : public Test {
protected:
    void SetUp() override {
        logger::setTransportFactory([r = recorder] { return r; });
        logger::setOfflineImageFolder(imageFolder.path());
        logger::loadLibraryState();
        SuppressInternalBoxes();
    }

    void TearDown() override {
        logger::setTransportFactory({});
        logger::setOfflineImageFolder({});
        logger::loadLibraryState();
    }

    std::shared_ptr<SimulatedRecorder> recorder = std::make_shared<SimulatedRecorder>();
    QTemporaryDir imageFolder;
};

} // namespace testing
