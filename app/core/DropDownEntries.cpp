#include "core/DropDownEntries.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>
#include <QStyleOptionComboBox>

namespace DropDownEntries {
namespace {

constexpr const char *kKeeperName = "wholeEntries";

int textRoom(const QComboBox &list) {
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    option.frame = list.hasFrame();
    // The style draws the text a pixel in from each side of its field.
    return list.style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list)
               .width() -
           2;
}

class EntryKeeper : public QObject {
public:
    explicit EntryKeeper(QComboBox &list) : QObject(&list), list_(list) {
        setObjectName(kKeeperName);
        list.installEventFilter(this);
        const auto refresh = [this] { update(); };
        QAbstractItemModel *model = list.model();
        connect(model, &QAbstractItemModel::rowsInserted, this, refresh);
        connect(model, &QAbstractItemModel::rowsRemoved, this, refresh);
        connect(model, &QAbstractItemModel::modelReset, this, refresh);
        connect(model, &QAbstractItemModel::dataChanged, this, refresh);
        connect(&list, &QComboBox::currentIndexChanged, this, refresh);
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange ||
            event->type() == QEvent::StyleChange)
            update();
        return QObject::eventFilter(watched, event);
    }

private:
    void update() {
        QAbstractItemView &view = *list_.view();
        const int scrollBar =
            list_.count() > list_.maxVisibleItems() ? view.verticalScrollBar()->sizeHint().width() : 0;
        view.setMinimumWidth(std::max(0, view.sizeHintForColumn(list_.modelColumn())) +
                             2 * view.frameWidth() + scrollBar);
        const QString current = list_.currentText();
        const bool cut = list_.fontMetrics().horizontalAdvance(current) > textRoom(list_);
        list_.setToolTip(cut ? current : QString());
    }

    QComboBox &list_;
};

} // namespace

void ShowWhole(QComboBox &list) {
    if (!list.findChild<QObject *>(kKeeperName, Qt::FindDirectChildrenOnly))
        new EntryKeeper(list);
}

} // namespace DropDownEntries
