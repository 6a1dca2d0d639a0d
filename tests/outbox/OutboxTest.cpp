#include "outbox/DocumentCopy.h"
#include "outbox/OutboxFormat.h"
#include "outbox/SendAgainDocument.h"

#include "support/OutboxFixture.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace desklet;
using namespace std::chrono_literals;
using M = AttemptResult::Mail::State;
using K = AttemptResult::Kind;

namespace {

// Whether some of a file's blocks are still only in memory (delayed allocation);
// a synced file has none. Nothing on a file system that does not say.
std::optional<bool> BlocksOnlyInMemory(const std::string& path) {
    constexpr unsigned kExtents = 16;
    alignas(fiemap) std::array<char, sizeof(fiemap) + kExtents * sizeof(fiemap_extent)> buffer{};
    auto* map = reinterpret_cast<fiemap*>(buffer.data());
    map->fm_length = FIEMAP_MAX_OFFSET;
    map->fm_extent_count = kExtents;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool mapped = fd >= 0 && ::ioctl(fd, FS_IOC_FIEMAP, map) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!mapped) {
        return std::nullopt;
    }
    for (unsigned i = 0; i < map->fm_mapped_extents; ++i) {
        if ((map->fm_extents[i].fe_flags & FIEMAP_EXTENT_DELALLOC) != 0) {
            return true;
        }
    }
    return false;
}

class OutboxTest : public test::OutboxFixture {
protected:
    bool CopyExists(const ClaimedJob& claim) const { return std::filesystem::exists(claim.documentPath); }

    std::vector<std::string> Outcomes() {
        std::vector<std::string> outcomes;
        for (const SentLogLine& line : outbox().SentLog(20)) {
            outcomes.push_back(line.outcome);
        }
        return outcomes;
    }
};

TEST_F(OutboxTest, EveryRoadOfATryEndsInItsState) {
    struct Row {
        const char* name;
        K kind;
        std::vector<AttemptResult::Mail> mails;
        bool keep;
        JobState state;
        bool inOutbox;
        std::vector<std::string> outcomes;
    };
    const Row rows[] = {
        {"accepted: sent, copy gone",
         K::Sent,
         {MailOf({"2125551212"}, M::Accepted, "250 2.0.0 Ok: queued as 4F2A1")},
         true,
         JobState::Sent,
         false,
         {"sent"}},
        {"server unreachable: waiting, copy kept", K::MayPass, {}, true, JobState::Waiting, true, {"waiting"}},
        {"unreachable for a sender that does not queue: failed",
         K::MayPass,
         {},
         false,
         JobState::Failed,
         false,
         {"failed"}},
        {"a 5xx: failed",
         K::Final,
         {MailOf({"2125551212"}, M::Refused, "554 5.7.1 Rejected")},
         true,
         JobState::Failed,
         false,
         {"failed"}},
        {"no answer to the end of data: unknown, copy kept",
         K::Unknown,
         {MailOf({"2125551212"}, M::Unknown)},
         true,
         JobState::Unknown,
         true,
         {"unknown"}},
        {"first mail went, then a 4xx: waiting for the rest",
         K::MayPass,
         {MailOf({"2125551212"}, M::Accepted, "250 Ok"), MailOf({"3125550000"}, M::Refused, "451 Try later")},
         true,
         JobState::Waiting,
         true,
         {"sent", "waiting"}},
        {"cancelled", K::Cancelled, {}, true, JobState::Cancelled, false, {"cancelled"}},
    };
    for (const Row& row : rows) {
        Fresh();
        const auto claim =
            outbox().Record(JobTo({"2125551212", "3125550000"}), m_document.string(), CMapStringToString());
        ASSERT_TRUE(claim) << row.name << ": " << outbox().LastFailure().Text().toStdString();
        EXPECT_TRUE(CopyExists(*claim)) << row.name;
        AttemptResult result;
        result.kind = row.kind;
        result.mails = row.mails;
        result.error = "the error";
        EXPECT_EQ(outbox().Finish(*claim, result, row.keep), row.state)
            << row.name << outbox().LastFailure().Text().toStdString();
        EXPECT_EQ(CopyExists(*claim), row.inOutbox) << row.name;
        EXPECT_EQ(outbox().Pending().size(), row.inOutbox ? 1u : 0u) << row.name;
        EXPECT_EQ(Outcomes(), row.outcomes) << row.name;
    }
}

