#pragma once

#include <QString>

// A memory image file beside the library stands in for a recorder, for trying the program
// without one.
namespace logger {

inline constexpr const char *kOfflineImageName = "drromimage.bin";

// The folder that holds the library's own code.
QString libraryFolder();

// Where the image is looked for: beside the library, or in the folder given for tests.
QString offlineImagePath();
void setOfflineImageFolder(const QString &folder); // empty: beside the library again

bool offlineImageExists();

} // namespace logger
