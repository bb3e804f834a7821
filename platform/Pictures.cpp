#include "Pictures.h"

#include <QImageReader>

namespace platform {

QPixmap LoadPicture(const QString& path) {
    if (path.isEmpty()) return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return QPixmap::fromImage(image);
}

QPixmap FitPicture(const QPixmap& picture, const QSize& box) {
    if (picture.isNull() || box.isEmpty()) return picture;
    return picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool IsPictureFile(const QString& path) {
    if (path.isEmpty()) return false;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}

}  // namespace platform
