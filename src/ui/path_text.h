#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace tg {

// Paths cross between the windows (QString) and the core (bytes in a
// std::string) in the file system's own encoding, so a folder name that is
// not valid UTF-8 still reaches the disk unchanged.
inline std::string toCorePath(const QString& path) {
    return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
}

inline QString fromCorePath(const std::string& path) {
    return QDir::fromNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

// The core's message texts.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tg
