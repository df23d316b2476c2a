#pragma once

#include <cstdint>

// The transfer from the recorder into the database.
namespace modTransfer {

// Runs one whole transfer: the recorder's battery and storage checks, the upload, the storing
// of every new session, the summary, the optional clearing, the clock and the release. Its
// modal windows keep events flowing, so the transfer command or the recorder's connected
// message can ask again while one runs: such a request is dropped. Never throws.
void TransferFromDevice();

// Writes the transfer's checkpoint into preferences.transfer_progress: anything but 0 at the
// next start means a transfer never came to its end. A checkpoint that cannot be written is
// ignored.
void SaveTransferProgress(std::int16_t checkpoint);

} // namespace modTransfer