TEST_F(OutboxTest, ARetrySendsTheRestWithTheSettingsOfTheMomentAndTodaysServer) {
    CMapStringToString then;
    then.SetAt("logon", "acme");
    then.SetAt("stationid", "ACME 1");
    then.SetAt("email_on_delivered", "ops@acme.example");
    then.SetAt("smtp", "old.example");
    then.SetAt("password", "never-kept");
    auto first = outbox().Record(JobTo({"2125551212", "3125550000"}), m_document.string(), then);
    ASSERT_TRUE(first);
    AttemptResult result;
    result.kind = K::MayPass;
    result.mails = {MailOf({"2125551212"}, M::Accepted), MailOf({"3125550000"}, M::Refused)};
    ASSERT_EQ(outbox().Finish(*first, result), JobState::Waiting);

    EXPECT_FALSE(outbox().ClaimDue()) << "not due before a minute";
    m_clock.Advance(1min);
    Reopen();
    const auto retry = outbox().ClaimDue();
    ASSERT_TRUE(retry) << outbox().LastFailure().Text().toStdString();
    EXPECT_EQ(retry->attempt, 2);
    EXPECT_EQ(retry->job.recipients, (std::vector<std::string>{"3125550000"}));
    EXPECT_EQ(retry->job.comment, "Figures attached");
    EXPECT_EQ(retry->job.documentName, "Quarterly report.pdf") << "not the copy's name";
    EXPECT_EQ(retry->documentPath, first->documentPath);

    CMapStringToString now;
    now.SetAt("logon", "other");
    now.SetAt("stationid", "CHANGED");
    now.SetAt("email_on_not_delivered", "new@acme.example");
    now.SetAt("smtp", "new.example");
    now.SetAt("password", "current");
    const CMapStringToString used = retry->SettingsForTry(now);
    EXPECT_EQ(used.LookupOrEmpty("logon"), "acme");
    EXPECT_EQ(used.LookupOrEmpty("stationid"), "ACME 1");
    EXPECT_EQ(used.LookupOrEmpty("email_on_delivered"), "ops@acme.example");
    std::string unset;
    EXPECT_FALSE(used.Lookup("email_on_not_delivered", unset)) << "unset when the job was made";
    EXPECT_EQ(used.LookupOrEmpty("smtp"), "new.example");
    EXPECT_EQ(used.LookupOrEmpty("password"), "current");
}

TEST_F(OutboxTest, TwoSendersNeverTakeTheSameJob) {
    ASSERT_TRUE(outbox().Queue(JobTo({"2125551212"}), m_document.string(), CMapStringToString()));
    Database other;
    ASSERT_TRUE(other.Open(m_databasePath));
    Outbox second(other, m_clock);

    const auto claim = outbox().ClaimDue();
    ASSERT_TRUE(claim);
    EXPECT_FALSE(second.ClaimDue());
    EXPECT_FALSE(second.Claim(claim->id));
    EXPECT_EQ(second.LastFailure().kind, OutboxFailure::Kind::WrongState);

    // A sender whose lease ran out is taken for gone, even in a live process; its
    // late record is refused rather than overwrite the new claim.
    m_clock.Advance(Outbox::kLease + 1s);
    const auto taken = second.ClaimDue();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->attempt, 2);
    EXPECT_TRUE(outbox().MailStarting(*claim, 0, {"2125551212"}, "<a@x>", "mail.example"));
    EXPECT_FALSE(outbox().EndOfDataNext(*claim, 0)) << "the old sender must stop before its end of data";
    EXPECT_FALSE(outbox().Finish(*claim, AttemptResult{K::Sent, {}, {}, 0, {}}));
    EXPECT_EQ(outbox().LastFailure().kind, OutboxFailure::Kind::WrongState);
    ASSERT_TRUE(second.MailStarting(*taken, 0, {"2125551212"}, "<a@x>", "mail.example"));
    EXPECT_TRUE(second.EndOfDataNext(*taken, 0));
}

