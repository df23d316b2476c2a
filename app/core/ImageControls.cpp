#include "core/ImageControls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// A picture to screen readers, named by its tool tip, that they can press.
class AccessibleImageBox : public QAccessibleWidget {
public:
    explicit AccessibleImageBox(ImageBox *image) : QAccessibleWidget(image, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override {
        if (name == pressAction() && widget()->isEnabled())
            static_cast<ImageBox *>(widget())->activate(Qt::LeftButton);
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *accessibleImageBox(const QString &className, QObject *object) {
    if (className == QLatin1String("ImageBox") && object && object->isWidgetType())
        return new AccessibleImageBox(static_cast<ImageBox *>(object));
    return nullptr;
}

bool isRightClickKey(const QKeyEvent &event) {
    return event.key() == Qt::Key_Menu ||
           (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QLabel(parent) {}

ImageBox::ImageBox(QWidget *parent) : QLabel(parent) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(accessibleImageBox);
        return true;
    }();
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab only: a click does not take the focus from where the athlete works.
    setFocusPolicy(Qt::TabFocus);
}

void ImageBox::activate(Qt::MouseButton button) {
    emit mouseDown(button);
    emit mouseUp(button);
    if (button == Qt::LeftButton)
        emit clicked();
}

void ImageBox::mousePressEvent(QMouseEvent *event) {
    emit mouseDown(event->button());
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent *event) {
    emit mouseUp(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

void ImageBox::keyPressEvent(QKeyEvent *event) {
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        activate(Qt::LeftButton);
    } else if (isRightClickKey(*event)) {
        activate(Qt::RightButton);
    } else {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ImageBox::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

QPixmap ResourceBitmap(int id) {
    // The format named, Qt reads the picture at once instead of loading every image plug-in to ask.
    return QPixmap(QStringLiteral(":/icons/%1.png").arg(id), "PNG");
}
