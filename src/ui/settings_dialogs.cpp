#include "ui/settings_dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "lw_version.h"
#include "ui/block_font.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {

namespace {

struct SwitchRow {
    const char* key;
    const char* caption;
};

// Check boxes in the dialog's order, each with the key it stores.
constexpr std::array<SwitchRow, 11> kSwitches = {{
    {"Grid", " Display Grid for Weekdays"},
    {"Layovers", " Display Layover Points"},
    {"ShowFullPair", " Display Full Pairing Number"},
    {"ShowFullLayOver", " Display Full Layover Points"},
    {"AutoSave", " Auto Save a .BAK File (10 Mins)"},
    {"RemindBackup", "Remind me to Backup File"},
    {"PrintXes", " Print Day Off Requests"},
    {"HoldCtrlKey", " Hold Ctrl Key to Remove Pairings"},
    {"AllowIllegal", " Allow Illegal Assignments"},
    {"DebugFile", "Log Events to C:\\LWDebug.txt"},
    {"DisableFTP", "Disable FTP Data Transfer"},
}};

bool* SwitchOf(platform::Preferences& p, std::string_view key) {
    if (key == "Grid") return &p.Grid;
    if (key == "Layovers") return &p.Layovers;
    if (key == "ShowFullPair") return &p.ShowFullPair;
    if (key == "ShowFullLayOver") return &p.ShowFullLayOver;
    if (key == "AutoSave") return &p.AutoSave;
    if (key == "RemindBackup") return &p.RemindBackup;
    if (key == "PrintXes") return &p.PrintXes;
    if (key == "HoldCtrlKey") return &p.HoldCtrlKey;
    if (key == "AllowIllegal") return &p.AllowIllegal;
    if (key == "DebugFile") return &p.DebugFile;
    return &p.DisableFTP;
}

QColor ToQColor(platform::Rgb c) { return QColor(c.r, c.g, c.b); }

QIcon Swatch(platform::Rgb c) {
    QPixmap pixmap(16, 16);
    pixmap.fill(ToQColor(c));
    return QIcon(pixmap);
}

// The colour chooser's custom colours: near-black, then greys 16..240, set once per run.
void PrepareCustomColours() {
    static bool done = false;
    if (done) return;
    done = true;
    QColorDialog::setCustomColor(0, QColor(1, 1, 1));
    for (int i = 1; i < 16; ++i) QColorDialog::setCustomColor(i, QColor(16 * i, 16 * i, 16 * i));
}

}  // namespace

PreferencesDialog::PreferencesDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    setWindowTitle("Linewright Preferences");
    platform::Preferences p = ws_.prefs();
    auto* layout = new QVBoxLayout(this);
    for (size_t i = 0; i < kSwitches.size(); ++i) {
        boxes_[i] = new QCheckBox(kSwitches[i].caption, this);
        boxes_[i]->setObjectName(kSwitches[i].key);
        boxes_[i]->setChecked(*SwitchOf(p, kSwitches[i].key));
        layout->addWidget(boxes_[i]);
    }
    Box("AllowIllegal")->setEnabled(false);  // shown as stored; nothing depends on it

    auto* form = new QFormLayout;
    xPadding_ = new QLineEdit(QString::number(p.XPadding), this);
    yPadding_ = new QLineEdit(QString::number(p.YPadding), this);
    for (QLineEdit* e : {xPadding_, yPadding_}) {
        e->setMaxLength(1);
        e->setFixedWidth(30);
    }
    form->addRow("Horizontal  Whitespace", xPadding_);
    form->addRow("Vertical  Whitespace", yPadding_);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto* colours = new QPushButton("Colors...", this);
    auto* font = new QPushButton("Font...", this);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    buttons->addWidget(colours);
    buttons->addWidget(font);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(colours, &QPushButton::clicked, this, [this] {
        ColoursDialog dialog(ws_, this);
        dialog.exec();
    });
    connect(font, &QPushButton::clicked, this, &PreferencesDialog::ChooseFont);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QCheckBox* PreferencesDialog::Box(const char* key) const {
    for (size_t i = 0; i < kSwitches.size(); ++i)
        if (std::string_view(kSwitches[i].key) == key) return boxes_[i];
    return nullptr;
}

