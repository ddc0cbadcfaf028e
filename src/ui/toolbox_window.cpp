#include "ui/toolbox_window.h"

#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

constexpr int kMargin = 2;  // room around the buttons inside the window

}  // namespace

ToolboxWindow::ToolboxWindow(Workspace& ws, QWidget* parent) : QWidget(parent, Qt::Tool), ws_(ws) {
    setFocusPolicy(Qt::StrongFocus);
    connect(&ws_, &Workspace::documentReplaced, this, &ToolboxWindow::Rebuild);
    connect(&ws_, &Workspace::documentChanged, this, [this] {
        // A toolbox file changes the activities; an assignment does not need new buttons.
        const model::Toolbox fresh = model::BuildToolbox(ws_.doc());
        if (fresh.title != toolbox_.title || fresh.buttons != toolbox_.buttons) Rebuild();
        else ShowTool();
    });
    connect(&ws_, &Workspace::selectionChanged, this, &ToolboxWindow::ShowTool);
    Rebuild();
}

void ToolboxWindow::Rebuild() {
    for (QAbstractButton* b : buttons_) delete b;
    buttons_.clear();
    toolbox_ = model::BuildToolbox(ws_.doc());
    setWindowTitle(FromDocText(toolbox_.title));

    const std::optional<model::ToolboxButton>& tool = ws_.gestures().Tool();
    bool toolOffered = false;
    int right = 0, bottom = 0;
    for (size_t i = 0; i < toolbox_.buttons.size(); ++i) {
        const model::ToolboxButton& entry = toolbox_.buttons[i];
        auto* button = new QToolButton(this);
        button->setText(FromDocText(entry.label));
        button->setToolTip(FromDocText(entry.caption));
        button->setStatusTip(FromDocText(entry.caption));
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(kMargin + entry.rect.left, kMargin + entry.rect.top, entry.rect.width, entry.rect.height);
        button->show();
        const int index = static_cast<int>(i);
        connect(button, &QToolButton::clicked, this, [this, index] { Pressed(index); });
        buttons_.push_back(button);
        right = std::max(right, entry.rect.left + entry.rect.width);
        bottom = std::max(bottom, entry.rect.top + entry.rect.height);
        if (tool && *tool == entry) toolOffered = true;
    }
    if (tool && !toolOffered) ws_.gestures().ChooseTool(std::nullopt);
    setFixedSize(right + 2 * kMargin, bottom + 2 * kMargin);
    ShowTool();
}

QAbstractButton* ToolboxWindow::ButtonAt(int index) const {
    return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(index)] : nullptr;
}

int ToolboxWindow::PressedIndex() const {
    const std::optional<model::ToolboxButton>& tool = ws_.gestures().Tool();
    if (!tool) return -1;
    for (size_t i = 0; i < toolbox_.buttons.size(); ++i)
        if (toolbox_.buttons[i] == *tool) return static_cast<int>(i);
    return -1;
}

void ToolboxWindow::Pressed(int index) {
    if (index == PressedIndex()) {
        ws_.gestures().ChooseTool(std::nullopt);
    } else {
        ws_.gestures().ChooseTool(toolbox_.buttons[static_cast<size_t>(index)]);
    }
    ShowTool();
}

void ToolboxWindow::StopPainting() {
    ws_.gestures().ChooseTool(std::nullopt);
    ShowTool();
}

void ToolboxWindow::ShowTool() {
    const int pressed = PressedIndex();
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setChecked(static_cast<int>(i) == pressed);
}

void ToolboxWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        StopPainting();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace lw::ui
