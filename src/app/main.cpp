// lwright: the desktop program. Reads the planner's settings, keeps the run log when asked
// to, and opens the month named on the command line.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <exception>
#include <string>
#include <vector>

#include "persist/run_log.h"
#include "platform/clock.h"
#include "platform/profile.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "persist/session_record.h"
#include "ui/qt_interaction.h"

namespace {

int Run(QApplication& app, int argc, char** argv) {
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
    // The whole screen: the window manager maximises it; without one (a bare X server) the
    // size asked for here is what the planner gets.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) window.resize(screen->availableGeometry().size());
    window.showMaximized();
    window.SetSessionRecord(&session);

    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto file = lw::ui::FileFromCommandLine(lw::ui::JoinCommandLine(args))) window.OpenFile(*file);
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Linewright");
    try {
        return Run(app, argc, argv);
    } catch (const std::exception&) {
        QMessageBox::critical(nullptr, "Exception", "Linewright");
    } catch (...) {
        QMessageBox::critical(nullptr, "Exception", "Linewright");
    }
    return -1;
}
