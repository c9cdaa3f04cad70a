#ifndef ZEV_ORER_FRAMELESSTRANSLATOR_H
#define ZEV_ORER_FRAMELESSTRANSLATOR_H

#include "frameless_export.h"

class QLocale;

/// Installs in the application a translator for the toolkit's own texts (button labels, tool tips) in the
/// language of @p locale, from the toolkit's pack built into the library. Returns false, installing nothing,
/// when the toolkit has no pack for that language or no QCoreApplication exists; the texts then stay English.
FRAMELESS_EXPORT bool installFramelessTranslator(const QLocale &locale);

#endif // ZEV_ORER_FRAMELESSTRANSLATOR_H
