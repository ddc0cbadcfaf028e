#pragma once
// A new month from its first file: the dates dialog, the "Create a New File Wizard" that sets
// the crew group and runs each loader in turn, and "Setup Month" with the month's blocking rules.
#include <QDialog>
#include <array>
#include <functional>

#include "base/date.h"
#include "rules/month_setup.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace lw::platform { class Interaction; class Profile; }
namespace lw::model { class Document; }

namespace lw::ui {

class Workspace;

// "Set Start and End Dates for the New Month": opens on the month after today's; the month
// buttons pick a schedule month, the day buttons move either end. OK sets the month's dates
// and stays open when they cannot make a month.
class SetDatesDialog : public QDialog {
    Q_OBJECT
public:
    SetDatesDialog(model::Document& doc, platform::Interaction& ui, base::Date today, QWidget* parent = nullptr);
    base::Date First() const { return first_; }
    base::Date Last() const { return last_; }
    QLabel* StartText() const { return startText_; }
    QLabel* EndText() const { return endText_; }

private:
    void ChooseMonth(int month, int year);
    void Show();

    model::Document& doc_;
    platform::Interaction& ui_;
    int month_ = 1, year_ = 2000;
    base::Date first_, last_;
    QLabel* startText_ = nullptr;
    QLabel* endText_ = nullptr;
};

// "Setup Month": the month's block limits and days off on scroll bars with their read-outs.
class MonthDialog : public QDialog {
    Q_OBJECT
public:
    explicit MonthDialog(const rules::MonthSettings& settings, QWidget* parent = nullptr);
    rules::MonthSettings Settings() const;
    // The scroll bars, in the order of the settings' fields.
    QScrollBar* Bar(int index) const { return bars_[static_cast<size_t>(index)]; }

private:
    std::array<QScrollBar*, 9> bars_{};
};

// "Create a New File Wizard". The month's dates are set; Next runs the current step (the crew
// group with the toolbox and Setup Month, then roster, absences, last month's activity,
// pairings, LIS files and the save) and moves on whether or not its loader succeeded.
class NewFileWizard : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        std::function<int(QDialog&)> runDialog;  // the window's modal dialogs (Setup Month)
        std::function<bool()> saveAs;           // names and saves the new month
    };
    NewFileWizard(Workspace& ws, platform::Profile& profile, Hooks hooks, base::Date first, base::Date last,
                  QWidget* parent = nullptr);

    int Step() const { return step_; }
    bool GroupConfirmed() const { return groupConfirmed_; }
    bool Saved() const { return saved_; }
    QString StepText() const;
    // "Not Loaded" or "Done" of "Roster", "Absences", "Overlap Info" or "Current Pairings".
    QString StatusText(const QString& name) const;

    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* FinishedButton() const { return finished_; }
    QRadioButton* BaseButton(int i) const { return bases_[static_cast<size_t>(i)]; }
    QRadioButton* EqpButton(int i) const { return eqps_[static_cast<size_t>(i)]; }
    QRadioButton* StatusButton(int i) const { return statuses_[static_cast<size_t>(i)]; }
    QGroupBox* EqpGroup() const { return eqpGroup_; }
    QCheckBox* TypedBox() const { return typed_; }
    // The typed base, equipment, status and first letter of the pairings.
    QLineEdit* TypedEdit(int i) const { return typedEdits_[static_cast<size_t>(i)]; }

private:
    void Next();
    void Back();
    bool GroupStep();
    bool RosterStep();
    bool AbsencesStep();
    bool OverlapStep();
    bool PairingsStep();
    void LisStep();
    void Show();
    void SetDone(int status);

    Workspace& ws_;
    platform::Interaction& ui_;
    platform::Profile& profile_;
    Hooks hooks_;
    base::Date first_, last_;
    int step_ = 0;
    bool groupConfirmed_ = false;
    bool saved_ = false;
    std::array<QRadioButton*, 5> bases_{};
    std::array<QRadioButton*, 4> eqps_{};
    std::array<QRadioButton*, 3> statuses_{};
    QGroupBox* eqpGroup_ = nullptr;
    QWidget* groupArea_ = nullptr;
    QCheckBox* typed_ = nullptr;
    std::array<QLineEdit*, 4> typedEdits_{};
    std::array<QLabel*, 4> status_{};
    QLabel* text_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* finished_ = nullptr;
};

}  // namespace lw::ui
