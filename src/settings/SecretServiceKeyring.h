#pragma once

#include "settings/Keyring.h"

#include <QString>

#include <chrono>
#include <string_view>

namespace QKeychain {
class Job;
}

namespace desklet {

// The desktop's Secret Service keyring, reached through QtKeychain, with every
// entry under the service name "Desklet". QtKeychain works asynchronously; each
// operation here runs its job to the end in a local event loop that takes no user
// input, bounded by kJobTimeout.
//
// A session without a keyring is told apart before any job starts: no session bus,
// or nobody owning or able to start org.freedesktop.secrets on it. QtKeychain is
// not asked then, as some of its back ends would wait on a bus nobody answers.
class SecretServiceKeyring : public Keyring {
public:
    static constexpr std::string_view kService = "Desklet";
    static constexpr std::string_view kBusName = "org.freedesktop.secrets";
    // A locked keyring asks its owner for the unlock password in a window of its
    // own; the wait leaves time for that, and a keyring that has not answered by
    // then is taken for absent.
    static constexpr std::chrono::seconds kJobTimeout{30};
    // The bus daemon answers whether a name is there at once; one that does not
    // answer within this is no road to a keyring.
    static constexpr std::chrono::seconds kBusTimeout{2};

    bool IsAvailable() override;
    [[nodiscard]] bool Read(const std::string& key, std::optional<std::string>& secret) override;
    [[nodiscard]] bool Write(const std::string& key, const std::string& secret) override;
    [[nodiscard]] bool Remove(const std::string& key) override;

private:
    struct Outcome {
        bool finished = false;
        int error = 0;
        QString errorText;
        QString text;
    };
    // Takes the job, and when a keyring answers starts it on the entry key (it
    // deletes itself once it ends, whenever that is) and waits for it within
    // kJobTimeout. False when no keyring answers or the wait runs out.
    bool Run(QKeychain::Job* job, const std::string& key, Outcome& outcome);
};

} // namespace desklet
