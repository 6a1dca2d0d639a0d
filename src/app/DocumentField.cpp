#include "app/DocumentField.h"

#include <utility>

namespace desklet {

void DocumentField::HandOver(const std::string& path) {
    m_handedOver = path;
}

void DocumentField::ShowPrinted(const std::string& spoolFile, const std::string& title) {
    m_handedOver = spoolFile;
    m_shownName = title;
    m_namedFile = spoolFile;
}

void DocumentField::ShowKeptCopy(const std::string& copy, const std::string& name) {
    // Never handed over: the outbox deletes its copy when the job is done.
    m_shownName = name;
    m_namedFile = copy;
}

void DocumentField::Replaces(std::int64_t job, const std::string& shownText) {
    m_replaced = Replaced{job, shownText};
}

void DocumentField::TextChanged(const std::string& text) {
    if (m_replaced && text != m_replaced->shownText) {
        m_replaced.reset();
    }
}

std::string DocumentField::PathFor(const std::string& text) const {
    return !m_shownName.empty() && text == m_shownName ? m_namedFile : text;
}

std::string DocumentField::NameFor(const std::string& text) const {
    return !m_shownName.empty() && text == m_shownName ? m_shownName : std::string();
}

std::optional<std::int64_t> DocumentField::ReplacedJob() const {
    return m_replaced ? std::optional(m_replaced->job) : std::nullopt;
}

std::string DocumentField::TakeHandedOver() {
    return std::exchange(m_handedOver, std::string());
}

} // namespace desklet
