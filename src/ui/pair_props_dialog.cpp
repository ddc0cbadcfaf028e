#include "ui/pair_props_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

PairPropsDialog::PairPropsDialog(Workspace& ws, const rules::PairProps& opened, QWidget* parent)
    : QDialog(parent), ws_(ws), opened_(opened) {
    setWindowTitle(FromDocText(opened_.caption));
    auto* group = new QGroupBox(QStringLiteral("Pairing Type for This Day of Ops"), this);
    auto* radios = new QVBoxLayout(group);
    for (int32_t t = rules::kNormalDay; t <= rules::kRecurrentCheckDay; ++t) {
        types_[t] = new QRadioButton(QString::fromLatin1(rules::PairingDayTypeName(t).data(),
                                                         static_cast<qsizetype>(rules::PairingDayTypeName(t).size())),
                                     group);
        radios->addWidget(types_[t]);
    }
    const int32_t shown = opened_.type >= rules::kNormalDay && opened_.type <= rules::kLineCheckDay
                              ? opened_.type
                              : rules::kRecurrentCheckDay;
    types_[shown]->setChecked(true);

    credit_ = new QLineEdit(this);
    credit_->setInputMask(QStringLiteral("99:99"));
    credit_->setMaxLength(5);
    credit_->setText(QString::fromStdString(opened_.creditText));
    credit_->setEnabled(opened_.creditInUse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(group);
    column->addWidget(new QLabel(QStringLiteral("Exclude Credit"), this));
    column->addWidget(credit_);
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PairPropsDialog::Ok);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QRadioButton* PairPropsDialog::TypeButton(int32_t type) const {
    return type >= rules::kNormalDay && type <= rules::kRecurrentCheckDay ? types_[type] : nullptr;
}

int32_t PairPropsDialog::ChosenType() const {
    if (types_[rules::kLineCheckDay]->isChecked()) return rules::kLineCheckDay;
    if (types_[rules::kLineIndocDay]->isChecked()) return rules::kLineIndocDay;
    if (types_[rules::kRecurrentCheckDay]->isChecked()) return rules::kRecurrentCheckDay;
    return rules::kNormalDay;
}

void PairPropsDialog::Ok() {
    const std::string text = opened_.creditInUse ? credit_->text().toStdString() : std::string();
    const bool close = rules::ApplyPairProps(ws_.doc(), ws_.interaction(), opened_, ChosenType(), text);
    // The type is stored even when the dialog stays open: the windows follow it at once.
    ws_.NotifyChanged();
    if (close) accept();
}

}  // namespace lw::ui
