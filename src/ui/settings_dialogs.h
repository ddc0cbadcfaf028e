#pragma once
// The preferences dialog with its colours and font buttons, and the About box.
#include <QDialog>
#include <array>

#include "platform/preferences.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace lw::ui {

class Workspace;

// "Linewright Preferences". The colours and the font take effect (and are written) from their
// own dialogs; OK hands back the switches and paddings for the caller to store.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(Workspace& ws, QWidget* parent = nullptr);
    // The workspace's preferences with the dialog's switches and paddings.
    platform::Preferences Result() const;

    QCheckBox* Box(const char* key) const;
    QLineEdit* XPaddingEdit() const { return xPadding_; }
    QLineEdit* YPaddingEdit() const { return yPadding_; }

private:
    void ChooseFont();

    Workspace& ws_;
    std::array<QCheckBox*, 11> boxes_{};
    QLineEdit* xPadding_ = nullptr;
    QLineEdit* yPadding_ = nullptr;
};

// "Linewright Colors": the 13 display colours.
class ColoursDialog : public QDialog {
    Q_OBJECT
public:
    ColoursDialog(Workspace& ws, QWidget* parent = nullptr);
    const platform::ColourSet& Colours() const { return colours_; }
    QListWidget* List() const { return list_; }

    // The buttons' work, without the colour chooser.
    void ApplyColours();
    void Accept();
    void RestoreDefaults();
    void SetColour(int index, platform::Rgb rgb);

private:
    void ChangeColour();
    void WriteColours();

    Workspace& ws_;
    platform::ColourSet colours_;
    QListWidget* list_ = nullptr;
};

// Program name, version and where to find help.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};


}  // namespace lw::ui
