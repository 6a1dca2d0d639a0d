#include "phonebook/CsvRecords_p.h"

#include <array>

namespace desklet::csv {
namespace {

bool lineEnd(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

constexpr QChar kQuote(u'"');

} // namespace

QChar GuessSeparator(const QString& text) {
    const std::array<QChar, 3> candidates = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    std::array<int, 3> counts{};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == kQuote) {
            quoted = !quoted;
        } else if (!quoted && lineEnd(c)) {
            break;
        } else if (!quoted) {
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                counts[i] += c == candidates[i] ? 1 : 0;
            }
        }
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        best = counts[i] > counts[best] ? i : best;
    }
    return candidates[best];
}

bool Split(const QString& text, QChar separator, QList<Record>& records, int& badLine) {
    const qsizetype size = text.size();
    int line = 1;
    qsizetype i = 0;
    // One record per round; each round consumes at least one character.
    while (i < size) {
        if (lineEnd(text.at(i))) {
            i += text.at(i) == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n') ? 2 : 1;
            ++line;
            continue;
        }
        Record record;
        record.line = line;
        QString field;
        while (true) {
            if (i < size && text.at(i) == kQuote) {
                const int opened = line;
                ++i;
                while (true) {
                    if (i == size) {
                        badLine = opened;
                        return false;
                    }
                    const QChar c = text.at(i++);
                    if (c == kQuote) {
                        if (i < size && text.at(i) == kQuote) {
                            field += kQuote;
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (c == QLatin1Char('\n') ||
                        (c == QLatin1Char('\r') && (i == size || text.at(i) != QLatin1Char('\n')))) {
                        ++line;
                    }
                    field += c;
                }
            }
            while (i < size && text.at(i) != separator && !lineEnd(text.at(i))) {
                field += text.at(i++);
            }
            record.fields.append(field);
            field.clear();
            if (i < size && text.at(i) == separator) {
                ++i;
                continue;
            }
            break;
        }
        records.append(record);
    }
    return true;
}

} // namespace desklet::csv
