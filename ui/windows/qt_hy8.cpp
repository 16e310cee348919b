#include "ui/windows/qt_hy8.h"

#include <QProcess>
#include <QSettings>

namespace kelp {
namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// A section is a group of the settings.
QString KeyPath(const std::string& section, const std::string& key) {
    return ToQt(section) + "/" + ToQt(key);
}

}  // namespace

// The application names both the organisation and the application, so the
// store is the program's own wherever the platform keeps it.
std::string QtSettingsStore::Read(const std::string& application, const std::string& section,
                                  const std::string& key) {
    QSettings settings(ToQt(application), ToQt(application));
    return settings.value(KeyPath(section, key)).toString().toStdString();
}

void QtSettingsStore::Write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
    QSettings settings(ToQt(application), ToQt(application));
    settings.setValue(KeyPath(section, key), ToQt(value));
    settings.sync();
}

bool QtProcessLauncher::Start(const std::string& program, const std::string& workingDirectory) {
    return QProcess::startDetached(ToQt(program), {}, ToQt(workingDirectory));
}

std::function<void()> Hy8Command(const Model& model, Prompts& prompts, SettingsStore& settings,
                                 ProcessLauncher& launcher,
                                 std::function<CalendarDate()> today) {
    return [&model, &prompts, &settings, &launcher, today = std::move(today)] {
        ExportToHy8(model, prompts, settings, launcher, today);
    };
}

}  // namespace kelp
