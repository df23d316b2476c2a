#include "core/Form_ControlPos.h"

#include "core/Numbers.h"

#include <QEvent>

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr Qt::WindowStates kSizeStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

// A computed value as the widget stores it, or nothing when it is not to be set or the widget
// cannot take it.
std::optional<int> toPixels(std::optional<double> value) {
    if (!value)
        return std::nullopt;
    const double rounded = Numbers::roundHalfEven(*value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int>::min() ||
        rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<int> toSize(std::optional<double> value) {
    const auto pixels = toPixels(value);
    if (!pixels || *pixels < 0)
        return std::nullopt;
    return pixels;
}

Qt::WindowStates sizeState(const QWidget *window) {
    return window->windowState() & kSizeStates;
}

} // namespace

std::optional<double> MovedValue(int mode, double start, int change, int halfChange, double ratio) {
    switch (mode) {
    case ControlMoveMode::AddChange:
        return start + change;
    case ControlMoveMode::Scale:
        return start * ratio;
    case ControlMoveMode::AddHalfChange:
        return start + halfChange;
    default:
        return std::nullopt;
    }
}

Form_ControlPos::Form_ControlPos(QObject *parent) : QObject(parent) {}

void Form_ControlPos::Init(QWidget *frm) {
    ControlRecords.clear();
    m_Form = frm;
    StartWidth = frm->width();
    StartHeight = frm->height();
    StartWindowState = sizeState(frm);
    frm->installEventFilter(this);
}

Form_Control &Form_ControlPos::Add(QWidget *ctl, int MoveLeft, int MoveTop, int MoveWidth, int MoveHeight,
                                   bool MoveFontSize) {
    Form_Control record;
    record.Control = ctl;
    auto &settings = record.Settings;
    settings.insert("Left", ctl->x());
    settings.insert("Top", ctl->y());
    settings.insert("Width", ctl->width());
    settings.insert("Height", ctl->height());
    // A font given in pixels has no point size to scale.
    if (ctl->font().pointSizeF() > 0)
        settings.insert("FontSize", ctl->font().pointSizeF());
    settings.insert("MoveLeft", MoveLeft);
    settings.insert("MoveTop", MoveTop);
    settings.insert("MoveHeight", MoveHeight);
    settings.insert("MoveWidth", MoveWidth);
    settings.insert("MoveFontSize", MoveFontSize);
    ControlRecords.push_back(std::move(record));
    return ControlRecords.back();
}

Form_Control &Form_ControlPos::AddProportional(QWidget *ctl) {
    using namespace ControlMoveMode;
    return Add(ctl, Scale, Scale, Scale, Scale, true);
}

void Form_ControlPos::m_Form_Resize() {
    if (!m_Form)
        return;
    placeControls();
    // Coming back from minimised or maximised, place everything once more for the restored size.
    const Qt::WindowStates state = sizeState(m_Form);
    if (state != StartWindowState) {
        StartWindowState = state;
        if (state == Qt::WindowNoState)
            placeControls();
    }
}

bool Form_ControlPos::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_Form && event->type() == QEvent::Resize)
        m_Form_Resize();
    return QObject::eventFilter(watched, event);
}

void Form_ControlPos::placeControls() {
    const int width = m_Form->width();
    const int height = m_Form->height();
    const int dX = width - StartWidth;
    const int dY = height - StartHeight;
    const int halfX = static_cast<int>(Numbers::roundHalfEven(dX / 2.0));
    const int halfY = static_cast<int>(Numbers::roundHalfEven(dY / 2.0));
    const double rX = static_cast<double>(width) / StartWidth;
    const double rY = static_cast<double>(height) / StartHeight;

    for (const Form_Control &record : ControlRecords) {
        QWidget *ctl = record.Control;
        if (!ctl)
            continue;
        const auto &s = record.Settings;
        const auto moved = [&](const char *start, const char *mode, int change, int half, double ratio) {
            return MovedValue(s.value(mode).toInt(), s.value(start).toDouble(), change, half, ratio);
        };
        // A value the widget refuses leaves that property as it is; the next resize starts afresh.
        if (const auto left = toPixels(moved("Left", "MoveLeft", dX, halfX, rX)))
            ctl->move(*left, ctl->y());
        if (const auto top = toPixels(moved("Top", "MoveTop", dY, halfY, rY)))
            ctl->move(ctl->x(), *top);
        if (const auto newWidth = toSize(moved("Width", "MoveWidth", dX, halfX, rX)))
            ctl->resize(*newWidth, ctl->height());
        if (const auto newHeight = toSize(moved("Height", "MoveHeight", dY, halfY, rY)))
            ctl->resize(ctl->width(), *newHeight);
        // The font follows the height ratio whatever the height's own mode, unless the height stays.
        if (s.value("MoveFontSize").toBool() && s.value("MoveHeight").toInt() != 0 &&
            s.contains("FontSize")) {
            const double size = s.value("FontSize").toDouble() * rY;
            if (std::isfinite(size) && size > 0) {
                QFont font = ctl->font();
                font.setPointSizeF(size);
                ctl->setFont(font);
            }
        }
    }
}
