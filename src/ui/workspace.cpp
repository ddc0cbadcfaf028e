#include "ui/workspace.h"

namespace lw::ui {

Workspace::Workspace(platform::Interaction& interaction, platform::Profile& profile, QObject* parent)
    : QObject(parent), interaction_(interaction), profile_(profile), doc_(std::make_unique<model::Document>()) {
    gestures_ = std::make_unique<rules::GridGestures>(*doc_, board_, interaction_, rules::ReadGridPrefs(profile_));
}

Workspace::~Workspace() = default;

void Workspace::Replace(std::unique_ptr<model::Document> doc) {
    if (!doc) return;
    gestures_.reset();  // holds a reference to the old document
    doc_ = std::move(doc);
    board_ = rules::Board{};
    gestures_ = std::make_unique<rules::GridGestures>(*doc_, board_, interaction_, rules::ReadGridPrefs(profile_));
    emit documentReplaced();
}

}  // namespace lw::ui
