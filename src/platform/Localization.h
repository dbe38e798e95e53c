#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// Id-based translations: every visible text is looked up by its key with qtTrId / qsTrId.
namespace Localization {

// The locale identifier: language, script and region codes joined by underscores
// ("zh_Hant_HK", "en_Latn_US"); the script is the locale's likely script when none was given.
QString localeIdentifier(const QLocale &locale);

// The translation shipped for `locale`: "en", "es", "fr", "de", "ko", "ja", "zh_Hans" or
// "zh_Hant"; "en" when no shipped language matches.
QString languageFor(const QLocale &locale);

// Loads the translation for `locale` into the application, replacing one installed before.
// Returns false (and keeps the keys' English texts) when the translation cannot be loaded.
// Main thread.
bool install(const QLocale &locale);

} // namespace Localization
