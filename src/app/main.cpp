// lwright: the desktop program. Reads the planner's settings, keeps the run log when asked
// to, and opens the month named on the command line.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <exception>
#include <string>

#include "lw_version.h"
#include "persist/run_log.h"
#include "platform/clock.h"
#include "platform/profile.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "persist/session_record.h"
#include "ui/qt_interaction.h"

namespace {

constexpr char kAppId[] = "org.linewright.Linewright";

// Help, version and usage errors go to the terminal; 0, or 2 for a usage error.
int PrintOnly(const lw::ui::StartRequest& request) {
    const bool error = request.action == lw::ui::StartRequest::Action::Error;
    std::fputs(request.text.toLocal8Bit().constData(), error ? stderr : stdout);
    return error ? 2 : 0;
}

QIcon AppIcon() {
    // The theme's icon once installed; the built-in pictures when run from the build folder.
    QIcon fallback;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        fallback.addFile(QString(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId), QSize(size, size));
    return QIcon::fromTheme(kAppId, fallback);
}

int Run(QApplication& app, const std::optional<std::string>& file) {
    lw::ui::QtInteraction interaction;
    lw::platform::Profile profile(lw::platform::Profile::DefaultPath());
    const lw::platform::SystemClock clock = lw::platform::SystemClock::FromEnvironment();
    lw::persist::RunLog runLog;
    runLog.StartIfWanted(profile, lw::persist::RunLog::DefaultFolder(), interaction, clock);

    lw::ui::MainWindow window(interaction, profile, clock);
    interaction.SetParent(&window);
    window.SetRunLog(&runLog);
    // Kept whatever "DebugFile" says: an abnormal end must be noticed without a run log.
    lw::persist::SessionRecord session(lw::persist::RunLog::DefaultFolder());
    // The place the planner left the window in; else the whole screen: the window manager
    // maximises it, and without one (a bare X server) the size asked for here is what it gets.
    if (window.RestorePlaces()) {
        window.show();
    } else {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window.resize(screen->availableGeometry().size());
        window.showMaximized();
    }
    window.SetSessionRecord(&session);

    if (file) window.OpenFile(*file);
    return app.exec();
}

void Describe() {
    QCoreApplication::setApplicationName("Linewright");
    QCoreApplication::setApplicationVersion(LW_VERSION);
}

}  // namespace

int main(int argc, char** argv) {
    Describe();
    {
        // Help and version need no display: answered before any window system is reached.
        QStringList arguments;
        for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
        if (lw::ui::AsksForTextOnly(arguments)) {
            QCoreApplication core(argc, argv);
            return PrintOnly(lw::ui::ParseStartArguments(QCoreApplication::arguments()));
        }
    }
    QApplication app(argc, argv);
    Describe();
    QGuiApplication::setDesktopFileName(kAppId);
    QApplication::setWindowIcon(AppIcon());
    // Parsed after Qt has taken its own options (-platform, -style ...) out of the arguments.
    const lw::ui::StartRequest request = lw::ui::ParseStartArguments(QApplication::arguments());
    if (request.action != lw::ui::StartRequest::Action::Run) return PrintOnly(request);
    try {
        return Run(app, request.file);
    } catch (const std::exception&) {
        QMessageBox::critical(nullptr, "Exception", "Linewright");
    } catch (...) {
        QMessageBox::critical(nullptr, "Exception", "Linewright");
    }
    return -1;
}
