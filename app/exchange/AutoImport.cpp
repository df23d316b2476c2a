#include "exchange/AutoImport.h"

#include "core/modLocalisation.h"
#include "exchange/DataFileImport.h"
#include "exchange/StoredClaims.h"
#include "platform/Dialogs.h"
#include "platform/FileState.h"
#include "platform/FolderAccess.h"
#include "platform/Paths.h"
#include "platform/WallClock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace exchange {
namespace {

using platform::dialogs::Answer;
using platform::dialogs::Buttons;
using platform::dialogs::Icon;

const QString kPlaceholder = QStringLiteral("%X");

void show(const QString &text) {
    platform::dialogs::message(text, QStringLiteral("Runvella"), Icon::Information);
}

// The first free name of run.cs_, run-2.cs_, run-3.cs_ ...
QString setAsideName(const QString &path) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().chopped(1) + '_';
    QString candidate = path.chopped(1) + '_';
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = file.dir().filePath(file.completeBaseName() + '-' + QString::number(n) + '.' + suffix);
    return candidate;
}

// Renames the file so that the next run passes it over, and says so.
void setAside(const QString &path) {
    const QString renamed = setAsideName(path);
    if (!QFile::rename(path, renamed))
        return; // it stays and is tried again at the next start
    show(modLocalisation::LoadResString(1633).replace(kPlaceholder, renamed));
}

void askAboutDamaged(const QString &path, const QString &lineAndReason) {
    const QString question =
        modLocalisation::LoadResString(1631).replace(kPlaceholder, path) + "\n\n" + lineAndReason;
    if (platform::dialogs::message(question, QStringLiteral("Runvella"), Icon::Question, Buttons::YesNo) ==
            Answer::Yes &&
        QFile::remove(path)) {
        show(modLocalisation::LoadResString(1632));
        return;
    }
    setAside(path);
}

// A file being imported carries after its name the moment it was claimed and this, from before
// its activity is stored until it is deleted, so that an import stopped at any moment (a kill, a
// crash, a power cut) is finished by the next one without storing the activity twice: the claim
// is recorded with its activity, so that the next import tells from the record alone whether this
// file was stored, however alike other files and activities are. The moment is the start of a file
// that gives none.
const QString kClaimed = QStringLiteral(".claimed");
// Older versions kept no record: their claims are taken as stored when an activity of the same
// start, duration and distance is.
const QString kOlderClaim = QStringLiteral(".importing");
const QString kMomentFormat = QStringLiteral("yyyyMMdd-HHmmss");
const QRegularExpression kNameAndMoment(QStringLiteral("^(.*)\\.(\\d{8}-\\d{6})$"));
// The files that an import takes: data files and the claims of stopped imports. Name filters
// ignore case.
const QStringList kTaken = {QStringLiteral("*.csv"), '*' + kClaimed, '*' + kOlderClaim};

struct Claim {
    QString path;     // the claimed file
    QString original; // the file's name before it was claimed
    QDateTime moment; // none in the claims of older versions that did not keep it
    bool recorded;    // this version's claim, whose stored activity is recorded
};

Claim claimOf(const QString &claimed) {
    const bool recorded = claimed.endsWith(kClaimed);
    const QString name = claimed.chopped((recorded ? kClaimed : kOlderClaim).size());
    const QRegularExpressionMatch nameAndMoment = kNameAndMoment.match(name);
    if (!nameAndMoment.hasMatch())
        return {claimed, name, {}, recorded};
    const QString moment = nameAndMoment.captured(2);
    return {claimed, nameAndMoment.captured(1),
            platform::clock::atWallClock(QDate::fromString(moment.left(8), QStringLiteral("yyyyMMdd")),
                                         QTime::fromString(moment.mid(9), QStringLiteral("HHmmss"))),
            recorded};
}

// The files that a start could not claim, with the system's reason, to be named once.
using Refusals = QStringList;

// Nothing when the file could not be claimed; it is then tried again at the next start, and unless
// it has gone meanwhile, the refusal is kept for the athlete. The claim is read back from its name,
// so that a first import and one that finishes it agree on the moment.
std::optional<Claim> claim(const QString &path, Refusals &refusals) {
    const QString claimed = path + '.' + QDateTime::currentDateTime().toString(kMomentFormat) + kClaimed;
    if (const QFileInfo other(claimed); other.exists() || other.isSymLink())
        return std::nullopt; // never in another file's place
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(claimed).constData()) != 0) {
        const int error = errno;
        if (error != ENOENT)
            refusals << path + '\n' + qt_error_string(error);
        return std::nullopt;
    }
    return claimOf(claimed);
}

