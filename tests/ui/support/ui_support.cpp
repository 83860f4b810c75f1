#include "ui/support/ui_support.h"

#include <stdexcept>

#include "scripts/script_files.h"

namespace tg::test {

MsgAnswer ScriptedMessageBox::show(QWidget*, const QString& title, const QString& text,
                                   MsgButtons buttons, MsgIcon icon) {
    shown.append(Shown{title, text, buttons, icon});
    if (!answers.isEmpty()) {
        return answers.takeFirst();
    }
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

QByteArray scripts(const QString& folder) {
    QByteArray all;
    for (std::string_view name : kScriptFiles) {
        all += readFile(folder + QLatin1String(name.data(), static_cast<qsizetype>(name.size()))) +
               '\0';
    }
    return all;
}

namespace {

void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        writeFile(to + QDir(from).relativeFilePath(source), readFile(source));
    }
}

}  // namespace

MainSession::MainSession(bool configured, FileSystem& fs)
    : app(root.path() + QStringLiteral("/editor/")),
      game(root.path() + QStringLiteral("/Tollgrove/")),
      ctx(app.toStdString(), fs) {
    copyTree(QStringLiteral(TGEDIT_DATA_DIR), app);
    copyTree(QStringLiteral(TGEDIT_DEMO_GAME_DIR), game);
    if (configured) {
        project = app + QStringLiteral("Projects/Default/");
        copyTree(game + QStringLiteral("SCRIPTS/DEFAULT"), app + QStringLiteral("Backup/"));
        copyTree(app + QStringLiteral("Backup"), project);
        writeFile(project + QStringLiteral("tgedit.prj"),
                  readFile(app + QStringLiteral("tge.prj")));
        writeFile(app + QStringLiteral("tgedit.cfg"), game.toUtf8() + "\r\n 1 \r\n");
        ctx.state.GamePath = game.toStdString();
        ctx.state.ProjectPath = project.toStdString();
    }
}

QMap<QString, QByteArray> MainSession::snapshot() const {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        entries.insert(entry, it.fileInfo().isDir() ? QByteArray("<folder>") : readFile(entry));
    }
    return entries;
}

frm_project* projectDialog(AppContext& ctx, MessageBoxService& boxes, int type, int from) {
    auto* dialog = new frm_project(ctx, boxes);
    dialog->iDialogType = static_cast<std::int16_t>(type);
    dialog->iLastFormShown = static_cast<std::int16_t>(from);
    dialog->show();
    return dialog;
}

QString shownIn(std::initializer_list<const QWidget*> controls) {
    QStringList texts;
    for (const QWidget* control : controls) {
        const auto* box = qobject_cast<const QLineEdit*>(control);
        texts << (box ? box->text() : qobject_cast<const QComboBox*>(control)->currentText());
    }
    return texts.join(u'|');
}

MainSession::~MainSession() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        windows.append(widget);
    }
    for (const QPointer<QWidget>& widget : windows) {
        delete widget.data();  // a dialog may already have gone with its parent
    }
}

void closeAllWindows() {
    for (QWidget* window : openWindows()) {
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace tg::test
