#ifndef ZEV_ORER_LOGGING_H
#define ZEV_ORER_LOGGING_H

#include <QByteArray>
#include <QString>

#include <spdlog/logger.h>

#include <memory>
#include <string>

/// Name of the process logger, printed in every line and used as the log file's base name.
extern std::string loggerName;

/// Returns the process logger, creating its directories, its file and the logger itself on the first call.
/// Throws spdlog::spdlog_ex when the log file cannot be opened; nothing is registered then, so the next call
/// tries again.
std::shared_ptr<spdlog::logger> getLogger();

/// Returns the path of the file the process logger writes to, found as getLogger() finds it (a level blocked
/// by a file is skipped) but without creating anything.
QString logFilePath();

/// Flushes and drops the current logger; later getLogger() calls log under @p name into "<name>.log".
void setLoggerName(const std::string &name);

/// Returns the bytes of text.toLocal8Bit(), embedded zero bytes included.
std::string toLogString(const QString &text);

/// Returns @p bytes as lower-case hexadecimal pairs separated by single blanks ("0a ff 3c"); empty input
/// gives an empty string.
std::string toHexLogString(const QByteArray &bytes);

#endif // ZEV_ORER_LOGGING_H
