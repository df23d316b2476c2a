#include "core/clsLayout.h"

#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

using namespace AnchorFlags;

namespace {

// The main window's anchoring rules, in the order the names are tested.
struct NamedAnchor {
    const char *name;
    const char *letters;
};
constexpr NamedAnchor kMainWindowAnchors[] = {
    {"TChart3", "LRTB"},     {"TChart1", "LRTB"},    {"GraphLabel", "W"},  {"lblGraphRight1", "R"},
    {"lblGraphRight2", "R"}, {"cmbGraph2", "R"},     {"ListView1", "LRT"}, {"cmdOK", "RB"},
    {"Toolbar2", "LB"},      {"Toolbar1", "LB"},     {"Combo3", "LRB"},    {"Label1", "B"},
    {"Label2", "LY"},        {"Label4", "LY"},       {"Option1", "BX"},    {"FrameY", "LB"},
    {"FrameX", "LR"},        {"resImagePlot", "RB"}, {"resSummary", "T"},  {"lblNote", "LRTB"},
    {"Label3", "RT"},        {"Combo1", "T"},        {"Combo2", "RT"},
};

// Only elements 3 to 6 of the resImage array are anchored: 3 and 4 to the upper right, 5 and
// 6 to the lower right. The element's number is its "Index" property.
std::optional<int> resImageAnchor(const QWidget *element) {
    bool isNumber = false;
    const int index = element->property("Index").toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    if (index == 3 || index == 4)
        return R | T;
    if (index == 5 || index == 6)
        return R | B;
    return std::nullopt;
}

std::optional<int> mainWindowAnchor(const QWidget *ctl) {
    const QString name = ctl->objectName();
    for (const NamedAnchor &rule : kMainWindowAnchors) {
        if (name == QLatin1String(rule.name))
            return clsLayout::ParseLayoutFlags(QLatin1String(rule.letters));
    }
    if (name == QLatin1String("resImage"))
        return resImageAnchor(ctl);
    return std::nullopt;
}

int notBelowZero(int value) {
    return std::max(value, 0);
}

// value x size / design: the product in whole numbers, the division exact; the widget then
// keeps the nearest whole pixel. Nothing when it cannot be represented.
std::optional<int> scaled(int value, int size, int design) {
    const double exact = static_cast<double>(std::int64_t{value} * size) / design;
    const double rounded = Numbers::roundHalfEven(exact);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int>::min() ||
        rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

void setLeft(QWidget *ctl, std::optional<int> left) {
    if (left)
        ctl->move(*left, ctl->y());
}

void setTop(QWidget *ctl, std::optional<int> top) {
    if (top)
        ctl->move(ctl->x(), *top);
}

void setWidth(QWidget *ctl, std::optional<int> width) {
    if (width)
        ctl->resize(*width, ctl->height());
}

void setHeight(QWidget *ctl, std::optional<int> height) {
    if (height)
        ctl->resize(ctl->width(), *height);
}

} // namespace

void clsLayout::SetLayout(QWidget *frm, const std::vector<AnchoredControl> &controls) {
    window = frm;
    DesignWidth = frm->width();
    DesignHeight = frm->height();
    layoutControls.clear();
    for (const AnchoredControl &entry : controls)
        PlaceControl(entry.control, entry.anchor);
}

void clsLayout::PlaceControl(QWidget *ctl, int anchor) {
    if (!ctl)
        return;
    clsControl record;
    record.Control = ctl;
    record.Anchor = anchor;
    record.Left = ctl->x();
    record.Top = ctl->y();
    record.Width = ctl->width();
    record.Height = ctl->height();
    record.RightMargin = DesignWidth - (record.Left + record.Width);
    record.BottomMargin = DesignHeight - (record.Top + record.Height);
    layoutControls.push_back(record);
}

void clsLayout::RedrawLayout() {
    if (!window)
        return;
    const int width = std::max(window->width(), DesignWidth);
    const int height = std::max(window->height(), DesignHeight);

    for (const clsControl &c : layoutControls) {
        QWidget *ctl = c.Control;
        if (!ctl)
            continue;
        const int anchor = c.Anchor;

        if (anchor & L)
            setLeft(ctl, c.Left);
        else if (anchor & X)
            setLeft(ctl, scaled(c.Left, width, DesignWidth));
        if ((anchor & H) == H) {
            setWidth(ctl, notBelowZero(width - c.RightMargin - c.Left));
        } else {
            if (anchor & W)
                setWidth(ctl, scaled(c.Width, width, DesignWidth));
            if (anchor & R)
                setLeft(ctl, notBelowZero(width - c.RightMargin - ctl->width()));
        }

        if (anchor & T)
            setTop(ctl, c.Top);
        else if (anchor & Y)
            setTop(ctl, scaled(c.Top, height, DesignHeight));
        if ((anchor & V) == V) {
            setHeight(ctl, notBelowZero(height - c.BottomMargin - c.Top));
        } else {
            if (anchor & D)
                setHeight(ctl, scaled(c.Height, height, DesignHeight));
            if (anchor & B)
                setTop(ctl, notBelowZero(height - c.BottomMargin - ctl->height()));
        }
    }
}

int clsLayout::ParseLayoutFlags(const QString &letters) {
    struct Letter {
        char letter;
        int flags;
    };
    static constexpr Letter kLetters[] = {{'L', L}, {'R', R}, {'T', T}, {'B', B}, {'V', V}, {'H', H},
                                          {'F', F}, {'X', X}, {'Y', Y}, {'W', W}, {'D', D}};
    int flags = 0;
    for (const QChar letter : letters) {
        if (letter == 'N')
            flags = 0;
        for (const Letter &known : kLetters) {
            if (letter == known.letter)
                flags |= known.flags;
        }
    }
    return flags;
}

std::vector<AnchoredControl> clsLayout::MainWindowAnchors(const QWidget *frm) {
    std::vector<AnchoredControl> anchored;
    for (QWidget *ctl : frm->findChildren<QWidget *>()) {
        if (const auto anchor = mainWindowAnchor(ctl))
            anchored.push_back({ctl, *anchor});
    }
    return anchored;
}
