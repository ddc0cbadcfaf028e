#pragma once
// "Set Pairing Properties": the pairing type of one day of operation and, for some pilots'
// pairings, the credit excluded from the holder's block.
#include <QDialog>

#include "rules/pair_properties.h"

class QLineEdit;
class QRadioButton;

namespace lw::ui {

class Workspace;

class PairPropsDialog : public QDialog {
    Q_OBJECT
public:
    PairPropsDialog(Workspace& ws, const rules::PairProps& opened, QWidget* parent = nullptr);

    QRadioButton* TypeButton(int32_t type) const;
    QLineEdit* CreditEdit() const { return credit_; }
    // OK: stores the type at once, the credit after its checks; closes when the core allows.
    void Ok();

private:
    int32_t ChosenType() const;

    Workspace& ws_;
    rules::PairProps opened_;
    QRadioButton* types_[4] = {};
    QLineEdit* credit_ = nullptr;
};

}  // namespace lw::ui
