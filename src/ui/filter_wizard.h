#pragma once
// "Linewright Pairing Filter Wizard": four boxes of key words to show, four to leave out; OK
// turns them into a text filter for the caller's filter box.
#include <QDialog>
#include <array>
#include <string>

#include "platform/interaction.h"

class QLineEdit;

namespace lw::ui {

class FilterWizardDialog : public QDialog {
    Q_OBJECT
public:
    FilterWizardDialog(platform::Interaction& ui, QWidget* parent = nullptr);

    // Edits 0..3 show, 4..7 leave out.
    QLineEdit* Edit(size_t i) const { return edits_[i]; }
    // The text filter built on OK; empty after Cancel.
    const std::string& Result() const { return result_; }

    void accept() override;

private:
    platform::Interaction& ui_;
    std::array<QLineEdit*, 8> edits_{};
    std::string result_;
};

}  // namespace lw::ui
