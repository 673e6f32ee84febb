#include "gui/document/FileDialogs.h"

#include <QFileDialog>

namespace corlinth::gui {
namespace {

std::deque<std::optional<QString>>& queued() {
    static std::deque<std::optional<QString>> answers;
    return answers;
}

std::deque<FileDialogRequest>& asked() {
    static std::deque<FileDialogRequest> requests;
    return requests;
}

}  // namespace

QStringList FileDialogs::qtFilters(const QString& programFilter) {
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty()) {
            filters << parts[i];
        }
    }
    return filters;
}

std::optional<QString> FileDialogs::ask(QWidget* parent, const FileDialogRequest& request) {
    if (!queued().empty()) {
        asked().push_back(request);
        std::optional<QString> answer = queued().front();
        queued().pop_front();
        return answer;
    }
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setNameFilters(qtFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (request.kind == FileDialogRequest::Kind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeOverwrite);
        if (!request.proposedName.isEmpty()) {
            dialog.selectFile(request.proposedName);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

void FileDialogs::queueAnswer(std::optional<QString> path) {
    queued().push_back(std::move(path));
}

bool FileDialogs::hasQueuedAnswers() {
    return !queued().empty();
}

void FileDialogs::clearQueuedAnswers() {
    queued().clear();
    asked().clear();
}

const std::deque<FileDialogRequest>& FileDialogs::askedRequests() {
    return asked();
}

}  // namespace corlinth::gui
