#include "core/NumericBox.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace NumericBox {
namespace {

class BoxFilter : public QObject {
public:
    BoxFilter(QLineEdit &box, Keys keys, std::function<void()> leaving)
        : QObject(&box), box_(box), keys_(keys), leaving_(std::move(leaving)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != &box_)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return !passes(static_cast<QKeyEvent *>(event)->text());
        case QEvent::FocusIn:
            // After a click the click's own placing of the cursor comes first.
            QTimer::singleShot(0, &box_, [box = &box_] { box->selectAll(); });
            return false;
        case QEvent::FocusOut:
            if (movesWithinWindow(static_cast<QFocusEvent *>(event)->reason()) && box_.window()->isVisible())
                leaving_();
            return false;
        default:
            return false;
        }
    }

private:
    // Control characters are the editing keys (Backspace, Ctrl+C, Ctrl+V, Ctrl+X, Tab ...).
    bool passes(const QString &typed) const {
        if (typed.isEmpty())
            return true;
        const QChar c = typed.front();
        if ((c >= '0' && c <= '9') || c.category() == QChar::Other_Control)
            return true;
        return keys_ == Keys::DigitsAndSeparators && (c == '.' || c == ',') && !box_.text().contains(c);
    }

    // Another window coming forward (a message box among them) is no move within this one.
    static bool movesWithinWindow(Qt::FocusReason reason) {
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }

    QLineEdit &box_;
    Keys keys_;
    std::function<void()> leaving_;
};

} // namespace

void Make(QLineEdit &box, Keys keys, std::function<void()> leaving) {
    box.installEventFilter(new BoxFilter(box, keys, std::move(leaving)));
}

void ReturnFocus(QLineEdit &box) {
    QTimer::singleShot(0, &box, [&box] { box.setFocus(Qt::OtherFocusReason); });
}

} // namespace NumericBox
