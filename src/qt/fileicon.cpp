#include "qt/fileicon.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace ondalab::qt {

FileIconEngine::FileIconEngine(const QString& pattern, std::initializer_list<int> sizes) : pattern_(pattern) {
    for (const int size : sizes) files_[size];
}

// The smallest file at least as large as asked, else the largest: a picture
// is only ever scaled down.
int FileIconEngine::fileFor(const QSize& size) const {
    const auto it = files_.lower_bound(std::max(size.width(), size.height()));
    return it == files_.end() ? files_.rbegin()->first : it->first;
}

QSize FileIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const int side = fileFor(size);
    return QSize(side, side).scaled(size.boundedTo(QSize(side, side)), Qt::KeepAspectRatio);
}

QList<QSize> FileIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> out;
    for (const auto& [side, picture] : files_) out.append(QSize(side, side));
    return out;
}

QPixmap FileIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    QPixmap& file = files_[fileFor(size)];
    if (file.isNull()) file.load(pattern_.arg(fileFor(size)));
    QPixmap out = file;
    const QSize want = actualSize(size, mode, state);
    if (out.size() != want) out = out.scaled(want, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QStyleOption opt;
        opt.palette = QGuiApplication::palette();
        out = QApplication::style()->generatedIconPixmap(mode, out, &opt);
    }
    return out;
}

void FileIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap pm = pixmap(rect.size() * ratio, mode, state);
    pm.setDevicePixelRatio(ratio);
    const QSize shown = pm.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                      (rect.height() - shown.height()) / 2),
                              shown),
                        pm);
}

QIconEngine* FileIconEngine::clone() const { return new FileIconEngine(*this); }

}  // namespace ondalab::qt
