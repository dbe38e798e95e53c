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

// The language of Qt's own translations that matches languageFor() ("zh_CN" for "zh_Hans",
// "zh_TW" for "zh_Hant", the same code otherwise).
QString qtLanguageFor(const QLocale &locale);

// Loads the translation for `locale` into the application (Japanese texts wrap between phrases
// and Korean ones between words, see PhraseBreaker), and Qt's own for the same language
// (its dialogs and menus; the package qt6-translations-l10n), replacing those installed before.
// Returns false (and keeps the keys' English texts) when the app's translation cannot be
// loaded; Qt's texts stay English where the system lacks them. Main thread.
bool install(const QLocale &locale);

} // namespace Localization
