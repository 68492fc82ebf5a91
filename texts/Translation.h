#pragma once

#include <QLocale>

class QCoreApplication;

namespace vantor {

// True when the locale is Chinese written in Traditional script (zh_TW, zh_HK
// and the like); those users get the Chinese texts, everyone else English.
bool usesTraditionalChinese(const QLocale& locale);

// Installs the program's own Chinese texts and Qt's for its standard buttons
// when the locale asks for them. The translators belong to the application.
// Returns true when the Chinese texts were installed.
bool installTranslations(QCoreApplication& app, const QLocale& locale);

// The language the desktop shows its own texts in (LANGUAGE, LC_MESSAGES,
// LANG), which may differ from the one it formats numbers in.
QLocale userInterfaceLocale();

} // namespace vantor
