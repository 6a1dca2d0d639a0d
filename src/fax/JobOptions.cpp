#include "fax/JobOptions.h"

#include "fax/FaxNumberList.h"
#include "settings/SettingsKeys.h"

#include <QCoreApplication>

#include <string_view>

namespace desklet {
namespace {

// A choice between two words: false, value unchanged, for any other text.
bool Choose(const std::string& text, std::string_view first, std::string_view second, int& value) {
    if (text == first) {
        value = 0;
    } else if (text == second) {
        value = 1;
    } else {
        return false;
    }
    return true;
}

} // namespace

bool JobOptions::Read(const CMapStringToString& settings, FaxJob& job, std::string& error) {
    error.clear();
    auto refuse = [&error](SettingKey key, const std::string& value) {
        if (error.empty()) {
            // The value's bytes take the place of %2 as they are: they need not be UTF-8.
            error =
                QCoreApplication::translate("JobOptions", "unknown value of -%1: \"%2\"")
                    .arg(QString::fromLatin1(SettingName(key).data(), static_cast<qsizetype>(SettingName(key).size())))
                    .toStdString();
            const std::size_t at = error.find("%2");
            if (at != std::string::npos) {
                error.replace(at, 2, value);
            }
        }
    };
    std::string value;
    if (LookupSetting(settings, SettingKey::Font, value) && !Choose(value, "regular", "bold", job.font)) {
        refuse(SettingKey::Font, value);
    }
    if (LookupSetting(settings, SettingKey::Resolution, value) && !Choose(value, "low", "high", job.resolution)) {
        refuse(SettingKey::Resolution, value);
    }
    int noCover = job.coverPage ? 0 : 1;
    if (LookupSetting(settings, SettingKey::Cover, value)) {
        if (Choose(value, "yes", "no", noCover)) {
            job.coverPage = noCover == 0;
        } else {
            refuse(SettingKey::Cover, value);
        }
    }
    for (auto [key, field] : {std::pair{SettingKey::Comment, &job.comment}, std::pair{SettingKey::From, &job.from},
                              std::pair{SettingKey::Attention, &job.attention}}) {
        if (!LookupSetting(settings, key, value)) {
            continue;
        }
        if (value.find('"') != std::string::npos) {
            refuse(key, value);
        } else {
            *field = value;
        }
    }
    return error.empty();
}

std::vector<std::string> JobOptions::Recipients(const std::string& list) {
    std::vector<std::string> sorted;
    for (const std::string& entry : FaxNumberList::Load(list)) {
        FaxNumberList::Insert(sorted, entry);
    }
    return sorted;
}

} // namespace desklet
