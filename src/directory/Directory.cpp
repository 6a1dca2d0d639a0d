#include "directory/Directory.h"

#include "directory/DirectoryFilter.h"

#include <ldap.h>
#include <openssl/x509.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>
#include <thread>
#include <utility>

namespace desklet {
namespace {

using Clock = std::chrono::steady_clock;

// What libldap holds, given back whatever way a search ends.
struct Connection {
    LDAP* ld = nullptr;
    // Set by the connection callback: a failure after it is the server's or TLS's,
    // one before it means nothing answered.
    bool bConnected = false;
    ldap_conncb callbacks{};
    ~Connection() {
        if (ld) {
            ldap_unbind_ext_s(ld, nullptr, nullptr);
        }
    }
};

struct Result {
    LDAPMessage* message = nullptr;
    ~Result() {
        if (message) {
            ldap_msgfree(message);
        }
    }
};

struct Values {
    berval** values = nullptr;
    ~Values() {
        if (values) {
            ldap_value_free_len(values);
        }
    }
    int Count() const { return values ? ldap_count_values_len(values) : 0; }
    std::string_view At(int i) const { return {values[i]->bv_val, values[i]->bv_len}; }
};

int OnConnected(LDAP*, Sockbuf*, LDAPURLDesc*, sockaddr*, ldap_conncb* callbacks) {
    *static_cast<bool*>(callbacks->lc_arg) = true;
    return 0;
}

void OnClosing(LDAP*, Sockbuf*, ldap_conncb*) {}

// What is left of the time limit, never nothing: libldap reads a zero as "no limit".
timeval Remaining(Clock::time_point deadline) {
    const auto left = std::max(std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()),
                               std::chrono::microseconds(1000));
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(left.count() / 1000000);
    tv.tv_usec = static_cast<suseconds_t>(left.count() % 1000000);
    return tv;
}

// Bounds the connection attempt, the TLS handshake and every synchronous
// operation by what is left of the search's time.
void LimitTo(LDAP* ld, Clock::time_point deadline) {
    timeval tv = Remaining(deadline);
    (void)ldap_set_option(ld, LDAP_OPT_NETWORK_TIMEOUT, &tv);
    (void)ldap_set_option(ld, LDAP_OPT_TIMEOUT, &tv);
}

// The authorities trusted as the mail connection trusts them: OpenSSL's default
// file and folder, or those that SSL_CERT_FILE and SSL_CERT_DIR name.
std::string TrustedPath(const char* variable, const char* fallback) {
    const char* set = std::getenv(variable);
    return set && *set ? std::string(set) : std::string(fallback);
}

// The server's own words on the last failure, if it sent any.
std::string Diagnostic(LDAP* ld) {
    char* text = nullptr;
    if (ldap_get_option(ld, LDAP_OPT_DIAGNOSTIC_MESSAGE, &text) != LDAP_OPT_SUCCESS || !text) {
        return {};
    }
    std::string result(text);
    ldap_memfree(text);
    return result;
}

// A value as the phone book can show it: no control characters, bounded.
std::string Cleaned(std::string_view value) {
    std::string out;
    for (const char ch : value.substr(0, Directory::kMaxValueChars)) {
        const auto c = static_cast<unsigned char>(ch);
        out += c < 0x20 || c == 0x7f ? ' ' : ch;
    }
    // Not inside a UTF-8 sequence where it was cut.
    if (value.size() > Directory::kMaxValueChars) {
        while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xc0) == 0x80) {
            out.pop_back();
        }
        if (!out.empty() && static_cast<unsigned char>(out.back()) >= 0xc0) {
            out.pop_back();
        }
    }
    const std::size_t first = out.find_first_not_of(' ');
    const std::size_t last = out.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
}

std::string FirstValue(LDAP* ld, LDAPMessage* entry, const char* attribute) {
    Values values{ldap_get_values_len(ld, entry, attribute)};
    return values.Count() > 0 ? Cleaned(values.At(0)) : std::string();
}

