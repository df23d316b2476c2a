#pragma once

#include "core/DeviceSessionRecord.h"
#include "core/SessionKey.h"
#include "platform/Database.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class HTMLHelp;

// The program's shared state. Preference values change only through LoadPreferences and
// the few writers their comments name.

// Start-up
inline int gLanguageOffset = 0; // 0 English, 1000 French, 2000 Spanish, 3000 German, 4000 Italian
inline bool gIsUnitedStates = true;
inline platform::db::Connection gConn;

// Copied from the preferences row by LoadPreferences. The "flag" values hold the stored
// check-box state, 0 off and 1 on.
inline int gPrimarySport = 0;
inline QString gStartOfWeek;
inline int gClipBeginning = 0; // the speed and GPS store resets this copy
inline int gClipEnd = 0;       // likewise
inline int gFilterSpikes = 0;
inline bool gUseCompression = false; // from the settings store, not the database
inline QString gPrimaryUnit;
inline QString gUnitLabel;
inline int gAlwaysClearDR = 0;
inline float gPaceMin = 0;
inline float gPaceMax = 0;
inline int gAlwaysShowPace = 0;
inline QString gComputeZonesUsing;
inline QString gPartnerUser;     // kept scrambled, as stored
inline QString gPartnerPassword; // kept scrambled, as stored
inline int gXAxisDistance = 0;

// Device receive buffers and the sessions decoded from them, reset by LoadPreferences.
inline constexpr std::size_t kDeviceBufferSize = 262145;
inline constexpr std::int32_t kDeviceBufferOffered = 131072;
inline std::vector<std::uint8_t> gDeviceBuf1;
inline std::vector<std::uint8_t> gDeviceBuf2;
inline std::int32_t gDeviceBuf1Len = 0;
inline std::int32_t gDeviceBuf2Len = 0;
inline std::vector<DeviceSessionRecord> gHrSessionRecs;
inline std::vector<DeviceSessionRecord> gGpsSessionRecs;
inline std::int32_t gHrSessionCount = 0;
inline std::int32_t gGpsSessionCount = 0;

// Main window and the windows it owns
inline bool gGraphSelectLive = true;
inline bool gUseSmoothing = false;
inline SessionKey gCurrentSessionKey = 0;
inline SessionKey gShownSessionKey = 0;
inline QString gCurrentGraph;
inline QDate gPeriodStart;
inline QDate gPeriodEnd;
inline QStringList gGraphTable; // line 0 holds the column headings
inline bool gEditExisting = false;
inline int gExportMode = 1; // 1 the program's own data file, 2 NMEA
inline HTMLHelp *gHelp = nullptr;
