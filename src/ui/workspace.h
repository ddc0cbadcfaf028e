#pragma once
// The open month as every window of the desktop program sees it: the document, what the
// engine keeps beside it, the planner's settings, and the signals the windows repaint on.
// Windows change the month only through the core and then call NotifyChanged().
#include <QObject>
#include <memory>

#include "model/document.h"
#include "platform/interaction.h"
#include "platform/preferences.h"
#include "platform/profile.h"
#include "rules/assignment.h"
#include "rules/gestures.h"

namespace lw::ui {

class Workspace : public QObject {
    Q_OBJECT
public:
    Workspace(platform::Interaction& interaction, platform::Profile& profile, QObject* parent = nullptr);
    ~Workspace() override;

    model::Document& doc() { return *doc_; }
    const model::Document& doc() const { return *doc_; }
    rules::Board& board() { return board_; }
    rules::GridGestures& gestures() { return *gestures_; }
    platform::Interaction& interaction() { return interaction_; }
    platform::Profile& profile() { return profile_; }
    // Read at start-up, replaced by the preferences and colours dialogs.
    platform::Preferences& prefs() { return prefs_; }

    // Another month is open (File Open, File New): the engine's state and the gestures start
    // afresh for it.
    void Replace(std::unique_ptr<model::Document> doc);

    void NotifyChanged() { emit documentChanged(); }
    void NotifySelection() { emit selectionChanged(); }
    // The preferences, colours or block font changed: lay out and repaint with them.
    void NotifyPreferences() { emit preferencesChanged(); }

signals:
    void documentChanged();   // contents changed: repaint, refresh the gauges
    void documentReplaced();  // another month is open: lay everything out again
    void selectionChanged();  // the pairing selected for assignment changed
    void preferencesChanged();  // prefs() changed: cell sizes, colours, fonts

private:
    platform::Interaction& interaction_;
    platform::Profile& profile_;
    platform::Preferences prefs_;
    std::unique_ptr<model::Document> doc_;
    rules::Board board_;
    std::unique_ptr<rules::GridGestures> gestures_;
};

}  // namespace lw::ui
