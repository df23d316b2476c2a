#include "core/ImageControls.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

// Enter, Space and a screen reader's press click a picture as the left button does, the
// context-menu key and Shift+F10 as the right one does; other keys do nothing.
TEST(ImageBox, TheKeyboardAndScreenReadersClickItAsTheMouseDoes) {
    const QStringList left{"down 1", "up 1", "click"}, right{"down 2", "up 2"};
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        QStringList reported;
    } cases[] = {{Qt::Key_Return, Qt::NoModifier, left}, {Qt::Key_Space, Qt::NoModifier, left},
                 {Qt::Key_Menu, Qt::NoModifier, right},  {Qt::Key_F10, Qt::ShiftModifier, right},
                 {Qt::Key_F10, Qt::NoModifier, {}},      {Qt::Key_Space, Qt::ControlModifier, {}}};
    ImageBox image;
    QStringList reported;
    QObject::connect(&image, &ImageBox::mouseDown,
                     [&](Qt::MouseButton b) { reported << QString("down %1").arg(int(b)); });
    QObject::connect(&image, &ImageBox::mouseUp,
                     [&](Qt::MouseButton b) { reported << QString("up %1").arg(int(b)); });
    QObject::connect(&image, &ImageBox::clicked, [&] { reported << "click"; });
    for (const auto &c : cases) {
        reported.clear();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        QApplication::sendEvent(&image, &press);
        EXPECT_EQ(reported, c.reported) << c.key << ' ' << c.modifiers.toInt();
    }

    QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(&image)->actionInterface();
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    reported.clear();
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(reported, left);
}

} // namespace
