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
// not valid UTF-8 still reaches the disk unchanged. On Windows the core's
// paths are UTF-8, which it turns into the system's UTF-16 names.
inline std::string toCorePath(const QString& path) {
#ifdef _WIN32
    return QDir::toNativeSeparators(path).toUtf8().toStdString();
#else
    return QFile::encodeName(QDir::toNativeSeparators(path)).toStdString();
#endif
}

inline QString fromCorePath(const std::string& path) {
#ifdef _WIN32
    return QDir::fromNativeSeparators(QString::fromUtf8(path.data(), qsizetype(path.size())));
#else
    return QDir::fromNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
#endif
}

// The core's message texts.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tg
