// The phone book at the size of a large office's address book: importing 10,000
// contacts from vCard and from CSV into a fresh database, and the look-up over
// them at each key press as a user types names, companies and numbers. Figures
// are wall-clock milliseconds on this machine: the median and the slowest.

#include "phonebook/ContactSearch.h"
#include "phonebook/Database.h"
#include "phonebook/PhoneBook.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include <time.h>

using namespace desklet;

namespace {

constexpr int kContacts = 10000;
constexpr int kImportRuns = 5;

const char* const kFirst[] = {"James", "Mary",   "Jürgen", "Sofia", "Hiroshi", "Amara",  "Liam",   "Émile", "Chen",
                              "Olga",  "Mateus", "Priya",  "İlker", "Fatima",  "Noah",   "Isabel", "Björn", "Zoë",
                              "Ahmed", "Lucia",  "Kwame",  "Sara",  "Tomás",   "Ingrid", "Wei",    "Rosa",  "Dmitri"};
const char* const kLast[] = {"Smith",  "Müller", "García", "Tanaka",  "Okafor", "Rossi",  "Nguyen",  "Kowalski",
                             "Dubois", "Silva",  "Chen",   "Yıldız",  "Larsen", "Haddad", "Novak",   "O'Brien",
                             "Kim",    "Jensen", "Moreau", "Ivanova", "Patel",  "Costa",  "Schmidt", "Andersson"};
const char* const kCompany[] = {"Acme Shipping",
                                "Nordic Tooling AB",
                                "Fernández Import S.L.",
                                "Tanaka Clinic",
                                "Brien & Partners",
                                "Kowalski Transport",
                                "",
                                "",
                                "Harbour Freight",
                                "Bäckerei Müller",
                                "Example Insurance",
                                "City Hospital"};

struct Person {
    QString name;
    QString company;
    QString work;
    QString home;
};

std::vector<Person> people() {
    std::mt19937 random(26);
    std::vector<Person> out;
    for (int i = 0; i < kContacts; ++i) {
        Person p;
        p.name = QString::fromUtf8(kFirst[random() % std::size(kFirst)]) + QLatin1Char(' ') +
                 QString::fromUtf8(kLast[random() % std::size(kLast)]);
        p.company = QString::fromUtf8(kCompany[random() % std::size(kCompany)]);
        p.work = QStringLiteral("+1 %1 555 %2").arg(200 + random() % 800).arg(i, 4, 10, QLatin1Char('0'));
        if (random() % 3 == 0) {
            p.home =
                QStringLiteral("+1 %1 555 %2").arg(200 + random() % 800).arg(9999 - i % 10000, 4, 10, QLatin1Char('0'));
        }
        out.push_back(p);
    }
    return out;
}

QByteArray asVCard(const std::vector<Person>& all) {
    QByteArray file;
    for (const Person& p : all) {
        file += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + p.name.toUtf8() + "\r\n";
        if (!p.company.isEmpty()) {
            file += "ORG:" + p.company.toUtf8() + ";\r\n";
        }
        file += "TEL;TYPE=voice,work:+1 800 555 0100\r\nTEL;TYPE=fax,work:" + p.work.toUtf8() + "\r\n";
        if (!p.home.isEmpty()) {
            file += "TEL;TYPE=fax,home:" + p.home.toUtf8() + "\r\n";
        }
        file += "EMAIL;TYPE=INTERNET:someone@example.com\r\nEND:VCARD\r\n";
    }
    return file;
}

QByteArray asCsv(const std::vector<Person>& all) {
    QByteArray file = "First Name,Last Name,Company,Business Fax,Home Fax,Business Phone\r\n";
    for (const Person& p : all) {
        const qsizetype blank = p.name.indexOf(QLatin1Char(' '));
        file += p.name.left(blank).toUtf8() + ',' + p.name.mid(blank + 1).toUtf8() + ",\"" + p.company.toUtf8() +
                "\"," + p.work.toUtf8() + ',' + p.home.toUtf8() + ",+1 800 555 0100\r\n";
    }
    return file;
}

// Wall-clock time and this thread's processor time: the machine the figures come
// from is shared, and the processor time is what the phone book itself spent
// (SQLite runs on the calling thread); the wall-clock time adds the waits for the
// disk and for the other programs.
struct Sample {
    double wallMs = 0;
    double cpuMs = 0;
};

double threadCpuMs() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class Stopwatch {
public:
    Sample Elapsed() const {
        return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_wall).count(),
                threadCpuMs() - m_cpu};
    }

