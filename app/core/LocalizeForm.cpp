#include "core/LocalizeForm.h"

#include "core/CaptionWrap.h"
#include "core/DropDownEntries.h"
#include "core/Globals.h"
#include "core/ImageControls.h"
#include "core/modLocalisation.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>

#include <optional>

namespace modLocalisation {
namespace {

std::optional<int> idIn(const QVariant &tag) {
    bool isNumber = false;
    const int id = tag.toString().trimmed().toInt(&isNumber);
    return isNumber ? std::optional<int>(id) : std::nullopt;
}

// The text of the language for the id in tag; nothing when tag holds no number or the table
// has no such text (an English-only id under another language, for one).
std::optional<QString> textFor(const QVariant &tag) {
    const auto id = idIn(tag);
    return id ? FindString(*id + gLanguageOffset) : std::nullopt;
}

template <typename Setter> void applyText(const QVariant &tag, Setter set) {
    if (const auto text = textFor(tag))
        set(*text);
}

template <typename Setter> void applyBitmap(const QVariant &tag, Setter set) {
    const auto id = idIn(tag);
    if (!id)
        return;
    const QPixmap bitmap = ResourceBitmap(*id);
    if (!bitmap.isNull())
        set(bitmap);
}

QVariant tagOf(const QObject *object) {
    return object->property("tag");
}

// A menu entry keeps its id in "tag" or, as designed, as its caption; separators hold no number.
void localizeMenuEntries(const QWidget *menuOrBar) {
    for (QAction *entry : menuOrBar->actions()) {
        if (entry->isSeparator())
            continue;
        const QVariant tag = tagOf(entry).isValid() ? tagOf(entry) : QVariant(entry->text());
        applyText(tag, [entry](const QString &text) { entry->setText(text); });
    }
}

void localizeTabs(QTabBar *tabs) {
    for (int index = 0; index < tabs->count(); ++index) {
        const QVariantMap tags = tabs->tabData(index).toMap();
        applyText(tags.value("tag"), [&](const QString &text) { tabs->setTabText(index, text); });
        applyText(tags.value("tooltipTag"), [&](const QString &text) { tabs->setTabToolTip(index, text); });
    }
}

// A toolbar button shows its picture alone: its text, which screen readers speak, is its tool tip.
void localizeToolbar(const QToolBar *toolbar) {
    for (QAction *button : toolbar->actions())
        applyText(tagOf(button), [button](const QString &text) {
            button->setText(text);
            button->setToolTip(text);
        });
}

void localizeHeaders(QTreeWidget *list) {
    QTreeWidgetItem *header = list->headerItem();
    for (int column = 0; column < header->columnCount(); ++column)
        applyText(header->data(column, kTagRole),
                  [&](const QString &text) { header->setText(column, text); });
}

void localizeHeaders(QTableWidget *table) {
    for (int column = 0; column < table->columnCount(); ++column) {
        if (QTableWidgetItem *header = table->horizontalHeaderItem(column))
            applyText(header->data(kTagRole), [header](const QString &text) { header->setText(text); });
    }
}

// Controls of no kind above: a positive id sets the caption, where the control has one, and a
// positive tool-tip id its tool tip.
void localizeOther(QWidget *control) {
    const auto captionId = idIn(tagOf(control));
    if (captionId && *captionId > 0) {
        const char *caption = control->metaObject()->indexOfProperty("text") >= 0    ? "text"
                              : control->metaObject()->indexOfProperty("title") >= 0 ? "title"
                                                                                     : nullptr;
        if (caption)
            applyText(tagOf(control), [&](const QString &text) { control->setProperty(caption, text); });
    }
    const QVariant tooltipTag = control->property("tooltipTag");
    const auto tooltipId = idIn(tooltipTag);
    if (tooltipId && *tooltipId > 0)
        applyText(tooltipTag, [control](const QString &text) { control->setToolTip(text); });
}

void localizeControl(QWidget *control) {
    const QVariant tag = tagOf(control);
    if (auto *image = qobject_cast<ImageBox *>(control)) {
        applyBitmap(tag, [image](const QPixmap &bitmap) { image->setPixmap(bitmap); });
        applyText(tag, [image](const QString &text) { image->setToolTip(text); });
    } else if (auto *picture = qobject_cast<PictureBox *>(control)) {
        applyBitmap(tag, [picture](const QPixmap &bitmap) { picture->setPixmap(bitmap); });
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        applyText(tag, [label](const QString &text) { label->setText(text); });
    } else if (qobject_cast<QMenuBar *>(control) || qobject_cast<QMenu *>(control)) {
        localizeMenuEntries(control);
    } else if (auto *button = qobject_cast<QRadioButton *>(control)) {
        applyText(tag, [button](const QString &text) { button->setText(text); });
        CaptionWrap::WrapToMaximumWidth(*button);
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        applyText(tag, [box](const QString &text) { box->setText(text); });
        CaptionWrap::WrapToMaximumWidth(*box);
    } else if (auto *list = qobject_cast<QComboBox *>(control)) {
        DropDownEntries::ShowWhole(*list);
    } else if (auto *tabs = qobject_cast<QTabBar *>(control)) {
        localizeTabs(tabs);
    } else if (auto *toolbar = qobject_cast<QToolBar *>(control)) {
        localizeToolbar(toolbar);
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        applyText(tag, [frame](const QString &text) { frame->setTitle(text); });
    } else if (auto *command = qobject_cast<QPushButton *>(control)) {
        applyText(tag, [command](const QString &text) { command->setText(text); });
    } else if (auto *list = qobject_cast<QTreeWidget *>(control)) {
        localizeHeaders(list);
    } else if (auto *table = qobject_cast<QTableWidget *>(control)) {
        localizeHeaders(table);
    } else {
        localizeOther(control);
    }
}

} // namespace

void LocalizeForm(QWidget *form) {
    applyText(tagOf(form), [form](const QString &text) { form->setWindowTitle(text); });
    for (QWidget *control : form->findChildren<QWidget *>())
        localizeControl(control);
}

} // namespace modLocalisation
