#ifndef RUNVELLA_LOGGER_H
#define RUNVELLA_LOGGER_H

/* The device library of the Data Recorder: finds the recorder on USB HID, speaks its command
 * protocol and uploads its memory. Every function reports by its result (1 success, 0 failure)
 * and by the last-error code, unless its comment says otherwise. */

#include <stdint.h>

#if defined(__GNUC__)
#define LOGGER_API __attribute__((visibility("default")))
#else
#define LOGGER_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The string-table offset of the interface language chosen in the settings:
 * 0, 1000, 2000, 3000 or 4000; 0 for anything else or when it is not set. */
LOGGER_API int32_t GetLanguageOffset(void);

#ifdef __cplusplus
}
#endif

#endif
