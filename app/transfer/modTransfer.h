#pragma once

// The transfer from the recorder into the database.
namespace modTransfer {

// Runs one whole transfer. Its modal windows keep events flowing, so the transfer command or
// the recorder's connected message can ask again while one runs: such a request is dropped.
void TransferFromDevice();

} // namespace modTransfer
