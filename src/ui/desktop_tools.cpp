#include "ui/desktop_tools.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>


namespace lw::ui {

namespace {

const QStringList& Calculators() {
    static const QStringList programs = {"gnome-calculator", "kcalc", "galculator", "xcalc"};
    return programs;
}

}  // namespace

void StartCalculator(platform::Interaction& ui) {
    for (const QString& name : Calculators()) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
    }
    ui.Message("No desk calculator was found. Install gnome-calculator, kcalc, galculator or xcalc.", "Linewright",
               platform::Icon::Information);
}

}  // namespace lw::ui
