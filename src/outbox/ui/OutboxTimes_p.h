#pragma once

#include "outbox/Clock.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace desklet::outbox_ui {

// A stored time in the user's zone and the user's short form.
inline QString TimeText(TimePoint time) {
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(time.time_since_epoch().count()).toLocalTime();
    return QLocale().toString(at, QLocale::ShortFormat);
}

// A stored field as one line of a cell: the log keeps what a server or a file
// name said, line breaks and tabs included.
inline QString OneLine(const std::string& text) {
    QString line = QString::fromStdString(text);
    for (QChar& c : line) {
        if (c == u'\r' || c == u'\n' || c == u'\t' || c == QChar(0)) {
            c = u' ';
        }
    }
    return line;
}

inline QString NumbersText(const std::vector<std::string>& numbers) {
    QStringList out;
    for (const std::string& number : numbers) {
        out.append(OneLine(number));
    }
    return out.join(QStringLiteral(", "));
}

} // namespace desklet::outbox_ui