// A bind refused for what it presented, not for a broken connection.
bool IsBindRefusal(int rc) {
    switch (rc) {
    case LDAP_INVALID_CREDENTIALS:
    case LDAP_INAPPROPRIATE_AUTH:
    case LDAP_INVALID_DN_SYNTAX:
    case LDAP_UNWILLING_TO_PERFORM:
    case LDAP_CONFIDENTIALITY_REQUIRED:
    case LDAP_STRONG_AUTH_REQUIRED:
    case LDAP_INSUFFICIENT_ACCESS:
        return true;
    default:
        return false;
    }
}

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f || c == ' '; });
}

enum class StartTlsOffer { Offered, NotOffered, Unknown };

constexpr int kStartTlsAttempts = 5;
constexpr std::chrono::milliseconds kStartTlsPause{50};

} // namespace

Directory::Directory(DirectorySettings settings) : m_settings(std::move(settings)) {}

bool Directory::Fail(DirectoryFailure failure, std::string message) {
    m_failure = failure;
    m_strLastError = std::move(message);
    return false;
}

bool Directory::Search(const std::string& text, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    m_failure = DirectoryFailure::None;
    m_strLastError.clear();
    m_bUsedTls = false;
    const auto deadline = Clock::now() + kTimeLimit;

    // A URL names one server and nothing else: libldap would also take a list, a
    // base or a filter, and ldapi:// and other schemes.
    const std::string& url = m_settings.url;
    if (url.empty() || m_settings.base.empty()) {
        return Fail(DirectoryFailure::BadSettings, "No directory server or search base is set.");
    }
    LDAPURLDesc* parsed = nullptr;
    if (HasControlCharacter(url) || ldap_url_parse(url.c_str(), &parsed) != LDAP_URL_SUCCESS) {
        return Fail(DirectoryFailure::BadSettings, "The directory server's address " + url + " is not an LDAP URL.");
    }
    std::string scheme = parsed->lud_scheme ? parsed->lud_scheme : "";
    for (char& c : scheme) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const bool bOneServer = parsed->lud_host && *parsed->lud_host && (!parsed->lud_dn || !*parsed->lud_dn) &&
                            !parsed->lud_attrs && !parsed->lud_filter && !parsed->lud_exts;
    ldap_free_urldesc(parsed);
    if ((scheme != "ldap" && scheme != "ldaps") || !bOneServer) {
        return Fail(DirectoryFailure::BadSettings,
                    "The directory server's address " + url + " is not ldap://server or ldaps://server.");
    }
    std::string wanted(std::string_view(text).substr(0, kMaxSearchChars));
    if (wanted.find_first_not_of(" \t") == std::string::npos) {
        return true;
    }

    Connection connection;
    if (ldap_initialize(&connection.ld, url.c_str()) != LDAP_SUCCESS || !connection.ld) {
        return Fail(DirectoryFailure::BadSettings, "The directory server's address " + url + " is not usable.");
    }
    LDAP* ld = connection.ld;
    const int version = LDAP_VERSION3;
    (void)ldap_set_option(ld, LDAP_OPT_PROTOCOL_VERSION, &version);
    // A referral would send the search, and the bind, to a server nobody chose.
    (void)ldap_set_option(ld, LDAP_OPT_REFERRALS, LDAP_OPT_OFF);
    connection.callbacks = ldap_conncb{&OnConnected, &OnClosing, &connection.bConnected};
    (void)ldap_set_option(ld, LDAP_OPT_CONNECT_CB, &connection.callbacks);

    // Verification cannot be switched off, whatever ldap.conf or LDAPTLS_* say.
    const int demand = LDAP_OPT_X_TLS_DEMAND;
    const int minimum = LDAP_OPT_X_TLS_PROTOCOL_TLS1_2;
    const std::string caFile = TrustedPath(X509_get_default_cert_file_env(), X509_get_default_cert_file());
    const std::string caDir = TrustedPath(X509_get_default_cert_dir_env(), X509_get_default_cert_dir());
    std::error_code ignored;
    bool bTlsReady = ldap_set_option(ld, LDAP_OPT_X_TLS_REQUIRE_CERT, &demand) == LDAP_OPT_SUCCESS &&
                     ldap_set_option(ld, LDAP_OPT_X_TLS_PROTOCOL_MIN, &minimum) == LDAP_OPT_SUCCESS;
    if (std::filesystem::is_regular_file(caFile, ignored)) {
        bTlsReady = bTlsReady && ldap_set_option(ld, LDAP_OPT_X_TLS_CACERTFILE, caFile.c_str()) == LDAP_OPT_SUCCESS;
    }
    if (std::getenv(X509_get_default_cert_dir_env()) && std::filesystem::is_directory(caDir, ignored)) {
        bTlsReady = bTlsReady && ldap_set_option(ld, LDAP_OPT_X_TLS_CACERTDIR, caDir.c_str()) == LDAP_OPT_SUCCESS;
    }
    const int newContext = 0;
    bTlsReady = bTlsReady && ldap_set_option(ld, LDAP_OPT_X_TLS_NEWCTX, &newContext) == LDAP_OPT_SUCCESS;
    if (!bTlsReady) {
        return Fail(DirectoryFailure::TlsRefused, "TLS could not be prepared for the directory server.");
    }

    // Failures of the connection, told apart by whether anything answered.
    const auto connectionFailure = [&](int rc, const std::string& step) {
        std::string message = "The directory server " + url + " " + step + ": " + ldap_err2string(rc);
        const std::string said = Diagnostic(ld);
        if (!said.empty()) {
            message += " (" + said + ")";
        }
        if (!connection.bConnected) {
            return Fail(DirectoryFailure::Unreachable, std::move(message));
        }
        return Fail(rc == LDAP_TIMEOUT || Clock::now() >= deadline ? DirectoryFailure::Timeout
                                                                   : DirectoryFailure::Unreachable,
                    std::move(message));
    };

    const bool bPassword = !m_settings.bindDn.empty() && !m_settings.bindPassword.empty();
    if (scheme == "ldaps") {
        LimitTo(ld, deadline);
        const int rc = ldap_connect(ld);
        if (rc != LDAP_SUCCESS) {
            if (connection.bConnected && rc != LDAP_TIMEOUT) {
                return Fail(DirectoryFailure::TlsRefused,
                            "The directory server " + url +
                                " refused TLS or its certificate was refused: " + ldap_err2string(rc));
            }
            return connectionFailure(rc, "could not be reached");
        }
        m_bUsedTls = true;
    } else {
        // Whether the server offers StartTLS, from its root entry (RFC 4512, 5.1).
        StartTlsOffer offer = StartTlsOffer::Unknown;
        {
            char supportedExtension[] = "supportedExtension";
            char* attributes[] = {supportedExtension, nullptr};
            timeval tv = Remaining(deadline);
            LimitTo(ld, deadline);
            Result root;
            const int rc = ldap_search_ext_s(ld, "", LDAP_SCOPE_BASE, "(objectClass=*)", attributes, 0, nullptr,
                                             nullptr, &tv, 1, &root.message);
            if (rc < 0) {
                return connectionFailure(rc, "could not be reached");
            }
            LDAPMessage* entry = rc == LDAP_SUCCESS ? ldap_first_entry(ld, root.message) : nullptr;
            if (entry) {
                Values values{ldap_get_values_len(ld, entry, supportedExtension)};
                offer = StartTlsOffer::NotOffered;
                for (int i = 0; i < values.Count(); ++i) {
                    if (values.At(i) == LDAP_EXOP_START_TLS) {
                        offer = StartTlsOffer::Offered;
                    }
                }
            }
        }
        if (offer == StartTlsOffer::NotOffered && bPassword) {
            return Fail(DirectoryFailure::TlsRefused,
                        "The directory server " + url + " offers no StartTLS; the password is not sent unencrypted.");
        }
        if (offer != StartTlsOffer::NotOffered) {
            // A server may still count the root entry's search as outstanding for
            // a moment after its answer, and refuses StartTLS meanwhile with an
            // operations error (RFC 4511, 4.14.1): ask again, briefly.
            int rc = LDAP_OPERATIONS_ERROR;
            for (int attempt = 0; attempt < kStartTlsAttempts && rc == LDAP_OPERATIONS_ERROR; ++attempt) {
                if (attempt > 0) {
                    std::this_thread::sleep_for(kStartTlsPause);
                }
                LimitTo(ld, deadline);
                rc = ldap_start_tls_s(ld, nullptr, nullptr);
            }
            if (rc == LDAP_SUCCESS) {
                m_bUsedTls = true;
            } else if (rc < 0 || bPassword) {
                // A failed handshake leaves no usable connection, and a refused
                // certificate is no reason to go on in plain text.
                if (rc == LDAP_TIMEOUT) {
                    return connectionFailure(rc, "did not finish StartTLS");
                }
                return Fail(DirectoryFailure::TlsRefused,
                            "The directory server " + url +
                                " refused StartTLS or its certificate was refused: " + ldap_err2string(rc));
            }
            // A server that declines (one that lists StartTLS without a certificate
            // of its own does) gets the anonymous search in plain text, as one
            // that does not list it.
        }
    }

    if (bPassword) {
        if (!m_bUsedTls) {
            return Fail(DirectoryFailure::TlsRefused, "The password is not sent to " + url + " unencrypted.");
        }
        berval credentials{};
        credentials.bv_val = const_cast<char*>(m_settings.bindPassword.data());
        credentials.bv_len = m_settings.bindPassword.size();
        LimitTo(ld, deadline);
        const int rc =
            ldap_sasl_bind_s(ld, m_settings.bindDn.c_str(), LDAP_SASL_SIMPLE, &credentials, nullptr, nullptr, nullptr);
        if (rc != LDAP_SUCCESS) {
            if (IsBindRefusal(rc)) {
                return Fail(DirectoryFailure::BindRefused, "The directory server " + url + " refused the login " +
                                                               m_settings.bindDn + ": " + ldap_err2string(rc));
            }
            return connectionFailure(rc, "did not answer the login");
        }
    }

    const std::string filter = DirectorySearchFilter(wanted);
    char cn[] = "cn", sn[] = "sn", givenName[] = "givenName", o[] = "o", fax[] = "facsimileTelephoneNumber";
    char* attributes[] = {cn, sn, givenName, o, fax, nullptr};
    timeval tv = Remaining(deadline);
    LimitTo(ld, deadline);
    Result found;
    const int rc = ldap_search_ext_s(ld, m_settings.base.c_str(), LDAP_SCOPE_SUBTREE, filter.c_str(), attributes, 0,
                                     nullptr, nullptr, &tv, kSizeLimit, &found.message);
    // Past the size or time limit the entries that came are kept.
    if (rc != LDAP_SUCCESS && rc != LDAP_SIZELIMIT_EXCEEDED && rc != LDAP_TIMELIMIT_EXCEEDED) {
        if (rc < 0) {
            return connectionFailure(rc, "did not answer the search");
        }
        std::string message = "The directory server " + url + " refused the search: " + ldap_err2string(rc);
        const std::string said = Diagnostic(ld);
        if (!said.empty()) {
            message += " (" + said + ")";
        }
        return Fail(DirectoryFailure::SearchRefused, std::move(message));
    }
    for (LDAPMessage* entry = ldap_first_entry(ld, found.message);
         entry && entries.size() < static_cast<std::size_t>(kSizeLimit); entry = ldap_next_entry(ld, entry)) {
        DirectoryEntry person;
        person.name = FirstValue(ld, entry, cn);
        if (person.name.empty()) {
            person.name = Cleaned(FirstValue(ld, entry, givenName) + " " + FirstValue(ld, entry, sn));
        }
        person.company = FirstValue(ld, entry, o);
        Values numbers{ldap_get_values_len(ld, entry, fax)};
        for (int i = 0; i < numbers.Count() && entries.size() < static_cast<std::size_t>(kSizeLimit); ++i) {
            person.faxNumber = Cleaned(FaxNumberOfValue(numbers.At(i)));
            if (!person.faxNumber.empty()) {
                entries.push_back(person);
            }
        }
    }
    return true;
}

} // namespace desklet
