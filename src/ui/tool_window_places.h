#pragma once
// Where the pairings window and the toolbox show: the place the planner left them in (kept in
// lwright.ini each time they are hidden and when the program closes), or, the first time,
// over the grid's lower left and upper right corners, never over the menu and tool bars.
#include <QObject>
#include <QRect>
#include <string>
#include <vector>

class QMainWindow;
class QWidget;

namespace lw::platform { class Profile; }

namespace lw::ui {

class ToolWindowPlaces : public QObject {
    Q_OBJECT
public:
    enum class Corner { BottomLeft, TopRight };

    ToolWindowPlaces(QMainWindow& main, platform::Profile& profile);
    // key: the settings key of the window's place.
    void Watch(QWidget& window, std::string key, Corner corner);

    // A window of that size in the corner of area (the grid, in screen coordinates), as much
    // of it inside as fits, its top never above the area's.
    static QRect FirstPlace(const QRect& area, QSize size, Corner corner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        QWidget* window;
        std::string key;
        Corner corner;
        bool shown = false;
    };
    QMainWindow& main_;
    platform::Profile& profile_;
    std::vector<Watched> watched_;
};

}  // namespace lw::ui