TEST_F(OutboxTest, ThePersonDecidesAnUnknownJob) {
    struct Row {
        const char* name;
        bool (Outbox::*decide)(std::int64_t);
        JobState state;
        std::vector<std::string> resent;
        bool copyKept;
    };
    const Row rows[] = {
        {"mark as sent: the rest waits", &Outbox::MarkSent, JobState::Waiting, {"3125550000"}, true},
        {"discard: cancelled, copy gone", &Outbox::Discard, JobState::Cancelled, {}, false},
    };
    for (const Row& row : rows) {
        Fresh();
        const auto claim = outbox().Record(JobTo({"2125551212", "3125550000", "4155550000"}), m_document.string(),
                                           CMapStringToString());
        ASSERT_TRUE(claim);
        AttemptResult result;
        result.kind = K::Unknown;
        result.mails = {MailOf({"2125551212"}, M::Unknown), MailOf({"4155550000"}, M::Accepted)};
        ASSERT_EQ(outbox().Finish(*claim, result), JobState::Unknown) << row.name;
        EXPECT_FALSE(outbox().ClaimDue()) << row.name << ": an unknown job never goes by itself";
        EXPECT_EQ(outbox().Pending().front().numbersLeft, (std::vector<std::string>{"2125551212", "3125550000"}))
            << row.name << ": a Send Again offers the unknown number with the rest, not the one that went";
        ASSERT_TRUE((outbox().*row.decide)(claim->id)) << row.name;
        const auto pending = outbox().Pending();
        EXPECT_EQ(pending.empty() ? JobState::Cancelled : pending.front().state, row.state) << row.name;
        EXPECT_EQ(pending.empty() ? std::vector<std::string>{} : pending.front().numbersLeft, row.resent) << row.name;
        const auto again = outbox().ClaimDue();
        EXPECT_EQ(again ? again->job.recipients : std::vector<std::string>{}, row.resent) << row.name;
        EXPECT_EQ(CopyExists(*claim), row.copyKept) << row.name;
    }
    EXPECT_FALSE(outbox().Discard(12345));
    EXPECT_EQ(outbox().LastFailure().kind, OutboxFailure::Kind::NotFound);
    const auto sent = outbox().Record(JobTo({"2125551212"}), m_document.string(), CMapStringToString());
    ASSERT_TRUE(sent);
    ASSERT_EQ(outbox().Finish(*sent, AttemptResult{K::Sent, {MailOf({"2125551212"}, M::Accepted)}, {}, 0, {}}),
              JobState::Sent);
    EXPECT_FALSE(outbox().Discard(sent->id));
    EXPECT_FALSE(outbox().MarkSent(sent->id));
    EXPECT_EQ(outbox().LastFailure().kind, OutboxFailure::Kind::WrongState);
}

