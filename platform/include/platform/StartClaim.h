#pragma once

#include "platform/LocalMessage.h"

#include <QString>

#include <chrono>

// Which start of the program owns the data folder (RUNVELLA_HOME's when that is set), with its
// database and its automatic import folder: the first start to claim it, for as long as it holds
// the claim. Every later start hands its request over instead of touching the folder. The claim
// is a lock on its lock file, and on the folder itself where the file system can lock a folder;
// the system lets go of both when the process ends, however it ends.
namespace platform::instance {

class Claim {
public:
    enum class State {
        Held,        // this start owns the data folder
        HeldByOther, // another start owns it
        Unavailable, // the claim's file cannot be made or locked, so no start can hold it
    };

    // Claims the data folder without waiting, making the folder when it is missing.
    static Claim take();
    // Whether another start holds the data folder now; looks without making anything or keeping
    // a lock.
    static bool isHeldByAnother();

    Claim(Claim &&other) noexcept;
    Claim &operator=(Claim &&other) noexcept;
    Claim(const Claim &) = delete;
    Claim &operator=(const Claim &) = delete;
    ~Claim();

    State state() const { return state_; }
    // Lets go of the claim before the object ends.
    void release();

private:
    Claim(int folder, int file, State state) : folder_(folder), file_(file), state_(state) {}

    int folder_;
    int file_;
    State state_;
};

struct HandOver {
    localmessage::Delivery delivery; // of the last text sent; Taken when another start has it
    Claim claim;                     // Held when this start owns the folder
};

// Claims the data folder, or else sends the text to the start that holds the claim, over the
// local socket of the name, until that start answers that it took the text. A start that is
// still starting, or that is closing and refuses the text, is waited for; when it ends first, the
// claim is taken instead. Neither within the patience: the claim is not held, and the delivery
// says why the text was not taken. A place where no socket can be is told at once, and a folder
// that no start can claim gets one try at sending, since no start is worth waiting for.
HandOver claimOrHandOver(const QString &socketName, const QString &text, std::chrono::milliseconds patience);

// Sends the text to the start that holds the data folder, waiting as claimOrHandOver does for one
// that is still starting, but claims nothing and makes nothing: where there is no data folder, no
// start is there to take the text.
localmessage::Delivery handOver(const QString &socketName, const QString &text,
                                std::chrono::milliseconds patience);

} // namespace platform::instance