// A folder that the program may change can still hold files that it may not, such as another
// user's in a shared folder whose sticky bit keeps them.
void tellRefusals(const Refusals &refusals) {
    if (!refusals.isEmpty())
        platform::dialogs::listMessage(modLocalisation::LoadResString(1986), refusals,
                                       QStringLiteral("Runvella"), Icon::Warning);
}

// Imports a claimed file. Once its activity is stored the file goes, before the athlete is told,
// and then the record of its claim; any other outcome gives the file its own name back.
void importClaimed(const Claim &claim) {
    const QString &claimed = claim.path;
    const QString &path = claim.original;
    const QString name = QFileInfo(claimed).fileName();
    bool stored = false;
    QString damage;
    const auto letGo = [&] {
        stored = true;
        // One that stays is found stored at the next start.
        if (QFile::remove(claimed) && claim.recorded)
            ForgetStoredClaim(name);
    };
    auto giveBack = qScopeGuard([&] {
        if (!stored)
            QFile::rename(claimed, path);
    });
    if (claim.recorded && IsClaimStored(name)) {
        letGo();
        return;
    }
    const auto record = [&] {
        if (claim.recorded)
            RecordStoredClaim(name);
    };
    switch (ImportFile(claimed,
                       {.unlessStored = !claim.recorded,
                        .storing = record,
                        .stored = letGo,
                        .knownAs = path,
                        .startWhenNone = claim.moment,
                        .damaged = [&damage](const QString &lineAndReason) { damage = lineAndReason; }})) {
    case ImportOutcome::Imported:
    case ImportOutcome::Unreadable: // given back, to be read at the next start
    case ImportOutcome::Changed:    // given back quietly: it is still being written
    case ImportOutcome::HeldForWriting:
        break;
    case ImportOutcome::AlreadyStored:
        letGo();
        break;
    case ImportOutcome::NotDataFile:
    case ImportOutcome::NotRegularFile:
        giveBack.dismiss();
        setAside(QFile::rename(claimed, path) ? path : claimed);
        break;
    case ImportOutcome::Damaged:
        giveBack.dismiss();
        askAboutDamaged(QFile::rename(claimed, path) ? path : claimed, damage);
        break;
    }
}

// A file changed less than this long ago may still be being written (a slow copy, a program that
// writes it line by line); a last change further ahead than this was set on purpose.
constexpr std::chrono::seconds kSettling{2};

// Compared in whole seconds first, so that a last change centuries away overflows nothing.
bool changedLately(const platform::files::FileTime &modified) {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const std::int64_t nowSeconds = duration_cast<seconds>(now).count();
    if (modified.seconds < nowSeconds - kSettling.count() - 1 ||
        modified.seconds > nowSeconds + kSettling.count())
        return false;
    return abs(seconds(modified.seconds) + nanoseconds(modified.nanoseconds) - now) < kSettling;
}

// An ordinary file that may still be being written is left for a later start, rather than
// waited for: a writer that appends for hours must not hold up the start. One that a program
// holds open for writing is left by the import itself, however long ago it last changed.
bool mayStillBeWritten(const QString &path) {
    const auto state = platform::files::stateOf(path);
    return state && state->regular && changedLately(state->modified);
}

} // namespace

void ImportAutomatically() {
    const QDir folder(platform::paths::autoImportDir());
    // Such a folder would look empty, and the records of its claims would be forgotten. One that
    // is seen to hold no file to import, only those set aside earlier, has nothing to tell.
    if (const auto refusal = platform::files::whyFilesCannotBeTaken(folder.path())) {
        if (!folder.isReadable() || !folder.entryList(kTaken, QDir::Files).isEmpty())
            platform::dialogs::message(
                modLocalisation::LoadResString(1984).replace(kPlaceholder, folder.path()) + "\n\n" + *refusal,
                QStringLiteral("Runvella"), Icon::Warning);
        return;
    }
    // The list is taken once, before a stopped import gives a file its name back, so that each
    // file is tried once whatever becomes of it.
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    ForgetStoredClaimsBut(folder.entryList({'*' + kClaimed}, QDir::Files));
    // An import that was stopped left its file claimed: it is finished, or when it had stored its
    // activity already, the file only goes.
    for (const QString &name : folder.entryList({'*' + kClaimed, '*' + kOlderClaim}, QDir::Files, QDir::Name))
        importClaimed(claimOf(folder.filePath(name)));
    Refusals refusals;
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        if (!name.toUpper().endsWith(QLatin1String(".CSV")) || mayStillBeWritten(path))
            continue;
        if (const auto claimed = claim(path, refusals))
            importClaimed(*claimed);
    }
    tellRefusals(refusals);
}

} // namespace exchange
