#pragma once
// The toolbox: one button per day-off request and per activity of the month. Pressing a
// button chooses what a click on the block grid paints; pressing it again, or Esc, stops
// painting.
#include <QWidget>
#include <vector>

#include "model/activity_codes.h"

class QAbstractButton;

namespace lw::ui {

class Workspace;

class ToolboxWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToolboxWindow(Workspace& ws, QWidget* parent = nullptr);

    // Makes the buttons again from the month's activities (after a toolbox file was loaded or
    // another month opened); keeps nothing pressed that the month no longer offers.
    void Rebuild();
    // Stops painting and shows no button pressed.
    void StopPainting();

    const model::Toolbox& Buttons() const { return toolbox_; }
    QAbstractButton* ButtonAt(int index) const;
    // Index of the pressed button, -1 when painting is off.
    int PressedIndex() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Pressed(int index);
    // The pressed look follows the tool the gestures hold (a pairing selection switches it off).
    void ShowTool();

    Workspace& ws_;
    model::Toolbox toolbox_;
    std::vector<QAbstractButton*> buttons_;
};

}  // namespace lw::ui
