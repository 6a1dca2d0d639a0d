#pragma once

#include "settings/Keyring.h"

#include <map>
#include <optional>
#include <string>

namespace desklet::test {

// A keyring in memory. `available` false plays a session without one; `refuse`
// makes every answering operation fail as a locked or denying keyring would.
class FakeKeyring : public Keyring {
public:
    bool available = true;
    bool refuse = false;
    std::map<std::string, std::string> entries;
    int writes = 0;
    int removes = 0;

    bool IsAvailable() override { return available; }

    bool Read(const std::string& key, std::optional<std::string>& secret) override {
        secret.reset();
        if (Answers() && entries.count(key) != 0) {
            secret = entries[key];
        }
        return Answers();
    }
    bool Write(const std::string& key, const std::string& secret) override {
        ++writes;
        if (!Answers()) {
            return false;
        }
        entries[key] = secret;
        return true;
    }
    bool Remove(const std::string& key) override {
        ++removes;
        if (!Answers()) {
            return false;
        }
        entries.erase(key);
        return true;
    }

private:
    bool Answers() {
        ClearError();
        if (!available || refuse) {
            return Fail(available ? "The keyring refused." : "No keyring.");
        }
        return true;
    }
};

} // namespace desklet::test
