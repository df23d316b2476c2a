#pragma once

#include <functional>

namespace logger {

class UploadProgress;

// Runs an upload's progress to its end: under the progress dialog in a program with windows,
// else (a command-line caller, or a thread of its own) the same ticks without a window.
void runUploadProgress(UploadProgress &progress);
void runUploadWithoutWindow(UploadProgress &progress);

// Tests drive the ticks themselves; an empty runner brings the usual choice back. Returns the
// runner it replaced.
using UploadRunner = std::function<void(UploadProgress &)>;
UploadRunner setUploadRunner(UploadRunner runner);

} // namespace logger
