#include "fax/FaxNumberRules.h"

#include <QCoreApplication>

namespace desklet {

FaxNumberRules::Rule FaxNumberRules::Check(std::string_view number) {
    const std::size_t n = number.size();
    const char first = n > 0 ? number[0] : '\0';
    if (first == '1') {
        if (n != 11) {
            return Rule::LeadingOneNeedsElevenChars;
        }
        if (number[1] == '0' || number[1] == '1') {
            return Rule::LeadingOneBadSecondDigit;
        }
        return Rule::None;
    }
    if (first == '0') {
        if (n < 8 || n > kMaxLength) {
            return Rule::LeadingZeroLength;
        }
        if (number[1] != '1' || number[2] != '1') {
            return Rule::LeadingZeroNeedsElevenPrefix;
        }
        return Rule::None;
    }
    return n == 10 ? Rule::None : Rule::OtherLeadNeedsTenChars;
}

int FaxNumberRules::Number(Rule rule) {
    return static_cast<int>(rule);
}

namespace {

std::string Translated(const char* text) {
    return QCoreApplication::translate("FaxNumberRules", text).toStdString();
}

} // namespace

std::string FaxNumberRules::Text(Rule rule) {
    switch (rule) {
    case Rule::None:
        return {};
    case Rule::LeadingOneNeedsElevenChars:
        return Translated(QT_TRANSLATE_NOOP("FaxNumberRules",
                                            "A fax number that begins with 1 must be followed by exactly 10 digits"));
    case Rule::LeadingOneBadSecondDigit:
        return Translated(QT_TRANSLATE_NOOP("FaxNumberRules", "A fax telephone number that begins with a 1 can not "
                                                              "have either a 0 or 1 as its second digit"));
    case Rule::LeadingZeroLength:
        return Translated(QT_TRANSLATE_NOOP(
            "FaxNumberRules", "A fax telephone number that begins with a 0 must be between 8 and 35 digits long"));
    case Rule::LeadingZeroNeedsElevenPrefix:
        return Translated(
            QT_TRANSLATE_NOOP("FaxNumberRules", "A fax telephone number that begins with a 0 must be followed by 11"));
    case Rule::OtherLeadNeedsTenChars:
        return Translated(QT_TRANSLATE_NOOP(
            "FaxNumberRules", "A fax number that doesn't begin with 0 or 1 must be exactly 10 digits long"));
    }
    return {};
}

std::string FaxNumberRules::AddCaption(Rule rule) {
    switch (rule) {
    case Rule::None:
        return {};
    case Rule::OtherLeadNeedsTenChars:
        return Translated(QT_TRANSLATE_NOOP("FaxNumberRules", "Incorrectly formatted fax telephone number"));
    default:
        return Translated(QT_TRANSLATE_NOOP("FaxNumberRules", "Please verify the fax telephone number"));
    }
}

std::string FaxNumberRules::SendCaption(std::string_view entry) {
    // The entry is user text: its bytes take the place of %1 as they are (a number
    // from the command line need not be UTF-8), and nothing in it is read as a format.
    std::string caption = Translated(QT_TRANSLATE_NOOP("FaxNumberRules", "Please verify fax telephone number %1"));
    const std::size_t at = caption.find("%1");
    if (at == std::string::npos) {
        caption.append(entry);
    } else {
        caption.replace(at, 2, entry);
    }
    return caption;
}

} // namespace desklet