TEST_F(OutboxTest, AKeptCopyIsTriedAgainOnlyWhileItIsTheDocumentRecorded) {
    struct Row {
        const char* name;
        std::function<void(const std::string& copy)> damage;
        bool claimed;
    };
    const Row rows[] = {
        {"an untouched copy is tried", [](const std::string&) {}, true},
        {"a copy with one byte changed fails its job",
         [](const std::string& copy) { std::fstream(copy, std::ios::binary | std::ios::in | std::ios::out).put('#'); },
         false},
        {"a copy a power cut left empty fails its job", [](const std::string& copy) { std::ofstream{copy}; }, false},
        {"a copy gone fails its job", [](const std::string& copy) { std::filesystem::remove(copy); }, false},
    };
    for (const Row& row : rows) {
        Fresh();
        const auto first = outbox().Record(JobTo({"2125551212"}), m_document.string(), CMapStringToString());
        ASSERT_TRUE(first) << row.name;
        ASSERT_EQ(outbox().Finish(*first, AttemptResult{K::MayPass, {}, {}, 0, {}}), JobState::Waiting) << row.name;
        row.damage(first->documentPath);
        const auto again = outbox().Claim(first->id);
        EXPECT_EQ(again.has_value(), row.claimed) << row.name;
        if (row.claimed) {
            continue;
        }
        const OutboxFailure failure = outbox().LastFailure();
        EXPECT_EQ(failure.kind, OutboxFailure::Kind::Document) << row.name;
        EXPECT_EQ(failure.document, DocumentCopy::Failure::CopyChanged) << row.name;
        EXPECT_TRUE(outbox().Pending().empty()) << row.name;
        EXPECT_EQ(Outcomes(), std::vector<std::string>{"failed"}) << row.name;
        EXPECT_FALSE(CopyExists(*first)) << row.name;
        QSqlQuery query(m_database->Connection());
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT last_error FROM fax_job")) && query.next());
        EXPECT_EQ(query.value(0).toString(), failure.Text()) << row.name;
    }
}

// A copy that cannot be opened for want of a file handle is still the document:
// its job waits for a later try instead of failing, and keeps its copy.
TEST_F(OutboxTest, ACopyThatCannotBeReadJustNowWaitsForALaterTry) {
    const auto first = outbox().Record(JobTo({"2125551212"}), m_document.string(), CMapStringToString());
    ASSERT_TRUE(first);
    ASSERT_EQ(outbox().Finish(*first, AttemptResult{K::MayPass, {}, {}, 0, {}}), JobState::Waiting);
    Close(); // no connection crosses the fork
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Database database;
        const SystemClock clock;
        if (!database.Open(m_databasePath)) {
            ::_exit(2);
        }
        Outbox outbox(database, clock);
        // The database's own files are open from here on, and every call the claim
        // makes has been checked once by the sanitizers (whose check needs a pipe).
        (void)outbox.RecoverAbandoned();
        // Every descriptor below the limit is taken: the copy's open finds none.
        const int lowest = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ::close(lowest);
        const rlimit limit{static_cast<rlim_t>(lowest), static_cast<rlim_t>(lowest)};
        if (lowest < 0 || ::setrlimit(RLIMIT_NOFILE, &limit) != 0) {
            ::_exit(3);
        }
        const bool claimed = outbox.Claim(first->id).has_value();
        ::_exit(!claimed && outbox.LastFailure().document == DocumentCopy::Failure::CopyUnreadable ? 0 : 4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    Reopen();
    const auto pending = outbox().Pending();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].state, JobState::Waiting);
    EXPECT_TRUE(pending[0].nextAttempt.has_value());
    EXPECT_TRUE(CopyExists(*first));
    EXPECT_TRUE(outbox().Claim(first->id)) << "read at the next try";
}

TEST_F(OutboxTest, TheCopyOfAJobLeftToWaitIsOnTheDisk) {
    struct Row {
        const char* name;
        K kind; // of the first try; Cancelled for a job queued without one
        JobState state;
    };
    const Row rows[] = {
        {"queued for later", K::Cancelled, JobState::Waiting},
        {"left waiting by its first try", K::MayPass, JobState::Waiting},
        {"left unknown by its first try", K::Unknown, JobState::Unknown},
    };
    for (const Row& row : rows) {
        Fresh();
        std::string copy;
        if (row.kind == K::Cancelled) {
            ASSERT_TRUE(outbox().Queue(JobTo({"2125551212"}), m_document.string(), CMapStringToString())) << row.name;
            const auto claim = outbox().ClaimDue();
            ASSERT_TRUE(claim) << row.name;
            copy = claim->documentPath;
        } else {
            const auto claim = outbox().Record(JobTo({"2125551212"}), m_document.string(), CMapStringToString());
            ASSERT_TRUE(claim) << row.name;
            AttemptResult result{row.kind, {}, {}, 0, {}};
            if (row.state == JobState::Unknown) {
                result.mails = {MailOf({"2125551212"}, M::Unknown)};
            }
            ASSERT_EQ(outbox().Finish(*claim, result), row.state) << row.name;
            copy = claim->documentPath;
        }
        const std::optional<bool> inMemory = BlocksOnlyInMemory(copy);
        if (!inMemory) {
            GTEST_SKIP() << "the file system does not map a file's blocks";
        }
        EXPECT_FALSE(*inMemory) << row.name;
    }
}

