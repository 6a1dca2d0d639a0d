#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace desklet {

// What the fax dialog's file field stands for. Its text is mostly the document's
// path; a printed document and a kept fax's copy show a name instead of a
// made-up file name, and the fax travels under that name. Only a document the
// launching program handed over may be deleted after the send, and an Outbox fax
// filled in to go again names the job its send takes the place of.
class DocumentField {
public:
    // A document handed over on the command line: the launching program's copy
    // where a handover makes one, deleted once the dialog is done with it.
    void HandOver(const std::string& path);
    // A printed document, shown by its title; its spool file is handed over.
    void ShowPrinted(const std::string& spoolFile, const std::string& title);
    // A kept fax's copy, shown under the document's name; the outbox owns the copy.
    void ShowKeptCopy(const std::string& copy, const std::string& name);
    // The outbox job a send of the text shown now replaces.
    void Replaces(std::int64_t job, const std::string& shownText);
    // The text changed (typed or browsed): another document is another fax.
    void TextChanged(const std::string& text);
    // Forgets the job a send would have replaced.
    void ForgetReplaced() { m_replaced.reset(); }

    // The file to send when the field shows text.
    std::string PathFor(const std::string& text) const;
    // The name the fax travels under; empty where the file's own name will do.
    std::string NameFor(const std::string& text) const;
    std::optional<std::int64_t> ReplacedJob() const;
    // The handed-over file, given once: the caller deletes it.
    std::string TakeHandedOver();

private:
    std::string m_handedOver;
    // The name shown in place of a made-up file name, and the file it stands for.
    std::string m_shownName;
    std::string m_namedFile;
    struct Replaced {
        std::int64_t job = 0;
        std::string shownText;
    };
    std::optional<Replaced> m_replaced;
};

} // namespace desklet
