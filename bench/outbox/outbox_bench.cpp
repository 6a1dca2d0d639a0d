// The outbox at the size of a busy year: what recording a job adds to a send
// (the copy, the document's hash, the job's row, the marks of one mail and the
// settling, each committed and synced), for a typical fax document and for a
// large one, and the sent log's query over 10,000 jobs. The copy's steps are
// timed alone too: its hash, the copy left in the page cache, its sync (paid
// only when a job is left to wait) and the check before a later try. Figures
// are wall-clock milliseconds on this machine: the median and the slowest. The
// temporary folder is the one the database would live in on this machine's disk.

#include "outbox/DocumentCopy.h"
#include "outbox/Outbox.h"
#include "outbox/OutboxFormat.h"
#include "phonebook/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace desklet;

namespace {

constexpr int kJobs = 10000;
constexpr int kRecordRuns = 30;
constexpr int kQueryRuns = 50;

using Steady = std::chrono::steady_clock;

double millis(Steady::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void report(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    std::printf("%-62s median %8.3f ms   slowest %8.3f ms\n", what, samples[samples.size() / 2], samples.back());
}

std::string writeDocument(const QString& folder, const char* name, std::size_t size) {
    std::string bytes = "%PDF-1.4\n";
    std::mt19937 random(7);
    while (bytes.size() < size) {
        bytes += "1 0 obj << /Type /Page >> stream ";
        for (int i = 0; i < 4000 && bytes.size() < size; ++i) {
            bytes += static_cast<char>(random() & 0xFF);
        }
        bytes += " endstream\n";
    }
    const std::string path = (folder + QLatin1Char('/') + QLatin1String(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

void benchCopySteps(const QString& folder, const std::string& document, const char* what) {
    DocumentCopy copies(folder + QStringLiteral("/steps"));
    std::vector<double> hash, take, sync, verify;
    for (int i = 0; i < kRecordRuns; ++i) {
        DocumentFacts facts;
        QString name;
        auto start = Steady::now();
        bool ok = copies.Examine(document, facts);
        hash.push_back(millis(Steady::now() - start));
        start = Steady::now();
        ok = ok && copies.Take(document, name, facts, DocumentCopy::Durability::InCache);
        take.push_back(millis(Steady::now() - start));
        start = Steady::now();
        ok = ok && copies.Sync(name);
        sync.push_back(millis(Steady::now() - start));
        start = Steady::now();
        ok = ok && copies.Verify(name, facts);
        verify.push_back(millis(Steady::now() - start));
        copies.Remove(name);
        if (!ok) {
            std::fprintf(stderr, "the copy's steps failed: %s\n", qPrintable(copies.LastError()));
            return;
        }
    }
    report((std::string("  its hash and facts: ") + what).c_str(), hash);
    report((std::string("  hash and copy, left in the page cache: ") + what).c_str(), take);
    report((std::string("  the copy's sync, when a job waits: ") + what).c_str(), sync);
    report((std::string("  the copy's check before a later try: ") + what).c_str(), verify);
}

void benchRecording(Database& database, const std::string& document, const char* what) {
    SystemClock clock;
    Outbox outbox(database, clock);
    FaxJob job;
    job.recipients = {"2125551212"};
    CMapStringToString settings;
    settings.SetAt("logon", "acme");
    std::vector<double> samples;
    std::vector<double> records;
    for (int i = 0; i < kRecordRuns; ++i) {
        const auto start = Steady::now();
        const auto claim = outbox.Record(job, document, settings);
        records.push_back(millis(Steady::now() - start));
        if (!claim || !outbox.MailStarting(*claim, 0, job.recipients, "<a@b>", "mx") ||
            !outbox.EndOfDataNext(*claim, 0) ||
            !outbox.MailAnswered(*claim, 0, AttemptResult::Mail::State::Accepted, "250 Ok")) {
            std::fprintf(stderr, "recording failed: %s\n", qPrintable(outbox.LastFailure().Text()));
            return;
        }
        AttemptResult result;
        result.kind = AttemptResult::Kind::Sent;
        if (!outbox.Finish(*claim, result)) {
            std::fprintf(stderr, "finish failed\n");
            return;
        }
        samples.push_back(millis(Steady::now() - start));
    }
    report((std::string("record before the try: ") + what).c_str(), records);
    report((std::string("all, with one mail's marks and the settling: ") + what).c_str(), samples);
}

// A year of jobs written straight into the tables, in one transaction.
bool fill(Database& database) {
    Database::Transaction transaction(database);
    QSqlQuery job(database.Connection());
    QSqlQuery mail(database.Connection());
    job.prepare(QStringLiteral(
        "INSERT INTO fax_job (state, queued_at, changed_at, numbers, document_name, document_size, document_sha256, "
        "page_count, copy_name, attempts, next_attempt_at, last_error) VALUES ('sent', ?, ?, '[\"2125551212\"]', "
        "'Invoice.pdf', 123456, '00', 2, NULL, 1, NULL, '')"));
    mail.prepare(QStringLiteral("INSERT INTO fax_mail (job_id, attempt, position, numbers, message_id, server, state, "
                                "final_reply, at) VALUES (?, 1, ?, '[\"2125551212\"]', ?, 'mx', 'accepted', "
                                "'250 2.0.0 Ok: queued as 4F2A1', ?)"));
    for (int i = 0; i < kJobs; ++i) {
        const qint64 at = 1796731200000LL + qint64(i) * 60000;
        job.addBindValue(at);
        job.addBindValue(at);
        if (!job.exec()) {
            return false;
        }
        const qint64 id = job.lastInsertId().toLongLong();
        for (int m = 0; m < 1 + (i % 3 == 0); ++m) {
            mail.addBindValue(id);
            mail.addBindValue(m);
            mail.addBindValue(QStringLiteral("<%1.%2@desklet.example>").arg(id).arg(m));
            mail.addBindValue(at);
            if (!mail.exec()) {
                return false;
            }
        }
    }
    return transaction.Commit();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(QDir::homePath() + QStringLiteral("/.desklet-outbox-bench-XXXXXX"));
    Database database;
    if (!dir.isValid() || !database.Open(dir.path() + QStringLiteral("/data/desklet.sqlite"))) {
        std::fprintf(stderr, "cannot open the database\n");
        return 1;
    }
    const std::string letter = writeDocument(dir.path(), "letter.pdf", 200 * 1024);
    const std::string scan = writeDocument(dir.path(), "scan.pdf", 50 * 1024 * 1024);
    benchRecording(database, letter, "200 KiB");
    benchCopySteps(dir.path(), letter, "200 KiB");
    benchRecording(database, scan, "50 MiB");
    benchCopySteps(dir.path(), scan, "50 MiB");
    if (!fill(database)) {
        std::fprintf(stderr, "cannot fill the database\n");
        return 1;
    }
    SystemClock clock;
    Outbox outbox(database, clock);
    for (const int last : {20, 1000}) {
        std::vector<double> samples;
        std::size_t lines = 0;
        for (int i = 0; i < kQueryRuns; ++i) {
            const auto start = Steady::now();
            std::string text;
            for (const SentLogLine& line : outbox.SentLog(last)) {
                text += OutboxFormat::SentLine(line) + '\n';
            }
            samples.push_back(millis(Steady::now() - start));
            lines = text.size();
        }
        const std::string what =
            "--sent " + std::to_string(last) + " over 10,000 jobs (formatted, " + std::to_string(lines) + " bytes)";
        report(what.c_str(), samples);
    }
    std::vector<double> samples;
    for (int i = 0; i < kQueryRuns; ++i) {
        const auto start = Steady::now();
        (void)outbox.Pending();
        (void)outbox.NextAttemptAt();
        samples.push_back(millis(Steady::now() - start));
    }
    report("--outbox and the next due time over 10,000 jobs", samples);
    return 0;
}
