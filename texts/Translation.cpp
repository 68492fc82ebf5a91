#include "texts/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace vantor {

bool usesTraditionalChinese(const QLocale& locale) {
    if (locale.language() != QLocale::Chinese)
        return false;
    if (locale.script() == QLocale::TraditionalChineseScript)
        return true;
    if (locale.script() == QLocale::SimplifiedChineseScript)
        return false;
    const auto territory = locale.territory();
    return territory == QLocale::Taiwan || territory == QLocale::HongKong ||
           territory == QLocale::Macau;
}

QLocale userInterfaceLocale() {
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.constFirst());
}

bool installTranslations(QCoreApplication& app, const QLocale& locale) {
    if (!usesTraditionalChinese(locale))
        return false;
    // Every area of the program brings its own catalogue; all are compiled in.
    bool installed = false;
    const QDir catalogues(QStringLiteral(":/i18n"));
    for (const QString& name : catalogues.entryList({QStringLiteral("*_zh_TW.qm")})) {
        auto* translator = new QTranslator(&app);
        if (translator->load(catalogues.filePath(name))) {
            QCoreApplication::installTranslator(translator);
            installed = true;
        } else {
            delete translator;
        }
    }
    auto* standard = new QTranslator(&app);
    if (standard->load(QStringLiteral("qtbase_zh_TW"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(standard);
    else
        delete standard;
    return installed;
}

} // namespace vantor
