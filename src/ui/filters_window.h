#pragma once
// The pairing filters window of a cabin month: pick pairing numbers, type a text filter of key
// words, apply or remove the filters, and save or recall a filter with a crew member. The
// pairings window then shows only what the filters let through.
#include <QWidget>
#include <functional>
#include <memory>

#include "bids/filters.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace lw::ui {

class FilterNumberGrid;
class Workspace;

class FiltersWindow : public QWidget {
    Q_OBJECT
public:
    explicit FiltersWindow(Workspace& ws, QWidget* parent = nullptr);
    ~FiltersWindow() override;

    FilterNumberGrid* Grid() const { return grid_; }
    QComboBox* TextBox() const { return text_; }
    QListWidget* CrewList() const { return crew_; }
    QPushButton* Button(const char* text) const;
    // How the wizard is run (tests answer it instead of the planner).
    void SetDialogRunner(std::function<int(QDialog&)> runner) { runDialog_ = std::move(runner); }

signals:
    // The pairings window's caption after the filters changed.
    void pairingsCaptionChanged(const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The month's pairings or crew changed: new cells and crew lines, the state kept.
    void Reload();
    void FillRecentTexts();
    void TakeEditText();
    void ShowState();
    void Apply();
    void Remove();
    void Invert();
    void Save();
    void Recall();
    void RunWizard();
    void FiltersChanged();

    Workspace& ws_;
    std::unique_ptr<bids::FilterWindow> core_;
    FilterNumberGrid* grid_ = nullptr;
    QComboBox* text_ = nullptr;
    QListWidget* crew_ = nullptr;
    std::function<int(QDialog&)> runDialog_;
};

}  // namespace lw::ui
