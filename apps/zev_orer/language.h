#ifndef ZEV_ORER_LANGUAGE_H
#define ZEV_ORER_LANGUAGE_H

#include <string>

class QApplication;

/// Chooses the interface language from the suite's "language" setting ("Chinese" selects Chinese, any other
/// value English; a missing or empty value follows the system language and is written back), makes it the
/// default locale with the system's country and installs its translation pack. Failures only go to the log.
void applyInterfaceLanguage(QApplication &app);

/// Loads the pack @p fileName (UTF-8) from the "lang" directory beside the executable into a new translator
/// and installs it in @p app, also when the pack does not load. Logs an error and installs nothing when the
/// directory or the pack is missing.
void installTranslationPack(const std::string &fileName, QApplication &app);

#endif // ZEV_ORER_LANGUAGE_H
