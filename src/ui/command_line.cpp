#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QUrl>

#include "lw_version.h"

namespace lw::ui {

std::string JoinCommandLine(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) {
        if (!line.empty()) line += ' ';
        line += a;
    }
    return line;
}

std::optional<std::string> FileFromCommandLine(std::string_view line) {
    if (line.size() < 2) return std::nullopt;
    if (line.front() == '"') {
        line.remove_prefix(1);
        const size_t close = line.find('"');
        if (close != std::string_view::npos) line = line.substr(0, close);
    }
    if (line.empty()) return std::nullopt;
    return std::string(line);
}

namespace {

// A file manager may hand over a URL instead of a path.
std::string LocalPath(const std::string& name) {
    if (name.rfind("file:", 0) != 0) return name;
    const QUrl url(QString::fromStdString(name));
    return url.isLocalFile() ? url.toLocalFile().toStdString() : name;
}

}  // namespace

StartRequest ParseStartArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Linewright: build the monthly blocks of an airline crew group.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument("month", "The month to open: a .lw2 or .lwv file, or its file:// URL.", "[MONTH]");

    StartRequest request;
    if (!parser.parse(arguments)) {
        request.action = StartRequest::Action::Error;
        request.text = parser.errorText() + "\nTry 'lwright --help'.\n";
        return request;
    }
    if (parser.isSet(help)) {
        request.action = StartRequest::Action::Help;
        request.text = parser.helpText();
        return request;
    }
    if (parser.isSet(version)) {
        request.action = StartRequest::Action::Version;
        request.text = QString("Linewright ") + LW_VERSION + '\n';
        return request;
    }
    std::vector<std::string> words;
    for (const QString& word : parser.positionalArguments()) words.push_back(word.toStdString());
    if (const auto file = FileFromCommandLine(JoinCommandLine(words))) request.file = LocalPath(*file);
    return request;
}

bool AsksForTextOnly(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--") break;
        if (a == "-h" || a == "--help" || a == "--help-all" || a == "-v" || a == "--version") return true;
    }
    return false;
}

}  // namespace lw::ui
