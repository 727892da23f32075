// The dialog service and its real Qt implementation.
#include "ui/DialogService.h"

#include <QDir>

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

DialogService *installedService = nullptr;

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

// One filter entry of a described filter: its description and its patterns.
struct FilterEntry {
    QString description;
    QStringList patterns;
};

QList<FilterEntry> filterEntries(const QString &described)
{
    QList<FilterEntry> entries;
    const QStringList parts = described.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries.append({parts[i], parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)});
    return entries;
}

void prepare(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    const QStringList filters = DialogText::qtNameFilters(request.filter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(request.defaultExtension);
    // The Qt dialog keeps the Spanish texts and the filters exactly as given.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
}

FileDialogResult run(QFileDialog &dialog)
{
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.path = dialog.selectedFiles().constFirst();
    result.filterIndex = int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
    return result;
}

} // namespace

DialogService &DialogService::instance()
{
    static QtDialogService realService;
    return installedService ? *installedService : realService;
}

void DialogService::setInstance(DialogService *service)
{
    installedService = service;
}

int DialogService::execModal(QDialog &dialog)
{
    return dialog.exec();
}

MessageAnswer QtDialogService::message(QWidget *parent, const QString &text, const QString &caption,
                                       MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(qtIcon(icon), caption, DialogText::withLineBreaks(text), qtButtons(buttons), parent);
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}

FileDialogResult QtDialogService::openFile(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    prepare(dialog, request);
    return run(dialog);
}

FileDialogResult QtDialogService::saveFile(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog, request);
    return run(dialog);
}

namespace DialogText {

QString withLineBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r')) {
            result += QLatin1Char('\n');
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

QString qtNameFilters(const QString &describedFilter)
{
    QStringList filters;
    for (const FilterEntry &entry : filterEntries(describedFilter)) {
        QStringList patterns;
        for (const QString &pattern : entry.patterns) {
            for (const QString &variant : {pattern, pattern.toUpper(), pattern.toLower()})
                if (!patterns.contains(variant))
                    patterns.append(variant);
        }
        // Qt reads the patterns from the last parentheses of each filter.
        QString description = entry.description;
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        filters.append(QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' '))));
    }
    return filters.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString &path, const QString &extension)
{
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

QString openedPath(const QString &path, const QString &extension)
{
    if (QFileInfo::exists(path))
        return path;
    return withDefaultExtension(path, extension);
}

} // namespace DialogText

FileDialogRequest FileDialogRequest::forExerciseFiles(const QString &title, const QString &filter)
{
    FileDialogRequest request;
    request.title = title;
    request.initialFolder = QDir::currentPath();
    request.filter = filter;
    request.defaultExtension = QStringLiteral("txt");
    return request;
}
