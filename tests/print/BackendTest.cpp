// The backend driven as the print system drives it: argv[0] the device URI, then
// job id, user, title, copies, options and maybe a file; the document on the file
// or on standard input; the user the print system authenticated, and the spool
// root (the tests' build), in the environment.
#include "print/SpoolDelivery.h"
#include "print/SpoolNames.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <pwd.h>
#include <random>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace desklet;
using desklet::test::TempDir;

namespace {

constexpr int kOk = 0, kFailed = 1, kHold = 3, kCancel = 5;
constexpr rlim_t kNoLimit = RLIM_INFINITY;

// As root the backend writes as the job's owner, so the owner is someone else;
// without root it can only write for us.
struct Owner {
    std::string name;
    uid_t uid;
    gid_t gid;
};
Owner JobOwner() {
    const passwd* entry = getuid() == 0 ? getpwnam("nobody") : getpwuid(getuid());
    return {entry->pw_name, entry->pw_uid, entry->pw_gid};
}

std::string RandomBytes(std::size_t size) {
    std::mt19937 generator(7);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What the print system sets beside the arguments; nullopt leaves a variable out.
using Environment = std::map<std::string, std::optional<std::string>>;

struct BackendRun {
    std::vector<std::string> args; // after argv[0]
    std::string stdinPath = "/dev/null";
    rlim_t fileSizeLimit = RLIM_INFINITY;
    Environment environment = {}; // as the print system sets it for a job whose owner it authenticated, and more
};

int RunBackend(const fs::path& spoolRoot, const BackendRun& run) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv(std::string(kSpoolRootVariable).c_str(), spoolRoot.c_str(), 1);
        Environment environment{{"AUTH_USERNAME", run.args.size() > 1 ? run.args[1] : ""}};
        for (const auto& [name, value] : run.environment) {
            environment[name] = value;
        }
        for (const auto& [name, value] : environment) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
        const int in = open(run.stdinPath.c_str(), O_RDONLY);
        dup2(in, STDIN_FILENO);
        // A write past the limit then fails with EFBIG instead of killing the process.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{run.fileSizeLimit, run.fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::vector<char*> argv{const_cast<char*>("desklet:/")};
        for (const std::string& a : run.args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execv(DESKLET_TEST_BACKEND, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Everything below the folder, as relative paths, links not followed.
std::vector<std::string> Tree(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        names.push_back(entry.path().lexically_relative(folder).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Backend : public testing::Test {
public:
    TempDir spool;
    TempDir outside;
    Owner owner = JobOwner();
    std::string inboxName = std::to_string(owner.uid);
    fs::path inbox = spool.path() / inboxName;
    std::string document = "%PDF-1.7\n" + RandomBytes(300 * 1024);
    fs::path documentFile = outside.WriteFile("doc.pdf", document);

    void TearDown() override {
        // Nothing of ours may ever land outside the spool root.
        EXPECT_EQ(Tree(outside.path()), (std::vector<std::string>{"doc.pdf", "victim"}));
    }
    void SetUp() override { outside.WriteFile("victim", "keep me"); }
    void MakeInbox() const {
        fs::create_directory(inbox);
        EXPECT_EQ(chown(inbox.c_str(), owner.uid, owner.gid), 0);
    }
    void CheckOnly(const std::vector<std::string>& expected) const { EXPECT_EQ(Tree(spool.path()), expected); }
};

TEST_F(Backend, withoutArgumentsNamesItsDevice) {
    FILE* pipe = popen(DESKLET_TEST_BACKEND, "r");
    ASSERT_NE(pipe, nullptr);
    char line[256] = {};
    ASSERT_NE(fgets(line, sizeof line, pipe), nullptr);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_STREQ(line, "direct desklet:/ \"Quillmark Desklet\" \"Fax (Desklet)\"\n");
    CheckOnly({});
}

TEST_F(Backend, documentArrivesWholeAndPrivateFromFileAndFromStandardInput) {
    for (const bool fromStdin : {false, true}) {
        SCOPED_TRACE(fromStdin ? "standard input" : "file argument");
        BackendRun run{{fromStdin ? "8" : "7", owner.name, "Quarterly report.pdf", "2", "media=A4"}};
        if (fromStdin) {
            run.stdinPath = documentFile.string();
        } else {
            run.args.push_back(documentFile.string());
        }
        ASSERT_EQ(RunBackend(spool.path(), run), kOk);
    }
    CheckOnly(
        {inboxName, inboxName + "/QUILLTMP-7-Quarterly report.pdf", inboxName + "/QUILLTMP-8-Quarterly report.pdf"});
    struct stat info {};
    ASSERT_EQ(stat(inbox.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, owner.uid);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
    for (const char* name : {"QUILLTMP-7-Quarterly report.pdf", "QUILLTMP-8-Quarterly report.pdf"}) {
        ASSERT_EQ(stat((inbox / name).c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, owner.uid) << name;
        EXPECT_EQ(info.st_gid, owner.gid) << name;
        EXPECT_EQ(info.st_mode & 07777, 0600u) << name;
        EXPECT_TRUE(ReadAll(inbox / name) == document) << name;
    }
}

TEST_F(Backend, cancelledJobLeavesNoHalfDocument) {
    const fs::path fifo = spool.path() / "feed";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        setenv(std::string(kSpoolRootVariable).c_str(), spool.path().c_str(), 1);
        setenv("AUTH_USERNAME", owner.name.c_str(), 1);
        dup2(open(fifo.c_str(), O_RDONLY), STDIN_FILENO);
        execl(DESKLET_TEST_BACKEND, "desklet:/", "21", owner.name.c_str(), "t", "1", "", nullptr);
        _exit(127);
    }
    const int feed = open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(feed, 0);
    ASSERT_EQ(write(feed, "%PDF-1.4 ", 9), 9);
    // Cancel once the copy has begun, as the print system does with SIGTERM.
    const fs::path part = inbox / ".QUILLTMP-21.part";
    for (int i = 0; i < 500 && !fs::exists(part); ++i) {
        usleep(10000);
    }
    EXPECT_TRUE(fs::exists(part));
    kill(pid, SIGTERM);
    close(feed);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kFailed) << status;
    fs::remove(fifo);
    CheckOnly({inboxName});
}

struct HostileCase {
    std::string name;
    std::function<void(Backend&)> plant;
    std::vector<std::string> args; // job id, user (empty: the owner), title
    int exitCode;
    std::vector<std::string> left; // below the inbox, "" for the inbox itself
    rlim_t fileSizeLimit;
    std::string stdinPath; // empty: the document; "victim": the text file beside it
    Environment environment = {};
    friend void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }
};

class BackendHostile : public Backend, public testing::WithParamInterface<HostileCase> {};

const HostileCase kHostileCases[] = {
    {"title that climbs stays a name in the inbox",
     {},
     {"11", "", "../../x"},
     kOk,
     {"", "QUILLTMP-11-___.._x.pdf"},
     kNoLimit,
     ""},
    {"control bytes and a 500 character title are cut and replaced",
     {},
     {"12", "", std::string("a\r\nb\x01\x7f") + std::string(500, 'c')},
     kOk,
     {"", "QUILLTMP-12-a__b__" + std::string(kMaxTitleBytes - 6, 'c') + ".pdf"},
     kNoLimit,
     ""},
    {"unknown user is refused", {}, {"13", "no-such-user-here", "t"}, kCancel, {}, kNoLimit, ""},
    {"job id that is not a number is refused", {}, {"1/..", "", "t"}, kCancel, {}, kNoLimit, ""},
    {"inbox planted as a link is not followed",
     [](Backend& b) { fs::create_directory_symlink(b.outside.path(), b.inbox); },
     {"14", "", "t"},
     kCancel,
     {""},
     kNoLimit,
     ""},
    {"final name planted as a link moves to the next name",
     [](Backend& b) {
         b.MakeInbox();
         fs::create_symlink(b.outside.path() / "victim", b.inbox / "QUILLTMP-15-t.pdf");
     },
     {"15", "", "t"},
     kOk,
     {"", "QUILLTMP-15-t (2).pdf", "QUILLTMP-15-t.pdf"},
     kNoLimit,
     ""},
    {"half-written name planted as a link is not written through",
     [](Backend& b) {
         b.MakeInbox();
         fs::create_symlink(b.outside.path() / "victim", b.inbox / ".QUILLTMP-16.part");
     },
     {"16", "", "t"},
     kOk,
     {"", "QUILLTMP-16-t.pdf"},
     kNoLimit,
     ""},
    {"failed write holds the job and leaves nothing", {}, {"17", "", "t"}, kHold, {""}, 4096, ""},
    {"unreadable document fails and leaves nothing", {}, {"18", "", "t"}, kFailed, {}, kNoLimit, "/"},
    {"job whose owner the print system did not authenticate is refused",
     {},
     {"30", "", "Sign and fax back"},
     kCancel,
     {},
     kNoLimit,
     "",
     {{"AUTH_USERNAME", std::nullopt}}},
    {"job that names another user than the authenticated one is refused",
     {},
     {"31", "", "t"},
     kCancel,
     {},
     kNoLimit,
     "",
     {{"AUTH_USERNAME", "root"}}},
    {"job printed from another user id than its owner's is refused",
     {},
     {"32", "", "t"},
     kCancel,
     {},
     kNoLimit,
     "",
     {{"AUTH_UID", "4242"}}},
    {"raw job that is not a PDF is refused", {}, {"33", "", "t"}, kCancel, {}, kNoLimit, "victim"},
    {"job with no document is refused", {}, {"34", "", "t"}, kCancel, {}, kNoLimit, "/dev/null"},
};

TEST_P(BackendHostile, leavesNothingBehindAndNothingOutside) {
    const HostileCase& c = GetParam();
    if (c.plant) {
        c.plant(*this);
    }
    BackendRun run{c.args};
    if (run.args[1].empty()) {
        run.args[1] = owner.name;
    }
    run.args.insert(run.args.end(), {"1", ""});
    run.stdinPath = c.stdinPath.empty()       ? documentFile.string()
                    : c.stdinPath == "victim" ? (outside.path() / "victim").string()
                                              : c.stdinPath;
    run.fileSizeLimit = c.fileSizeLimit;
    run.environment = c.environment;
    EXPECT_EQ(RunBackend(spool.path(), run), c.exitCode);
    std::vector<std::string> expected;
    for (const std::string& name : c.left) {
        expected.push_back(name.empty() ? inboxName : inboxName + "/" + name);
    }
    CheckOnly(expected);
    EXPECT_EQ(ReadAll(outside.path() / "victim"), "keep me");
}

INSTANTIATE_TEST_SUITE_P(Cases, BackendHostile, testing::ValuesIn(kHostileCases), desklet::test::SentenceName{});

struct FullInboxCase {
    std::string name;
    // Fills the inbox to its limit with documents of these names and sizes (sparse).
    std::vector<std::pair<std::string, std::uint64_t>> documents;
    friend void PrintTo(const FullInboxCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<std::pair<std::string, std::uint64_t>> ManyDocuments(std::size_t count) {
    std::vector<std::pair<std::string, std::uint64_t>> documents;
    for (std::size_t i = 0; i < count; ++i) {
        documents.emplace_back("QUILLTMP-" + std::to_string(100 + i) + "-d.pdf", 10);
    }
    return documents;
}

class BackendFullInbox : public Backend, public testing::WithParamInterface<FullInboxCase> {};

const FullInboxCase kFullInboxCases[] = {
    {"as many documents as an inbox holds", ManyDocuments(SpoolDelivery::kMaxInboxDocuments)},
    {"a document that would pass the bytes an inbox holds",
     {{"QUILLTMP-100-big.pdf", SpoolDelivery::kMaxInboxBytes - 1000}}},
};

TEST_P(BackendFullInbox, holdsTheJobTellsTheOwnerAndDeliversOnceThereIsRoom) {
    MakeInbox();
    std::vector<std::string> before{inboxName};
    for (const auto& [name, size] : GetParam().documents) {
        std::ofstream(inbox / name).close();
        fs::resize_file(inbox / name, size);
        before.push_back(inboxName + "/" + name);
    }
    std::sort(before.begin(), before.end());
    const BackendRun run{{"19", owner.name, "Quarterly report.pdf", "1", ""}, documentFile.string()};

    ASSERT_EQ(RunBackend(spool.path(), run), kHold);
    std::vector<std::string> held = before;
    held.push_back(inboxName + "/" + HeldNoteName("19"));
    std::sort(held.begin(), held.end());
    CheckOnly(held);
    EXPECT_EQ(ReadAll(inbox / HeldNoteName("19")), "Quarterly report.pdf\n");

    // The owner sent the waiting faxes and released the job.
    for (const auto& [name, size] : GetParam().documents) {
        fs::remove(inbox / name);
    }
    ASSERT_EQ(RunBackend(spool.path(), run), kOk);
    CheckOnly({inboxName, inboxName + "/QUILLTMP-19-Quarterly report.pdf"});
}

INSTANTIATE_TEST_SUITE_P(Cases, BackendFullInbox, testing::ValuesIn(kFullInboxCases), desklet::test::SentenceName{});

} // namespace
