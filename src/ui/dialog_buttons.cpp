#include "ui/dialog_buttons.h"

#include <QPushButton>

namespace lw::ui {

QHBoxLayout* OkCancelRow(QDialog* dialog, const std::function<void()>& onOk) {
    auto* ok = new QPushButton("OK", dialog);
    auto* cancel = new QPushButton("Cancel", dialog);
    ok->setDefault(true);
    if (onOk) QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    else QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

}  // namespace lw::ui
