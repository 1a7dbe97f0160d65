#include "base/filedialog.h"

#include <QFileDialog>

namespace {
struct Memory
{
    QString lastFilter;
    int lastIndex = 0;
    FileDialogHooks::Responder responder;
};
Memory& State()
{
    static Memory memory;
    return memory;
}
} // namespace

void FileDialogHooks::SetResponder(Responder responder)
{
    State().responder = std::move(responder);
}

void FileDialogHooks::Reset()
{
    State().lastFilter.clear();
    State().lastIndex = 0;
}

QStringList FileDialogHooks::NameFilters(const QString& filter)
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
    Memory& memory = State();
    if (filter != memory.lastFilter) {
        memory.lastFilter = filter;
        memory.lastIndex = 1;
    }
    FileDialogRequest request{mode, title, defaultName, filter, initialDir, defaultExt, memory.lastIndex};
    if (memory.responder) {
        int index = request.filterIndex;
        const QString path = memory.responder(request, index);
        memory.lastIndex = index;
        return path;
    }

    QFileDialog dialog(owner, title, initialDir);
    const QStringList names = FileDialogHooks::NameFilters(filter);
    dialog.setNameFilters(names);
    if (memory.lastIndex >= 1 && memory.lastIndex <= names.size())
        dialog.selectNameFilter(names.at(memory.lastIndex - 1));
    dialog.setDefaultSuffix(defaultExt);
    if (mode == FileDialogMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!defaultName.isEmpty())
            dialog.selectFile(defaultName);
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const qsizetype chosen = names.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0)
        memory.lastIndex = int(chosen) + 1;
    if (!accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
