#include "ui/tool_window_places.h"

#include <QByteArray>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>
#include <algorithm>

#include "platform/profile.h"

namespace lw::ui {

namespace {
constexpr std::string_view kSection = "LW";
}

ToolWindowPlaces::ToolWindowPlaces(QMainWindow& main, platform::Profile& profile)
    : QObject(&main), main_(main), profile_(profile) {}

void ToolWindowPlaces::Watch(QWidget& window, std::string key, Corner corner) {
    watched_.push_back({&window, std::move(key), corner});
    window.installEventFilter(this);
}

QRect ToolWindowPlaces::FirstPlace(const QRect& area, QSize size, Corner corner) {
    const int width = std::min(size.width(), area.width());
    const int height = std::min(size.height(), area.height());
    const int left = corner == Corner::BottomLeft ? area.left() : area.right() + 1 - width;
    const int top = corner == Corner::BottomLeft ? area.bottom() + 1 - height : area.top();
    return QRect(left, std::max(top, area.top()), width, height);
}

bool ToolWindowPlaces::eventFilter(QObject* object, QEvent* event) {
    const auto it = std::find_if(watched_.begin(), watched_.end(), [object](const Watched& w) { return w.window == object; });
    if (it == watched_.end()) return QObject::eventFilter(object, event);
    QWidget& window = *it->window;
    if (event->type() == QEvent::Show && !it->shown) {
        it->shown = true;
        // A place kept from an earlier run is the planner's; only a window never placed gets ours.
        const std::string saved = profile_.GetString(kSection, it->key, "");
        if (saved.empty() || !window.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)))) {
            const QWidget* grid = main_.centralWidget();
            const QRect area = grid ? QRect(grid->mapToGlobal(QPoint(0, 0)), grid->size()) : main_.geometry();
            // The frame's title bar counts too: it must not cover the menu either.
            const QSize frame = window.frameGeometry().size() - window.size();
            const QSize size = window.size().expandedTo(window.minimumSizeHint()) + frame;
            const QRect place = FirstPlace(area, size, it->corner);
            window.resize(place.size() - frame);
            window.move(place.topLeft());
        }
    } else if (event->type() == QEvent::Hide && it->shown) {
        profile_.WriteString(kSection, it->key, window.saveGeometry().toBase64().toStdString());
    }
    return QObject::eventFilter(object, event);
}

}  // namespace lw::ui
