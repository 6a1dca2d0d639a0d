#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace desklet {

// Installs the translations for the user's languages into the application, where
// they stay while it lives. The program's texts are written in English: the first
// of the languages that is English, or that the program has a translation for,
// wins, and Qt's own texts (the standard buttons, the file dialog) follow that
// language, so that a window never mixes two. Missing files are no failure: the
// English source texts serve.
class Translations {
public:
    struct Folders {
        // Where the program's desklet_<language>.qm live: built into the program.
        QString program = QStringLiteral(":/i18n");
        // Where Qt's qtbase_<language>.qm live; empty for the installed Qt's folder.
        QString qt;
    };

    // The language whose translations were installed ("de", "pt_BR"); empty when
    // the English source texts serve. languages in order of preference, as
    // QLocale::uiLanguages() gives them ("de-DE", "en").
    static QString Install(QCoreApplication& app, const QStringList& languages, const Folders& folders);
    // The user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG as Qt reads them)
    // and the program's and Qt's own folders.
    static QString Install(QCoreApplication& app);
};

} // namespace desklet
