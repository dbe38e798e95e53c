#pragma once

#include <QLocale>
#include <QString>

// The titles of the six demo items, in the language of a locale.
struct ScreenshotMockCopy {
    QString gpt55;
    QString claudeOpus;
    QString openAIOnAWS;
    QString claudeDesign;
    QString favoriteDesign;
    QString favoriteEnterprise;
};

// The copy for `locale` (the current default locale when omitted): Traditional Chinese when
// the locale's identifier holds "zh_Hant", else by language code (zh, ja, ko, de, fr, es),
// English otherwise.
ScreenshotMockCopy makeMockCopy(const QLocale &locale = QLocale());
