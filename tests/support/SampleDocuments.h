#pragma once

#include <QString>

namespace desklet::test {

// Writes an A4 PDF of this many pages, each with a frame and its number drawn as
// bars, so that a rendered first page is not blank. False when it cannot be written.
[[nodiscard]] bool WritePdf(const QString& path, int pages);

// Writes an uncompressed 8-bit grey TIFF of this many 2 x 2 frames, built byte by
// byte: Qt's own writer stores a single frame only.
[[nodiscard]] bool WriteTiff(const QString& path, int frames);

} // namespace desklet::test
