#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace tg::test {

// A temporary application folder holding the shipped data files (code tables,
// map picture, tge.prj), with helpers to lay out a stand-in game, a finished
// first start and projects inside it.
class AppFolder {
public:
    AppFolder();

    // The folder, ending in '/'.
    QString path() const { return path_; }
    std::string corePath() const { return path_.toStdString(); }
    QString operator/(const QString& relative) const { return path_ + relative; }

    // A stand-in game under a new sibling folder called name: mc.exe and the
    // four scripts in SCRIPTS/DEFAULT. Returns the game folder, ending in '/'.
    QString makeGame(const QString& name = QStringLiteral("Tollgrove"));

    // What a finished first start leaves: Projects, Backup with the game's
    // scripts, tgedit.cfg naming game with the given start count.
    void makeConfigured(const QString& game, int startCount = 1);

    // Every file and folder below the application folder (relative path to
    // content; folders map to "<folder>"), to tell whether anything changed.
    QMap<QString, QByteArray> snapshot() const;

    // The root that holds the application folder and the games.
    QString scratch() const { return root_.path() + u'/'; }

private:
    QTemporaryDir root_;
    QString path_;
};

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
void copyTree(const QString& from, const QString& to);

// Names of the four game scripts.
inline const char* const kScriptNames[] = {"blocksettings.lua", "businesssettings.lua",
                                           "commoditysettings.lua", "hub.lua"};

}  // namespace tg::test
