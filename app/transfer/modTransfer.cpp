#include "transfer/modTransfer.h"

namespace modTransfer {
namespace {

bool transferRunning = false;

class RunningTransfer {
public:
    RunningTransfer() { transferRunning = true; }
    ~RunningTransfer() { transferRunning = false; }
    RunningTransfer(const RunningTransfer &) = delete;
    RunningTransfer &operator=(const RunningTransfer &) = delete;
};

} // namespace

void TransferFromDevice() {
    if (transferRunning)
        return;
    const RunningTransfer running;
    // The steps of a transfer are not built yet.
}

} // namespace modTransfer