TEST_F(OutboxTest, TheDatabaseAndTheCopiesAreTheUsersAloneAndHoldNoPassword) {
    CMapStringToString settings;
    settings.SetAt("logon", "acme");
    settings.SetAt("password", "fax-secret-7731");
    settings.SetAt("smtp_password", "smtp-secret-9902");
    const auto claim = outbox().Record(JobTo({"2125551212"}), m_document.string(), settings);
    ASSERT_TRUE(claim);
    ASSERT_EQ(outbox().Finish(*claim, AttemptResult{K::MayPass, {}, {}, 0, {}}), JobState::Waiting);
    Close();
    std::string bytes;
    for (const char* suffix : {"", "-wal"}) {
        std::ifstream in(m_databasePath.toStdString() + suffix, std::ios::binary);
        bytes += std::string(std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_NE(bytes.find("acme"), std::string::npos) << "the test reads the right files";
    EXPECT_EQ(bytes.find("secret"), std::string::npos);

    struct stat st {};
    ASSERT_EQ(::stat(claim->documentPath.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    const QString folder = DocumentCopy::FolderBeside(m_databasePath);
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);

    // A link planted where the copies go is never followed.
    std::filesystem::remove_all(folder.toStdString());
    std::filesystem::create_directory_symlink(m_dir.path(), folder.toStdString());
    Reopen();
    EXPECT_FALSE(outbox().Record(JobTo({"2125551212"}), m_document.string(), CMapStringToString()));
    EXPECT_EQ(outbox().LastFailure().document, DocumentCopy::Failure::LinkInsteadOfFolder);
}

TEST_F(OutboxTest, ACopyNoJobNamesGoesOnceItIsAnHourOld) {
    const auto claim = outbox().Record(JobTo({"2125551212"}), m_document.string(), CMapStringToString());
    ASSERT_TRUE(claim);
    const std::filesystem::path folder = std::filesystem::path(claim->documentPath).parent_path();
    const auto old = folder / "doc-orphan1.pdf";   // left by a dead sender
    const auto fresh = folder / "doc-orphan2.pdf"; // a sender between its copy and its record
    std::ofstream(old) << "x";
    std::ofstream(fresh) << "x";
    const auto hoursAgo = std::filesystem::file_time_type::clock::now() - 2h;
    std::filesystem::last_write_time(old, hoursAgo);
    std::filesystem::last_write_time(claim->documentPath, hoursAgo);
    ASSERT_EQ(outbox().RecoverAbandoned(), 0);
    EXPECT_FALSE(std::filesystem::exists(old));
    EXPECT_TRUE(std::filesystem::exists(fresh));
    EXPECT_TRUE(std::filesystem::exists(claim->documentPath)) << "the copy of a job that may still go";
}

TEST_F(OutboxTest, TheTerminalLines) {
    const TimePoint at = TimePoint(std::chrono::milliseconds(1796731200000)); // 2026-12-08T12:00:00Z
    OutboxEntry entry;
    entry.id = 7;
    entry.queuedAt = at;
    entry.numbers = {"2125551212", "3125550000"};
    entry.document = "Report\tQ4.pdf";
    entry.attempts = 3;
    entry.nextAttempt = at + 4min;
    entry.lastError = "451 4.3.0 Try\r\nlater";
    EXPECT_EQ(
        OutboxFormat::OutboxLine(entry, QTimeZone::utc()),
        "7\twaiting\t2026-12-08T12:00:00+00:00\t2125551212,3125550000\tReport Q4.pdf\t3\t2026-12-08T12:04:00+00:00\t"
        "451 4.3.0 Try  later");
    entry.nextAttempt.reset();
    EXPECT_EQ(OutboxFormat::OutboxLine(entry, QTimeZone(2 * 3600)),
              "7\twaiting\t2026-12-08T14:00:00+02:00\t2125551212,3125550000\tReport Q4.pdf\t3\t\t451 4.3.0 Try  later");
    const SentLogLine line{
        7, at, {"2125551212"}, "Report.pdf", "sent", "<1.2@desklet.example>", "250 2.0.0 Ok: queued as 4F2A1", {}, {}};
    EXPECT_EQ(OutboxFormat::SentLine(line, QTimeZone::utc()),
              "2026-12-08T12:00:00+00:00\t2125551212\tReport.pdf\tsent\t<1.2@desklet.example>\t250 2.0.0 Ok: queued as "
              "4F2A1");
}

TEST_F(OutboxTest, TheSentLogKeepsTheDocumentsFactsAndTheLastJobs) {
    for (int i = 0; i < 3; ++i) {
        const auto claim =
            outbox().Record(JobTo({std::to_string(2125551210 + i)}), m_document.string(), CMapStringToString());
        ASSERT_TRUE(claim);
        ASSERT_TRUE(outbox().MailStarting(*claim, 0, claim->job.recipients, "<m" + std::to_string(i) + "@x>", "mx"));
        ASSERT_TRUE(outbox().EndOfDataNext(*claim, 0));
        ASSERT_TRUE(outbox().MailAnswered(*claim, 0, M::Accepted, "250 Ok " + std::to_string(i)));
        // The transport's result without the reply does not wipe the recorded one.
        AttemptResult result{K::Sent, {MailOf(claim->job.recipients, M::Accepted)}, "mx", 25, {}};
        result.mails[0].messageId.clear();
        ASSERT_EQ(outbox().Finish(*claim, result), JobState::Sent);
        m_clock.Advance(1s);
    }
    const auto lines = outbox().SentLog(2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].numbers, (std::vector<std::string>{"2125551211"})) << "oldest of the last two first";
    EXPECT_EQ(lines[1].messageId, "<m2@x>");
    EXPECT_EQ(lines[1].serverReply, "250 Ok 2");

    QSqlQuery query(m_database->Connection());
    ASSERT_TRUE(query.exec(QStringLiteral("SELECT document_size, document_sha256, page_count, copy_name FROM fax_job "
                                          "WHERE id = 1")) &&
                query.next());
    EXPECT_EQ(query.value(0).toLongLong(), static_cast<qint64>(std::filesystem::file_size(m_document)));
    EXPECT_EQ(query.value(1).toString().size(), 64);
    EXPECT_EQ(query.value(2).toInt(), 1);
    EXPECT_TRUE(query.value(3).isNull());
}

TEST_F(OutboxTest, SendAgainTakesTheOriginalElseTheKeptCopyElseNothing) {
    using Source = SendAgainDocument::Source;
    enum class Original { Kept, Deleted, Folder };
    struct Row {
        const char* name;
        bool sent;
        Original original;
        bool pathNotRecorded; // a job from before the path was kept
        Source source;
    };
    const Row rows[] = {
        {"the original still there goes again", true, Original::Kept, false, Source::Original},
        {"a waiting job's original gone: its copy, under the document's name", false, Original::Deleted, false,
         Source::KeptCopy},
        {"a sent job's original gone: the numbers alone", true, Original::Deleted, false, Source::Gone},
        {"a folder in the original's place is no document", true, Original::Folder, false, Source::Gone},
        {"an older job without a path: its copy", false, Original::Kept, true, Source::KeptCopy},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        std::filesystem::remove_all(m_document); // the folder of the row before
        const auto original = m_dir.WriteFile("Quarterly report.pdf", "%PDF-1.4\n");
        const auto claim = outbox().Record(JobTo({"2125551212"}), original.string(), CMapStringToString());
        ASSERT_TRUE(claim);
        const AttemptResult result{row.sent ? K::Sent : K::MayPass,
                                   {MailOf({"2125551212"}, row.sent ? M::Accepted : M::NotTried)},
                                   "mx",
                                   25,
                                   {}};
        ASSERT_EQ(outbox().Finish(*claim, result), row.sent ? JobState::Sent : JobState::Waiting);
        if (row.pathNotRecorded) {
            ASSERT_TRUE(
                QSqlQuery(m_database->Connection()).exec(QStringLiteral("UPDATE fax_job SET document_path = NULL")));
        }
        if (row.original != Original::Kept) {
            std::filesystem::remove(original);
        }
        if (row.original == Original::Folder) {
            std::filesystem::create_directory(original);
        }
        const auto lines = outbox().SentLog(1);
        ASSERT_EQ(lines.size(), 1u);
        const SendAgainDocument again = SendAgainDocument::For(lines[0]);
        EXPECT_EQ(again.source, row.source);
        EXPECT_EQ(again.name, "Quarterly report.pdf");
        const std::string expected = row.source == Source::Original   ? original.string()
                                     : row.source == Source::KeptCopy ? claim->documentPath
                                                                      : std::string();
        EXPECT_EQ(again.path, expected);
        if (!row.sent) {
            // The Outbox window decides a waiting job's document the same way.
            const auto pending = outbox().Pending();
            ASSERT_EQ(pending.size(), 1u);
            const SendAgainDocument fromOutbox = SendAgainDocument::For(pending[0]);
            EXPECT_EQ(fromOutbox.source, again.source);
            EXPECT_EQ(fromOutbox.path, again.path);
            EXPECT_EQ(fromOutbox.name, again.name);
        }
    }
}

TEST(DocumentCopyTest, CopiesByteForByteAndReadsTheFacts) {
    test::TempDir dir;
    // A page marker cut by the boundary of the first read still counts once.
    std::string pdf = "%PDF-1.7\n<< /Type /Pages /Count 3 >>";
    pdf += std::string((1 << 20) - pdf.size() - 3, ' ') + "/Type /Page >> /Type/Page\n/Type /Page";
    std::string tiff("II*\0\x08\0\0\0", 8); // two directories, the second pointing back at the first
    tiff += std::string("\0\0\x0e\0\0\0", 6) + std::string("\0\0\x08\0\0\0", 6);
    struct Row {
        const char* name;
        std::string bytes;
        int pages;
    };
    const Row rows[] = {
        {"a PDF counts its page objects, not its page tree", pdf, 3},
        {"a TIFF counts its directories and stops at a loop", tiff, 2},
        {"plain text says nothing", "abc", 0},
    };
    DocumentCopy copies(QString::fromStdString((dir.path() / "copies").string()));
    for (const Row& row : rows) {
        const auto path = dir.WriteFile("doc.pdf", row.bytes);
        QString name;
        DocumentFacts facts;
        ASSERT_TRUE(copies.Take(path.string(), name, facts)) << row.name;
        EXPECT_EQ(facts.pages, row.pages) << row.name;
        EXPECT_EQ(facts.size, row.bytes.size()) << row.name;
        EXPECT_TRUE(name.endsWith(QLatin1String(".pdf"))) << row.name;
        std::ifstream in(copies.PathOf(name).toStdString(), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), row.bytes) << row.name;
    }
    DocumentFacts facts;
    ASSERT_TRUE(copies.Examine(dir.WriteFile("abc", "abc").string(), facts));
    EXPECT_EQ(facts.sha256, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_FALSE(copies.Examine((dir.path() / "missing").string(), facts));
    EXPECT_EQ(copies.LastFailure(), DocumentCopy::Failure::DocumentUnreadable);
    EXPECT_TRUE(copies.PathOf(QStringLiteral("../desklet.sqlite")).isEmpty());
}

} // namespace
