#include "support/SampleDocuments.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdint>
#include <string>

namespace desklet::test {
namespace {

void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

bool WritePdf(const QString& path, int pages) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !writer.newPage()) {
            return false;
        }
        painter.setPen(QPen(Qt::black, 8));
        painter.drawRect(40, 40, 515, 760);
        for (int bar = 0; bar < page; ++bar) {
            painter.fillRect(80 + bar * 40, 80, 24, 200, Qt::darkBlue);
        }
    }
    return painter.end();
}

bool WriteTiff(const QString& path, int frames) {
    constexpr std::uint32_t kSide = 2;
    constexpr std::uint32_t kPixels = kSide * kSide;
    constexpr std::uint16_t kEntries = 9;
    constexpr std::uint32_t kIfdSize = 2 + kEntries * 12 + 4;
    const std::uint32_t firstIfd = 8 + kPixels * static_cast<std::uint32_t>(frames);

    std::string out = "II*";
    out += '\0';
    Put32(out, firstIfd);
    for (int frame = 0; frame < frames; ++frame) {
        out.append(kPixels, static_cast<char>(0x40 * (frame + 1)));
    }
    for (int frame = 0; frame < frames; ++frame) {
        const auto entry = [&out](std::uint16_t tag, std::uint16_t type, std::uint32_t value) {
            Put16(out, tag);
            Put16(out, type);
            Put32(out, 1);
            // A SHORT sits in the first two bytes of the value field.
            Put32(out, value);
        };
        constexpr std::uint16_t kShort = 3;
        constexpr std::uint16_t kLong = 4;
        Put16(out, kEntries);
        entry(256, kShort, kSide);                                          // width
        entry(257, kShort, kSide);                                          // length
        entry(258, kShort, 8);                                              // bits per sample
        entry(259, kShort, 1);                                              // no compression
        entry(262, kShort, 1);                                              // black is zero
        entry(273, kLong, 8 + kPixels * static_cast<std::uint32_t>(frame)); // strip offset
        entry(277, kShort, 1);                                              // samples per pixel
        entry(278, kShort, kSide);                                          // rows per strip
        entry(279, kLong, kPixels);                                         // strip byte count
        const bool last = frame == frames - 1;
        Put32(out, last ? 0 : firstIfd + kIfdSize * static_cast<std::uint32_t>(frame + 1));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(out.data(), static_cast<qint64>(out.size())) == static_cast<qint64>(out.size());
}

} // namespace desklet::test
