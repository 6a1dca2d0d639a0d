#include "framework/core/CMapStringToString.h"

namespace desklet {

CMapStringToString::CMapStringToString(int /*blockSize*/) {}

std::string& CMapStringToString::operator[](const std::string& key) {
    return m_map[key];
}

bool CMapStringToString::Lookup(const std::string& key, std::string& value) const {
    const auto it = m_map.find(key);
    if (it == m_map.end()) {
        return false;
    }
    value = it->second;
    return true;
}

std::string CMapStringToString::LookupOrEmpty(const std::string& key) const {
    const auto it = m_map.find(key);
    return it == m_map.end() ? std::string() : it->second;
}

void CMapStringToString::SetAt(const std::string& key, const std::string& value) {
    m_map[key] = value;
}

bool CMapStringToString::RemoveKey(const std::string& key) {
    return m_map.erase(key) > 0;
}

void CMapStringToString::RemoveAll() {
    m_map.clear();
}

} // namespace desklet
