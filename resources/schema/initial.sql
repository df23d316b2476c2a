-- The initial database of a new installation. Dates are ISO 8601 text:
-- "YYYY-MM-DD" for days, "YYYY-MM-DD HH:MM:SS" for start times. Booleans are 1 (true) and 0.

CREATE TABLE sessions (
    prkey            INTEGER PRIMARY KEY AUTOINCREMENT,
    Session_datetime TEXT,
    session_date     TEXT,
    session_type     INTEGER,
    Duration         REAL,
    Distance         REAL,
    distance_unit    TEXT,
    max_HR           REAL,
    avg_HR           REAL,
    max_speed        REAL,
    avg_speed        REAL,
    max_Speed_Units  INTEGER,
    avg_Speed_Units  INTEGER,
    max_pace_units   INTEGER,
    avg_pace_units   INTEGER,
    Description      TEXT DEFAULT '',
    Sport            INTEGER,
    -- Activities stored from the recorder never write this column and so carry the default.
    fromDataRecorder INTEGER DEFAULT 1,
    time_zone1       REAL,
    time_zone2       REAL,
    time_zone3       REAL,
    time_zone4       REAL,
    time_zone5       REAL,
    Graph1           NUMBER,
    Graph2           NUMBER
);

CREATE TABLE sessiondata (
    prkey         INTEGER PRIMARY KEY,
    session_prkey INTEGER,
    cum_duration  REAL,
    data_type     INTEGER,
    Hr            REAL,
    Speed         REAL,
    cum_distance  REAL,
    Altitude      REAL,
    Lat           REAL,
    Long          REAL,
    ACQStatus     NUMBER,
    TrueHeading   NUMBER,
    MagHeading    NUMBER
);

CREATE TABLE preferences (
    Primary_Sport         INTEGER,
    Start_of_Week         TEXT,
    Clip_Beginning        INTEGER,
    clip_end              INTEGER,
    Filter_Spikes         INTEGER,
    Primary_Unit          TEXT,
    alwaysClearDR         INTEGER,
    Pace_Min              REAL,
    Pace_Max              REAL,
    alwaysShowPaceonGraph INTEGER,
    computeZonesUsing     TEXT,
    trenlocrypto          TEXT,
    trenlocrypto2         TEXT,
    XAxisDistance         INTEGER,
    transfer_progress     INTEGER,
    UseSmoothing          NUMBER
);

CREATE TABLE person (
    age    REAL,
    max_hr REAL
);

CREATE TABLE zones (
    zone1low  REAL, zone1high REAL,
    zone2low  REAL, zone2high REAL,
    zone3low  REAL, zone3high REAL,
    zone4low  REAL, zone4high REAL,
    zone5low  REAL, zone5high REAL
);

CREATE TABLE sports (
    prkey       INTEGER PRIMARY KEY AUTOINCREMENT,
    Description TEXT
);

CREATE TABLE weeklyData (
    theweek       TEXT PRIMARY KEY,
    time_target   REAL,
    totalDistance REAL,
    TimeInZone1   REAL,
    TimeInZone2   REAL,
    TimeInZone3   REAL,
    TimeInZone4   REAL,
    TimeInZone5   REAL
);

CREATE TABLE dailydata (
    theday       TEXT PRIMARY KEY,
    weight       REAL,
    restingpulse REAL
);

-- The automatic import's claimed files whose activity is stored: a row lives from the commit that
-- stores the activity until the claimed file is deleted.
CREATE TABLE storedClaims (
    claim TEXT PRIMARY KEY
);

CREATE INDEX sessions_by_date ON sessions (session_date);
CREATE INDEX sessions_by_start ON sessions (Session_datetime);
CREATE INDEX sessiondata_by_session ON sessiondata (session_prkey, data_type, cum_duration);
CREATE INDEX gps_altitudes_by_session ON sessiondata (session_prkey, data_type, cum_duration, prkey, Altitude) WHERE data_type = 2;

INSERT INTO preferences (Primary_Sport, Start_of_Week, Clip_Beginning, clip_end, Filter_Spikes, Primary_Unit,
                         alwaysClearDR, Pace_Min, Pace_Max, alwaysShowPaceonGraph, computeZonesUsing,
                         trenlocrypto, trenlocrypto2, XAxisDistance, transfer_progress, UseSmoothing)
VALUES (1, 'Monday', 0, 0, 0, 'mi', 0, 5, 15, 0, 'Age', '', '', 0, 0, 0);

-- Zones follow from the age: maximum 220 - 30 = 190, zones at 50, 60, 70, 80 and 90 per cent.
INSERT INTO person (age, max_hr) VALUES (30, 190);
INSERT INTO zones VALUES (95, 113, 114, 132, 133, 151, 152, 170, 171, 190);

-- The built-in sports hold the lowest keys; the sports editor never deletes them.
INSERT INTO sports (prkey, Description) VALUES
    (1, 'General'), (2, 'Bicycling'), (3, 'Running'), (4, 'Jogging'), (5, 'Walking'), (6, 'Rowing'),
    (7, 'Kayaking'), (8, 'Skiing - downhill'), (9, 'Skiing - xc'), (10, 'Rollerblading'), (11, 'Swimming');
