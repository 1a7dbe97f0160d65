#include "base/filedialog.h"

#include "base/userprompts.h"

#include <QFileDialog>

QStringList FileNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QChar(0));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

QString FileDialog(QWidget* owner, FileDialogMode mode, const QString& title, const QString& defaultName,
                   const QString& filter, const QString& initialDir, const QString& defaultExt)
{
    UserPrompts& prompts = UserPrompts::For(owner);
    const FileDialogRequest request{
        mode, title, defaultName, filter, initialDir, defaultExt, prompts.FilterIndexFor(filter)};
    int index = request.filterIndex;
    const QString path = prompts.ChooseFile(owner, request, index);
    prompts.KeepFilterIndex(index);
    return path;
}

QString RunFileDialog(QWidget* owner, const FileDialogRequest& request, int& filterIndex)
{
    QFileDialog dialog(owner, request.title, request.initialDir);
    const QStringList names = FileNameFilters(request.filter);
    dialog.setNameFilters(names);
    if (request.filterIndex >= 1 && request.filterIndex <= names.size())
        dialog.selectNameFilter(names.at(request.filterIndex - 1));
    dialog.setDefaultSuffix(request.defaultExt);
    if (request.mode == FileDialogMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else if (request.mode == FileDialogMode::Folder) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!request.defaultName.isEmpty())
            dialog.selectFile(request.defaultName);
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const qsizetype chosen = names.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0)
        filterIndex = int(chosen) + 1;
    if (!accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
