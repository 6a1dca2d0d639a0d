#include "i18n/Translations.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace desklet;
using namespace desklet::test;

namespace {

// Qt's German catalogue stands in for one of the program's: a real .qm whose
// texts are known ("Cancel" of the standard buttons).
QString QtCatalogue(const QString& language) {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") + language +
           QStringLiteral(".qm");
}

QString Cancel() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

class Languages : public testing::Test {
protected:
    TempDir program;

    void SetUp() override {
        if (!QFile::exists(QtCatalogue(QStringLiteral("de"))) || !QFile::exists(QtCatalogue(QStringLiteral("fr")))) {
            GTEST_SKIP() << "Qt's German translations are not installed (qt6-translations-l10n)";
        }
        const QString folder = QString::fromStdString(program.path().string());
        ASSERT_TRUE(QFile::copy(QtCatalogue(QStringLiteral("de")), folder + QStringLiteral("/desklet_de.qm")));
        // German too: "Annuler" can then come only from Qt's own French catalogue.
        ASSERT_TRUE(QFile::copy(QtCatalogue(QStringLiteral("de")), folder + QStringLiteral("/desklet_fr_CA.qm")));
    }

    void TearDown() override {
        // A translator removes itself from the application when it goes.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
    }

    QString Install(const QStringList& languages, const QString& programFolder = {}) {
        Translations::Folders folders;
        folders.program = programFolder.isEmpty() ? QString::fromStdString(program.path().string()) : programFolder;
        return Translations::Install(*QCoreApplication::instance(), languages, folders);
    }
};

TEST_F(Languages, TheFirstLanguageWithATranslationOrEnglishWins) {
    const struct {
        const char* name;
        QStringList languages;
        QString installed;
        QString cancel; // Qt's own text, which follows the program's language
    } rows[] = {
        {"a language the program has", {"de-DE"}, "de", "Abbrechen"},
        {"a language it lacks, then one it has", {"pt-BR", "de"}, "de", "Abbrechen"},
        {"English before a translation: the source texts", {"en-US", "de-DE"}, "", "Cancel"},
        {"a country's own translation, Qt's of the language", {"fr-CA"}, "fr_CA", "Annuler"},
        {"no language the program has", {"pt-BR", "ja"}, "", "Cancel"},
        {"no language at all", {}, "", "Cancel"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Install(row.languages), row.installed) << row.name;
        EXPECT_EQ(Cancel(), row.cancel) << row.name;
        TearDown();
    }
}

TEST_F(Languages, TheBuiltInFolderWithoutTranslationsLeavesTheSourceTexts) {
    // Until the program embeds its catalogues, the resource folder is missing.
    EXPECT_EQ(Install({"de-DE"}, QStringLiteral(":/i18n")), QString());
    EXPECT_EQ(Cancel(), QStringLiteral("Cancel"));
}

} // namespace
