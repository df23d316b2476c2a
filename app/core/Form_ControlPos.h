#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <deque>
#include <optional>

// How one edge or size of a registered control follows the window's inner size: the left edge
// and the width follow its width, the top edge and the height its height. Any other value keeps
// the property as it is.
namespace ControlMoveMode {
inline constexpr int Keep = 0;
inline constexpr int AddChange = 1;     // start value + the change of the window's size
inline constexpr int Scale = 2;         // start value x new size / start size
inline constexpr int AddHalfChange = 3; // start value + half the change, halves rounded to even
} // namespace ControlMoveMode

// One registration: the control and its "Settings" ("Left", "Top", "Width", "Height",
// "FontSize" as they were at registration, then "MoveLeft", "MoveTop", "MoveHeight",
// "MoveWidth" and "MoveFontSize").
struct Form_Control {
    QPointer<QWidget> Control;
    QHash<QString, QVariant> Settings;
};

// The new value of one property by its mode, or nothing when the mode keeps the property as it
// is. Every value derives from the start value, so repeated resizing accumulates no error.
std::optional<double> MovedValue(int mode, double start, int change, int halfChange, double ratio);

// Keeps the controls of one resizable window in place: each registered control is re-placed
// from its start values and the change of the window's inner size on every resize.
class Form_ControlPos : public QObject {
    Q_OBJECT

public:
    explicit Form_ControlPos(QObject *parent = nullptr);

    // Binds the window while it has its designed size; call once, before any Add.
    void Init(QWidget *frm);
    Form_Control &Add(QWidget *ctl, int MoveLeft, int MoveTop, int MoveWidth, int MoveHeight,
                      bool MoveFontSize);
    // Every edge and size scales with the window, the font with its height.
    Form_Control &AddProportional(QWidget *ctl);

    // Runs on every resize of the bound window.
    void m_Form_Resize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeControls();

    QPointer<QWidget> m_Form;
    std::deque<Form_Control> ControlRecords; // a deque keeps the records Add returned in place
    int StartWidth = 0;
    int StartHeight = 0;
    Qt::WindowStates StartWindowState;
};
