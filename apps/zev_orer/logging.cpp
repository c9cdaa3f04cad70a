#include "logging.h"

#include <QDir>
#include <QFileInfo>
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

// The roaming application-data folder: the parent of the application's own data location, which without
// organisation and application names is <roaming data>/<executable name>.
QString roamingDataPath()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                           QStringLiteral("/.."));
}

QString logFileName()
{
    return QString::fromLocal8Bit((loggerName + ".log").c_str());
}

// Walks down the log folders from the roaming data folder; a level that cannot be entered is skipped, so the
// file ends up in the deepest folder reached. With create false nothing is made and every missing level
// counts as created.
QString walkLogDirectories(bool create)
{
    QString path = roamingDataPath();
    // A fresh account may not have its data folder yet; Windows always has its roaming folder.
    if (create)
        QDir().mkpath(path);
    for (const char *name : logFolders) {
        const QString next = path + QLatin1Char('/') + QLatin1String(name);
        const QFileInfo entry(next);
        if (entry.isDir() || (!entry.exists() && (!create || QDir().mkdir(next))))
            path = next;
    }
    return path + QLatin1Char('/') + logFileName();
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

    const QString path = walkLogDirectories(true);
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
    return walkLogDirectories(false);
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
