#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

// Which edges of a control keep their distance to the window's edges and which coordinates
// scale with the window. H, V and F stand for combinations.
namespace AnchorFlags {
inline constexpr int L = 1;   // left edge keeps its designed position
inline constexpr int R = 2;   // right edge keeps its distance to the window's right edge
inline constexpr int T = 4;   // top edge keeps its designed position
inline constexpr int B = 8;   // bottom edge keeps its distance to the window's bottom edge
inline constexpr int X = 16;  // left edge scales with the window's width
inline constexpr int Y = 32;  // top edge scales with the window's height
inline constexpr int W = 64;  // width scales with the window's width
inline constexpr int D = 128; // height scales with the window's height
inline constexpr int H = L | R;
inline constexpr int V = T | B;
inline constexpr int F = H | V;
} // namespace AnchorFlags

// A control recorded with its designed place. Margins are measured to the window's edges,
// also for a control that sits inside a frame.
struct clsControl {
    QPointer<QWidget> Control;
    int Anchor = 0;
    int Left = 0;
    int Top = 0;
    int RightMargin = 0;
    int BottomMargin = 0;
    int Width = 0;
    int Height = 0;
};

struct AnchoredControl {
    QWidget *control;
    int anchor;
};

// Keeps a window's controls in place when it is resized: records each control's designed place
// with its anchor, then re-places them all from the window's current size. Controls must be
// placed by hand (no QLayout) inside the window.
class clsLayout {
public:
    // Records the controls while the window has its designed size; a second call starts afresh.
    void SetLayout(QWidget *frm, const std::vector<AnchoredControl> &controls);
    // Re-places every recorded control; a window smaller than designed counts as designed.
    void RedrawLayout();

    const std::vector<clsControl> &LayoutControls() const { return layoutControls; }

    // Anchor letters to flags: "N" clears, every unknown character is passed over.
    static int ParseLayoutFlags(const QString &letters);

    // The main window's controls, in the window's own order, with their anchors by name.
    static std::vector<AnchoredControl> MainWindowAnchors(const QWidget *frm);

private:
    void PlaceControl(QWidget *ctl, int anchor);

    QPointer<QWidget> window;
    std::vector<clsControl> layoutControls;
    int DesignWidth = 0;
    int DesignHeight = 0;
};
