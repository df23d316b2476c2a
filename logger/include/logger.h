#ifndef RUNVELLA_LOGGER_H
#define RUNVELLA_LOGGER_H

/* The device library of the Data Recorder: finds the recorder on USB HID, speaks its command
 * protocol and uploads its memory. Every function reports by its result (1 success, 0 failure)
 * and by the last-error code, unless its comment says otherwise.
 *
 * Last-error codes: 0 success, 1 device not found or no reply, 2 read failed or communication
 * terminated, 3 bad reply, 4 write failed, 5 not connected, 6 result buffers too small (or, for
 * ReadData and WriteData, address outside the accessible range), 7 upload error, 8 upload
 * cancelled, 9 nothing to upload, upload interrupted or counts unavailable, 10 no valid data,
 * 11 read timed out.
 *
 * One caller thread; the status, clock, memory and test functions find the recorder anew on
 * every call, the upload functions need ConnectToDevice first. While an upload runs (its
 * progress dialog lets the caller's other windows run) it alone speaks to the recorder: the
 * other functions find none, as when it is unplugged, ReleaseDevice leaves the upload's own
 * handle to it, and only TerminateDeviceComm acts on the upload. Message boxes and the progress
 * dialog appear only on the thread of a Qt widget application; any other caller gets the same
 * results and codes without them. */

#include <stdint.h>

#if defined(__GNUC__)
#define LOGGER_API __attribute__((visibility("default")))
#else
#define LOGGER_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Connection and state */

/* Prepares the result buffers and finds the recorder (or the offline image "drromimage.bin"
 * beside the library). 1 when found, 0 when not (code 5) or when it did not answer (code 2). */
LOGGER_API int32_t ConnectToDevice(void);
/* Closes the recorder and frees the result buffers: 1 when it was connected, else 0. */
LOGGER_API int32_t ReleaseDevice(void);
LOGGER_API int32_t GetLastDeviceError(void);
/* Switch the library's own failure message boxes off and on; they are on after loading. */
LOGGER_API void SuppressInternalBoxes(void);
LOGGER_API void EnableInternalBoxes(void);
/* The string-table offset of the interface language chosen in the settings:
 * 0, 1000, 2000, 3000 or 4000; 0 for anything else or when it is not set. */
LOGGER_API int32_t GetLanguageOffset(void);

/* Upload. Lengths are capacities on entry and bytes used on return; after code 6 they hold
 * the sizes needed, and GetDeviceData called again with such buffers delivers the kept result.
 * A missing length (or a missing buffer with room claimed in it) gives 0 with code 6.
 * When the recorder's memory holds a session that cannot be decoded, GetDeviceData and
 * GetRawData deliver the whole sessions before it: result 1 with code 7 (0 with code 7 when
 * there are none). */
LOGGER_API int32_t GetDeviceData(uint8_t *buffer1, uint32_t *length1, uint8_t *buffer2, uint32_t *length2);
LOGGER_API int32_t GetRawData(uint8_t *buffer1, uint32_t *length1, uint8_t *buffer2, uint32_t *length2);
LOGGER_API int32_t GetEEPROMData(uint8_t *buffer, uint32_t *length);
/* The counters of the last finished upload; 0 with code 9 before one. */
LOGGER_API int32_t GetPacketErrorCount(uint32_t *primaryOtherBytes, uint32_t *primaryZeroBytes,
                                       uint32_t *primaryFourBytes, uint32_t *secondaryRecords,
                                       uint32_t *secondary12RecordsNotFour, uint32_t *secondary12RecordsFour);
/* Stops an upload in progress: 1 when the recorder was found (code 2), else 0. */
LOGGER_API int32_t TerminateDeviceComm(void);

/* Memory. mode nonzero: the configuration area (its accessible range depends on the firmware);
 * 0: the main memory, at most 255 bytes per read. Result: the code 0, 2, 5 or 6. */
LOGGER_API int32_t ReadData(const uint32_t *mode, const uint32_t *address, const uint32_t *count,
                            uint8_t *data);
LOGGER_API int32_t WriteData(const uint32_t *mode, const uint32_t *address, const uint32_t *count,
                             const uint8_t *data);

/* Status flags: the readers give 0 or 1 (0 also when the recorder cannot be read); the
 * writers give the code of the write, or 0 where the firmware has no such flag. */
LOGGER_API int32_t GetRGStatus(void);
LOGGER_API int32_t SetRGStatus(void);
LOGGER_API int32_t ClearRGStatus(void);
LOGGER_API int32_t IsLowBattery(void);
LOGGER_API int32_t SetCompression(void);
LOGGER_API int32_t ClearCompression(void);
LOGGER_API int32_t IsCompressed(void);

/* Commands */

/* The six-digit firmware version of the part chosen by selector (1 or 2); 0 on failure. */
LOGGER_API int32_t GetDeviceVersion(int32_t selector);
/* Bytes of recorded data; 0 when there is none. */
LOGGER_API int32_t GetDeviceDataSize(void);
LOGGER_API int32_t ClearDeviceMemory(void);
/* Sets the recorder's clock to the computer's local time. */
LOGGER_API int32_t SyncDeviceTime(void);
/* Sets the recorder's clock; year 0-99 counts from 2000, month 1-12, day 1-31. Values above
 * their range are limited. */
LOGGER_API int32_t SetDeviceTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                                 int32_t second);
/* Self tests: 1 when the recorder answered the test. */
LOGGER_API int32_t TestDeviceROM(int32_t selector);
LOGGER_API int32_t TestDeviceRAM(int32_t selector);
LOGGER_API int32_t TestDeviceEEPROM(void);
/* The manufacturing option byte. */
LOGGER_API int32_t ReadDeviceBondOption(void);
LOGGER_API int32_t ChangeDeviceBondOption(int32_t value);
LOGGER_API int32_t ResetDeviceBondOption(void);

#ifdef __cplusplus
}
#endif

#endif
