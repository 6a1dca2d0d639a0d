#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace desklet {
namespace {

// "de-DE" gives "de_DE" and then "de": the country's own translation before the
// language's.
QStringList FileLanguages(const QString& language) {
    QString name = language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names{name};
    const qsizetype cut = name.indexOf(QLatin1Char('_'));
    if (cut > 0) {
        names.append(name.left(cut));
    }
    return names;
}

bool IsSourceLanguage(const QString& language) {
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en-")) ||
           language.startsWith(QLatin1String("en_")) || language == QLatin1String("C");
}

// Loads <prefix><name>.qm from folder into a translator that app owns and uses.
// Only that file: QTranslator's own search would fall back to shorter names.
bool InstallFile(QCoreApplication& app, const QString& prefix, const QString& name, const QString& folder) {
    const QString path = folder + QLatin1Char('/') + prefix + name + QStringLiteral(".qm");
    if (!QFile::exists(path)) {
        return false;
    }
    auto* translator = new QTranslator(&app);
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QString Translations::Install(QCoreApplication& app) {
    return Install(app, QLocale::system().uiLanguages(), Folders());
}

QString Translations::Install(QCoreApplication& app, const QStringList& languages, const Folders& folders) {
    const QString qtFolder = folders.qt.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folders.qt;
    for (const QString& language : languages) {
        if (IsSourceLanguage(language)) {
            return {};
        }
        const QStringList names = FileLanguages(language);
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (InstallFile(app, QStringLiteral("desklet_"), names[i], folders.program)) {
                // Qt may have the language only where the program has the country.
                for (qsizetype j = i; j < names.size(); ++j) {
                    if (InstallFile(app, QStringLiteral("qtbase_"), names[j], qtFolder)) {
                        break;
                    }
                }
                return names[i];
            }
        }
    }
    return {};
}

} // namespace desklet
