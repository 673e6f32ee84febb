#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <optional>

namespace corlinth::gui {

// What a file dialog asks for. Filters are written the program's way:
// "Rich Text Format (*.rtf)|*.rtf|Text Documents (*.txt)|*.txt|All Files (*.*)|*.*".
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString folder;
    QString proposedName;
    QString filter;
    QString defaultExtension;  // without the dot: "rtf"
    bool askBeforeOverwrite = true;
};

// Every modal file dialog of the program goes through here. Tests queue the answers the
// "user" gives, so no dialog ever blocks them; a queued empty answer is a cancelled dialog.
class FileDialogs {
  public:
    // The chosen path, or nothing when the dialog was cancelled.
    static std::optional<QString> ask(QWidget* parent, const FileDialogRequest& request);

    static void queueAnswer(std::optional<QString> path);
    static bool hasQueuedAnswers();
    static void clearQueuedAnswers();
    // The requests made while answers were queued, newest last (tests read titles and names).
    static const std::deque<FileDialogRequest>& askedRequests();

    // "A (*.a)|*.a|B (*.b)|*.b" as Qt's ";;"-separated name filters.
    static QStringList qtFilters(const QString& programFilter);
};

}  // namespace corlinth::gui