private:
    std::chrono::steady_clock::time_point m_wall = std::chrono::steady_clock::now();
    double m_cpu = threadCpuMs();
};

void report(const char* what, const std::vector<Sample>& samples) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Sample& sample : samples) {
        wall.push_back(sample.wallMs);
        cpu.push_back(sample.cpuMs);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-56s wall %8.2f / %8.2f ms   cpu %8.2f / %8.2f ms   (median / slowest of %zu)\n", what,
                wall[wall.size() / 2], wall.back(), cpu[cpu.size() / 2], cpu.back(), samples.size());
}

bool importInto(const QString& path, const QByteArray& file, Sample& sample) {
    QFile::remove(path);
    QFile::remove(path + QLatin1String("-wal"));
    QFile::remove(path + QLatin1String("-shm"));
    Database database;
    if (!database.Open(path)) {
        std::fprintf(stderr, "cannot open: %s\n", qPrintable(database.LastFailure().Text()));
        return false;
    }
    PhoneBook book(database);
    ImportReport result;
    const Stopwatch watch;
    const bool ok = book.ImportBytes(file, result);
    sample = watch.Elapsed();
    if (!ok || result.imported != kContacts) {
        std::fprintf(stderr, "import failed: %s (%d imported)\n", qPrintable(book.LastFailure().Text()),
                     result.imported);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/desklet.sqlite"));
    const std::vector<Person> all = people();
    const QByteArray vcard = asVCard(all);
    const QByteArray csv = asCsv(all);
    std::printf("%d contacts: %.1f MiB of vCard 3.0, %.1f MiB of CSV\n", kContacts, vcard.size() / 1048576.0,
                csv.size() / 1048576.0);

    for (const auto& [name, file] : {std::pair{"import 10,000 contacts from vCard into a fresh database", &vcard},
                                     std::pair{"import 10,000 contacts from CSV into a fresh database", &csv}}) {
        std::vector<Sample> times;
        for (int run = 0; run < kImportRuns; ++run) {
            Sample sample;
            if (!importInto(path, *file, sample)) {
                return 1;
            }
            times.push_back(sample);
        }
        report(name, times);
    }

    // The look-up on a connection of its own, as the window's worker thread has.
    Database database;
    if (!database.Open(path)) {
        return 1;
    }
    {
        const Stopwatch watch;
        Database worker;
        if (!worker.Open(path)) {
            return 1;
        }
        report("open a second connection (a worker thread's)", {watch.Elapsed()});
    }
    const char* const typed[] = {"müller", "jürgen", "émile", "kowalski", "o'brien", "acme ship", "+1 415 555",
                                 "555 00", "nordic", "ilker", "tanaka c", "zoë",     "yıldız",    "harbour"};
    for (const int limit : {ContactSearch::kCompletionRows, ContactSearch::kPageRows, ContactSearch::kAllRows}) {
        std::vector<Sample> times;
        qsizetype rows = 0;
        for (const char* word : typed) {
            const QString text = QString::fromUtf8(word);
            for (qsizetype keys = 1; keys <= text.size(); ++keys) {
                QList<SearchRow> found;
                const Stopwatch watch;
                if (!ContactSearch::Find(database, text.left(keys), limit, found)) {
                    return 1;
                }
                times.push_back(watch.Elapsed());
                rows += found.size();
            }
        }
        const QByteArray what = limit < 0 ? QByteArray("look-up per key press, every matching row")
                                          : "look-up per key press, first " + QByteArray::number(limit) + " rows";
        report(what.constData(), times);
        std::printf("%-58s %lld rows a key press on average\n", "",
                    static_cast<long long>(rows / qsizetype(times.size())));
    }
    std::vector<Sample> everything;
    for (int run = 0; run < 10; ++run) {
        QList<SearchRow> found;
        const Stopwatch watch;
        if (!ContactSearch::Find(database, QString(), ContactSearch::kAllRows, found)) {
            return 1;
        }
        everything.push_back(watch.Elapsed());
    }
    report("every row (the phone book window opened, nothing typed)", everything);
    return 0;
}
