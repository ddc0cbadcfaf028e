#pragma once
// Toolbox definition files (.box): the activity codes a crew group's toolbox offers, made
// by the planners and loaded at the start of each month in place of the built-in table.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace lw::model { class Document; }

namespace lw::import {

inline constexpr std::string_view kToolboxFileHeader = "LWToolBox";
inline constexpr std::string_view kLastBoxPathSetting = "LastBoxPath";

// The open dialog for a toolbox file, starting in the folder last used (setting "LastBoxPath").
platform::FileRequest ToolboxFileRequest(std::string lastBoxPath);

// Replaces the document's activities with the records of the file that belong to its crew
// kind. True when the file was read through: the records now stand (none when it holds none),
// the document is modified and folder (when given) receives the file's folder, to be kept
// under "LastBoxPath". False after a message: an unreadable file or one holding more
// activities than the document can take leaves the document as it was; a file that is not a
// toolbox or ends part-way leaves the built-in table in use (ActivityCount 0).
// The caller rebuilds the toolbox window.
bool LoadToolboxFile(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                     std::filesystem::path* folder = nullptr);

}  // namespace lw::import
