// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

namespace kelvora {

// Small pictures of the notebook's photos, made once per file and kept in
// memory only: no thumbnail file is written, and the originals are only read.
// A file that changed on disk (time or size) is read again.
class ThumbnailCache {
public:
    static constexpr int edge = 128;

    // The picture of the file at `path`, at most edge x edge with its
    // proportions kept; a null image when the file cannot be read as a picture.
    QImage thumbnail(const QString& path);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        QImage image;
    };
    // Enough for the photos of many glazes; past it the cache starts over.
    static constexpr int maxEntries = 512;
    QHash<QString, Entry> entries_;
};

} // namespace kelvora
