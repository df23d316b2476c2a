#include "platform/Dialogs.h"

#include "platform/BusyCursor.h"

#include "FileDialogWidth.h"
#include "ListBox.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

#include <utility>

namespace platform::dialogs {
namespace {

MessageHandler &messageHandler() {
    static MessageHandler handler;
    return handler;
}

FileHandler &fileHandler() {
    static FileHandler handler;
    return handler;
}

ButtonTexts &buttonTexts() {
    static ButtonTexts texts;
    return texts;
}

void applyButtonTexts(QMessageBox &box) {
    const ButtonTexts &texts = buttonTexts();
    const std::pair<QMessageBox::StandardButton, const QString &> captions[] = {
        {QMessageBox::Ok, texts.ok},
        {QMessageBox::Cancel, texts.cancel},
        {QMessageBox::Yes, texts.yes},
        {QMessageBox::No, texts.no}};
    for (const auto &[button, caption] : captions) {
        if (QAbstractButton *shown = box.button(button); shown && !caption.isEmpty())
            shown->setText(caption);
    }
}

QMessageBox::Icon toQtIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Answer fromQtButton(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

QString askFile(const FileRequest &request, QWidget *parent, Overwrite overwrite = Overwrite::DialogAsks) {
    if (fileHandler())
        return fileHandler()(request);
    QFileDialog dialog(parent, request.caption, request.directory, request.filter);
    switch (request.kind) {
    case FileDialogKind::Open:
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case FileDialogKind::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, overwrite == Overwrite::CallerAsks);
        break;
    case FileDialogKind::Folder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    showColumnHeadingsWhole(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons, QWidget *parent) {
    if (messageHandler())
        return messageHandler()({text, title, icon, buttons, {}});
    QMessageBox box(toQtIcon(icon), title, text, toQtButtons(buttons), parent);
    applyButtonTexts(box);
    // Windows that appear during long work must not inherit the busy pointer.
    const cursor::NormalCursor normal;
    return fromQtButton(box.exec());
}

void listMessage(const QString &text, const QStringList &items, const QString &title, Icon icon,
                 QWidget *parent) {
    if (messageHandler()) {
        messageHandler()({text, title, icon, Buttons::Ok, items});
        return;
    }
    QMessageBox iconSource; // the icon as every other box draws it
    iconSource.setIcon(toQtIcon(icon));
    ListBox box(text, items, title, iconSource.iconPixmap(), buttonTexts().ok, parent);
    const cursor::NormalCursor normal;
    box.exec();
}

QString openFileName(const QString &caption, const QString &directory, const QString &filter,
                     QWidget *parent) {
    return askFile({FileDialogKind::Open, caption, directory, filter}, parent);
}

QString saveFileName(const QString &caption, const QString &directory, const QString &filter, QWidget *parent,
                     Overwrite overwrite) {
    return askFile({FileDialogKind::Save, caption, directory, filter}, parent, overwrite);
}

QString existingFolder(const QString &caption, const QString &directory, QWidget *parent) {
    return askFile({FileDialogKind::Folder, caption, directory, {}}, parent);
}

void setButtonTexts(const ButtonTexts &texts) {
    buttonTexts() = texts;
}

MessageHandler setMessageHandler(MessageHandler handler) {
    return std::exchange(messageHandler(), std::move(handler));
}

FileHandler setFileHandler(FileHandler handler) {
    return std::exchange(fileHandler(), std::move(handler));
}

} // namespace platform::dialogs
