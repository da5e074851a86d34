// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/ThumbnailCache.h"

#include <QFileInfo>
#include <QImageReader>

namespace kelvora {

QImage ThumbnailCache::thumbnail(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return {};
    const auto found = entries_.constFind(path);
    if (found != entries_.constEnd() && found->modified == info.lastModified() && found->size == info.size())
        return found->image;

    QImageReader reader(path);
    reader.setAutoTransform(true);
    // Scaling while reading keeps a large photo from being decoded at full size.
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > edge || full.height() > edge))
        reader.setScaledSize(full.scaled(edge, edge, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > edge || image.height() > edge))
        image = image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    if (entries_.size() >= maxEntries) entries_.clear();
    entries_.insert(path, Entry{info.lastModified(), info.size(), image});
    return image;
}

} // namespace kelvora