platform::Preferences PreferencesDialog::Result() const {
    platform::Preferences p = ws_.prefs();
    for (size_t i = 0; i < kSwitches.size(); ++i) *SwitchOf(p, kSwitches[i].key) = boxes_[i]->isChecked();
    // Only the first character counts, as when the value is read back.
    auto digit = [](const QLineEdit* e) {
        const QString t = e->text();
        return !t.isEmpty() && t[0].isDigit() ? t[0].digitValue() : 0;
    };
    p.XPadding = digit(xPadding_);
    p.YPadding = digit(yPadding_);
    return p;
}

void PreferencesDialog::ChooseFont() {
    bool ok = false;
    const QFont current = BlockFont(ws_.prefs(), false);
    QFont chosen = QFontDialog::getFont(&ok, current, this, "Font", QFontDialog::ScalableFonts);
    if (!ok) return;
    if (chosen.pointSizeF() > 20) chosen.setPointSizeF(20);
    platform::BlockFont record = FontRecordOf(chosen);
    if (ws_.doc().IsFlightAttendants()) record.weight = 400;
    const std::vector<uint8_t> bytes = platform::EncodeFontRecord(record);
    ws_.prefs().FontRecord = bytes;
    if (!ws_.profile().WriteStruct("LW", "Font", bytes))
        ws_.interaction().Message("The block font could not be written to " + ws_.profile().File().string(),
                                  "Linewright", platform::Icon::Stop);
    ws_.NotifyPreferences();
}

ColoursDialog::ColoursDialog(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws), colours_(ws.prefs().Colours) {
    setWindowTitle("Linewright Colors");
    list_ = new QListWidget(this);
    for (size_t i = 0; i < colours_.size(); ++i) {
        const std::string_view name = platform::ColourNames()[i];
        list_->addItem(new QListWidgetItem(Swatch(colours_[i]), QString::fromLatin1(name.data(), qsizetype(name.size()))));
    }
    list_->setCurrentRow(0);
    auto* change = new QPushButton("Change Color", this);
    auto* apply = new QPushButton("Apply Colors", this);
    auto* defaults = new QPushButton("Restore Defaults", this);
    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {change, apply, defaults, ok, cancel}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(change, &QPushButton::clicked, this, &ColoursDialog::ChangeColour);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ColoursDialog::ChangeColour);
    connect(apply, &QPushButton::clicked, this, &ColoursDialog::ApplyColours);
    connect(defaults, &QPushButton::clicked, this, &ColoursDialog::RestoreDefaults);
    connect(ok, &QPushButton::clicked, this, &ColoursDialog::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ColoursDialog::SetColour(int index, platform::Rgb rgb) {
    if (index < 0 || index >= static_cast<int>(colours_.size())) return;
    colours_[static_cast<size_t>(index)] = rgb;
    list_->item(index)->setIcon(Swatch(rgb));
}

void ColoursDialog::ChangeColour() {
    const int row = list_->currentRow();
    if (row < 0) return;
    PrepareCustomColours();
    const QColor c = QColorDialog::getColor(ToQColor(colours_[static_cast<size_t>(row)]), this,
                                            list_->item(row)->text());
    if (!c.isValid()) return;
    SetColour(row, {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())});
}

void ColoursDialog::ApplyColours() {
    ws_.prefs().Colours = colours_;
    ws_.NotifyPreferences();
}

void ColoursDialog::WriteColours() {
    if (!ws_.profile().WriteString("LW", "CustomColors", platform::FormatCustomColors(colours_)))
        ws_.interaction().Message("The colours could not be written to " + ws_.profile().File().string(), "Linewright",
                                  platform::Icon::Stop);
}

void ColoursDialog::Accept() {
    ApplyColours();
    WriteColours();
    accept();
}

void ColoursDialog::RestoreDefaults() {
    const platform::ColourSet defaults = platform::Preferences::DefaultColours();
    for (size_t i = 0; i < defaults.size(); ++i) SetColour(static_cast<int>(i), defaults[i]);
    ApplyColours();
    WriteColours();
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Linewright");
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel("Linewright", this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name);
    auto* version = new QLabel(QString(" ") + LW_VERSION, this);
    version->setObjectName("Version");
    layout->addWidget(version);
    layout->addWidget(new QLabel("Crew block planning for one base, equipment and status.", this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace lw::ui
