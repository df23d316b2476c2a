#pragma once

enum class StoreOutcome {
    Stored,        // a new activity with its samples
    Joined,        // speed and GPS samples added to the heart-rate activity of the same start
    AlreadyStored, // an activity with this start exists; nothing written
    Empty,         // the session holds no samples (time marks only, say): nothing to store
    Failed,        // nothing written; the user has been told why
};

// What a session store did.
struct StoreResult {
    StoreOutcome outcome;

    bool stored() const { return outcome == StoreOutcome::Stored || outcome == StoreOutcome::Joined; }
};
