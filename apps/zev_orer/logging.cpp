#include "logging.h"

#include <QDir>
#include <QStandardPaths>

#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>
#ifdef _WIN32
#include <spdlog/sinks/msvc_sink.h>
#else
#include <spdlog/sinks/stdout_sinks.h>
#endif

std::string loggerName = "ZEV-ORER";

namespace {

const char *const logFolders[] = {"ruderu", "Rezodi", "log", "zevorer"};

QDir roamingDataDirectory()
{
    QDir dir(QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    // Without organisation and application names the location is <roaming data>/<executable name>.
    dir.cd(QStringLiteral(".."));
    return dir;
}

QString logFileName()
{
    return QString::fromLocal8Bit((loggerName + ".log").c_str());
}

// Walks down the log folders, creating what is missing; a level that cannot be entered is skipped, so the
// file ends up in the deepest folder reached.
QString createLogDirectories()
{
    QDir dir = roamingDataDirectory();
    for (const char *name : logFolders) {
        const QString entry = QLatin1String(name);
        if (!dir.exists(entry))
            dir.mkdir(entry);
        dir.cd(entry);
    }
    return dir.filePath(logFileName());
}

spdlog::filename_t toFileName(const QString &path)
{
#ifdef SPDLOG_WCHAR_FILENAMES
    return path.toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

} // namespace

std::shared_ptr<spdlog::logger> getLogger()
{
    if (auto logger = spdlog::get(loggerName))
        return logger;

    const QString path = createLogDirectories();
#ifdef _WIN32
    auto debuggerSink = std::make_shared<spdlog::sinks::msvc_sink_st>();
#else
    auto debuggerSink = std::make_shared<spdlog::sinks::stderr_sink_st>();
#endif
    auto fileSink = std::make_shared<spdlog::sinks::basic_file_sink_st>(toFileName(path), false);
    auto logger =
        std::make_shared<spdlog::logger>(loggerName, spdlog::sinks_init_list{debuggerSink, fileSink});
    // The default pattern, with the CRLF line ends the log file has on every platform.
    logger->set_formatter(
        std::make_unique<spdlog::pattern_formatter>("%+", spdlog::pattern_time_type::local, "\r\n"));
    logger->set_level(spdlog::level::trace);
    logger->flush_on(spdlog::level::trace);
    spdlog::register_logger(logger);
    return logger;
}

QString logFilePath()
{
    QString path = roamingDataDirectory().absolutePath();
    for (const char *name : logFolders)
        path += QLatin1Char('/') + QLatin1String(name);
    return path + QLatin1Char('/') + logFileName();
}

void setLoggerName(const std::string &name)
{
    if (auto logger = spdlog::get(loggerName)) {
        logger->flush();
        spdlog::drop(loggerName);
    }
    loggerName = name;
}

std::string toLogString(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

std::string toHexLogString(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ')).toLocal8Bit().toStdString();
}
