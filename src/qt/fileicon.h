// An icon drawn in a few sizes, one PNG file each, that decodes a file only
// when a size near it is first asked for: giving every window the icon
// costs no decoding at start-up, and a desktop that shows the icon at 32
// pixels never decodes the 256-pixel picture.
#pragma once

#include <QIconEngine>
#include <QPixmap>
#include <map>

namespace ondalab::qt {

class FileIconEngine : public QIconEngine {
public:
    // `pattern` names the file of each size with %1 for the size in pixels.
    FileIconEngine(const QString& pattern, std::initializer_list<int> sizes);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override { return QStringLiteral("ondalab-files"); }

private:
    int fileFor(const QSize& size) const;  // the size of the file that serves `size`

    QString pattern_;
    std::map<int, QPixmap> files_;  // by size; null until decoded
};

}  // namespace ondalab::qt
