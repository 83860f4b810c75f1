#include "ui/support/app_fixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace tg::test {

namespace {

// Tiny scripts for when the stand-in game is not in the source tree.
QByteArray fixtureScript(const QString& name) {
    return QByteArray("-- ") + name.toLatin1() + " written for the window tests\r\nTweaks = {}\r\n";
}

}  // namespace

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        if (QFileInfo(source).isDir()) {
            QDir().mkpath(target);
        } else {
            writeFile(target, readFile(source));
        }
    }
}

AppFolder::AppFolder() {
    if (!root_.isValid()) {
        throw std::runtime_error("no temporary folder");
    }
    path_ = root_.path() + QStringLiteral("/editor/");
    QDir().mkpath(path_);
    const QString data = QStringLiteral(TGEDIT_DATA_DIR);
    if (QDir(data).exists() && !QDir(data).isEmpty()) {
        copyTree(data, path_);
    } else {
        writeFile(path_ + QStringLiteral("tge.prj"), "DO NOT DELETE THIS FILE.\r\n 0 \r\n");
    }
}

QString AppFolder::makeGame(const QString& name) {
    const QString game = scratch() + name + u'/';
    const QString demo = QStringLiteral(TGEDIT_DEMO_GAME_DIR);
    if (QDir(demo).exists() && !QDir(demo).isEmpty()) {
        copyTree(demo, game);
    } else {
        writeFile(game + QStringLiteral("mc.exe"), "stand-in program file");
        for (const char* script : kScriptNames) {
            writeFile(game + QStringLiteral("SCRIPTS/DEFAULT/") + QLatin1String(script),
                      fixtureScript(QLatin1String(script)));
        }
    }
    return game;
}

void AppFolder::makeConfigured(const QString& game, int startCount) {
    QDir().mkpath(path_ + QStringLiteral("Projects"));
    QDir().mkpath(path_ + QStringLiteral("Backup"));
    QDir scripts(game + QStringLiteral("SCRIPTS/DEFAULT"));
    for (const char* script : kScriptNames) {
        writeFile(path_ + QStringLiteral("Backup/") + QLatin1String(script),
                  readFile(scripts.filePath(QLatin1String(script))));
    }
    writeFile(path_ + QStringLiteral("tgedit.cfg"),
              game.toUtf8() + "\r\n " + QByteArray::number(startCount) + " \r\n");
}

QMap<QString, QByteArray> AppFolder::snapshot() const {
    QMap<QString, QByteArray> entries;
    QDirIterator it(path_, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QString relative = QDir(path_).relativeFilePath(entry);
        entries.insert(relative,
                       QFileInfo(entry).isDir() ? QByteArray("<folder>") : readFile(entry));
    }
    return entries;
}

}  // namespace tg::test
