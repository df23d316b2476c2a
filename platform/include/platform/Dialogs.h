#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Every message box, question and file dialog of the program goes through here, so that a
// test can answer them and see what was shown instead of blocking on a real window.
namespace platform::dialogs {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct MessageRequest {
    QString text;
    QString title;
    Icon icon;
    Buttons buttons;
    QStringList items; // what a list message names, one entry each
};

enum class FileDialogKind { Open, Save, Folder };

struct FileRequest {
    FileDialogKind kind;
    QString caption;
    QString directory;
    QString filter;
};

Answer message(const QString &text, const QString &title, Icon icon = Icon::Information,
               Buttons buttons = Buttons::Ok, QWidget *parent = nullptr);

// A message that names any number of things: they are listed one an entry in a list that scrolls,
// under the text, so that the box fits the screen however many there are. An OK button only.
void listMessage(const QString &text, const QStringList &items, const QString &title, Icon icon,
                 QWidget *parent = nullptr);

// Who asks before an existing file is replaced: the desktop's save dialog, or the caller
// through message() once the dialog has closed (so that tests can answer it).
enum class Overwrite { DialogAsks, CallerAsks };

// The chosen path, or the empty text when the user cancelled.
QString openFileName(const QString &caption, const QString &directory, const QString &filter,
                     QWidget *parent = nullptr);
QString saveFileName(const QString &caption, const QString &directory, const QString &filter,
                     QWidget *parent = nullptr, Overwrite overwrite = Overwrite::DialogAsks);
QString existingFolder(const QString &caption, const QString &directory, QWidget *parent = nullptr);

// The captions of the message boxes' buttons in the program's language. An empty caption keeps
// the toolkit's own.
struct ButtonTexts {
    QString ok;
    QString cancel;
    QString yes;
    QString no;
};
void setButtonTexts(const ButtonTexts &texts);

using MessageHandler = std::function<Answer(const MessageRequest &)>;
using FileHandler = std::function<QString(const FileRequest &)>;

// With a handler installed no real dialog is shown; an empty function restores the real ones.
// Each returns the handler it replaced.
MessageHandler setMessageHandler(MessageHandler handler);
FileHandler setFileHandler(FileHandler handler);

} // namespace platform::dialogs
