#pragma once

// Joining the fragments of one workout that the recorder stored as separate sessions.
namespace modSplice {

// Looks at the sessions stored by this transfer (gDownloadList, gHrSessionsStored +
// gGpsSessionsStored entries), drops repeated keys, sorts them by start and offers to join each
// pair of one day that lies 60 s or less apart, asking in frmAskSplice unless the settings
// store says to always take the stored answer. Joined entries leave the list, so a chain of
// fragments becomes one activity; gFileAccessCount is the number of entries left.
// True when a join was tried: the transfer summary then says the recorder should be cleared.
bool AskSpliceFragments();

} // namespace modSplice
