#include "LoadedLogs.h"

#include "CliCommands.h"

bool LoadedLogs::load(const QStringList &paths)
{
    _files.clear();
    for (const QString &path : paths) {
        auto file = std::make_unique<vexa_log_file>();
        if (!file->load(CliCommands::nativePath(path).constData())) {
            _error = QStringLiteral("cannot load %1: %2").arg(path, CliCommands::logFailure(path));
            return false;
        }
        _files.push_back(std::move(file));
    }
    return true;
}

TrackExport::Logs LoadedLogs::logs() const
{
    TrackExport::Logs logs;
    for (const auto &file : _files)
        logs.push_back(file.get());
    return logs;
}
