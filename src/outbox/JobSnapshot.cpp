#include "outbox/JobSnapshot.h"

#include "settings/SettingsKeys.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace desklet {
namespace {

// The settings that shape the fax itself. Everything else (the mail server, its
// login and both passwords) is read afresh at each try.
constexpr std::array<std::string_view, 6> kFaxSettings = {
    SettingName(SettingKey::Logon),
    SettingName(SettingKey::StationId),
    SettingName(SettingKey::EmailOnDelivered),
    SettingName(SettingKey::EmailOnNotDelivered),
    SettingName(SettingKey::EmailOnQueued),
    SettingName(SettingKey::EmailOnNotQueued),
};

constexpr std::string_view kResolution = SettingName(SettingKey::Resolution);
constexpr std::string_view kFont = SettingName(SettingKey::Font);
constexpr std::string_view kCover = SettingName(SettingKey::Cover);
constexpr std::string_view kComment = SettingName(SettingKey::Comment);
constexpr std::string_view kFrom = SettingName(SettingKey::From);
constexpr std::string_view kAttention = SettingName(SettingKey::Attention);
constexpr std::string_view kDocumentName = "document_name";

std::string valueOf(const KeyValues& values, std::string_view key) {
    const auto it = std::find_if(values.begin(), values.end(), [key](const auto& kv) { return kv.first == key; });
    return it == values.end() ? std::string() : it->second;
}

} // namespace

KeyValues JobSnapshot::Fields(const FaxJob& job) {
    return {
        {std::string(kResolution), std::to_string(job.resolution)},
        {std::string(kFont), std::to_string(job.font)},
        {std::string(kCover), job.coverPage ? "1" : "0"},
        {std::string(kComment), job.comment},
        {std::string(kFrom), job.from},
        {std::string(kAttention), job.attention},
        {std::string(kDocumentName), job.documentName},
    };
}

FaxJob JobSnapshot::JobFrom(const KeyValues& fields, std::vector<std::string> numbers) {
    FaxJob job;
    job.recipients = std::move(numbers);
    job.resolution = valueOf(fields, kResolution) == "1" ? 1 : 0;
    job.font = valueOf(fields, kFont) == "1" ? 1 : 0;
    job.coverPage = valueOf(fields, kCover) != "0";
    job.comment = valueOf(fields, kComment);
    job.from = valueOf(fields, kFrom);
    job.attention = valueOf(fields, kAttention);
    job.documentName = valueOf(fields, kDocumentName);
    return job;
}

KeyValues JobSnapshot::KeptSettings(const CMapStringToString& settings) {
    KeyValues kept;
    for (const std::string_view key : kFaxSettings) {
        std::string value;
        if (settings.Lookup(std::string(key), value)) {
            kept.emplace_back(std::string(key), value);
        }
    }
    return kept;
}

CMapStringToString JobSnapshot::SettingsForTry(const KeyValues& kept, const CMapStringToString& current) {
    CMapStringToString settings;
    for (const auto& [key, value] : current) {
        settings.SetAt(key, value);
    }
    for (const std::string_view key : kFaxSettings) {
        settings.RemoveKey(std::string(key));
    }
    for (const auto& [key, value] : kept) {
        if (std::find(kFaxSettings.begin(), kFaxSettings.end(), key) != kFaxSettings.end()) {
            settings.SetAt(key, value);
        }
    }
    return settings;
}

} // namespace desklet
