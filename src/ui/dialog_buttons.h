#pragma once
// The OK and Cancel row at the foot of a dialog.
#include <QDialog>
#include <QHBoxLayout>

#include <functional>

namespace lw::ui {

// OK is the default button and accepts the dialog, or runs onOk instead when the dialog must
// check its fields first (it accepts itself when they pass); Cancel rejects.
QHBoxLayout* OkCancelRow(QDialog* dialog, const std::function<void()>& onOk = {});

}  // namespace lw::ui
