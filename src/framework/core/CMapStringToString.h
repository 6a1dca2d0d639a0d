#pragma once

#include <cstddef>
#include <map>
#include <string>

namespace desklet {

// Map from text key to text value. Keys compare byte for byte, so "FILE" and
// "file" are different keys. Text is held as bytes (UTF-8 on Linux).
//
// The two access styles differ for an absent key: operator[] inserts an empty
// entry, Lookup() reports the key absent and leaves the map as it was.
class CMapStringToString {
public:
    using Storage = std::map<std::string, std::string>;
    using const_iterator = Storage::const_iterator;

    // The block size is the framework's allocation hint; a node-based map has
    // no use for it, but callers keep stating it.
    explicit CMapStringToString(int blockSize = 10);

    std::string& operator[](const std::string& key);

    // True and the value when the key is present; false, value untouched, when not.
    bool Lookup(const std::string& key, std::string& value) const;

    // The value of a present key, the empty text for an absent one; the map is not changed.
    std::string LookupOrEmpty(const std::string& key) const;

    void SetAt(const std::string& key, const std::string& value);
    bool RemoveKey(const std::string& key);
    void RemoveAll();

    int GetCount() const { return static_cast<int>(m_map.size()); }
    bool IsEmpty() const { return m_map.empty(); }

    const_iterator begin() const { return m_map.begin(); }
    const_iterator end() const { return m_map.end(); }

private:
    Storage m_map;
};

} // namespace desklet
