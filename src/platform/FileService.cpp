#include "platform/FileService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

namespace corlinth::platform {
namespace {

QString q(const std::string& path) {
    return QString::fromStdString(path);
}

FileResult failure(const QString& message) {
    return {false, message.toStdString()};
}

}  // namespace

std::optional<std::string> readFile(const std::string& path, std::string* error,
                                    std::uint64_t limit) {
    QFile file(q(path));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString().toStdString();
        return std::nullopt;
    }
    if (static_cast<std::uint64_t>(file.size()) > limit) {
        if (error)
            *error = "File too large.";
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString().toStdString();
        return std::nullopt;
    }
    return bytes.toStdString();
}

FileResult writeFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(q(path));
    // A read-only target must not be replaced by the rename (which the folder would allow).
    if (isReadOnly(path)) {
        return failure(QStringLiteral("Access denied: %1").arg(q(path)));
    }
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(file.errorString());
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const QString message = file.errorString();
        file.cancelWriting();
        return failure(message);
    }
    if (!file.commit()) {
        return failure(file.errorString());
    }
    return {};
}

bool fileExists(const std::string& path) {
    return QFileInfo(q(path)).isFile();
}

std::optional<std::uint64_t> fileSize(const std::string& path) {
    const QFileInfo info(q(path));
    if (!info.isFile()) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.size());
}

bool isReadOnly(const std::string& path) {
    // The owner's write bit is the read-only attribute; effective access would say "writable"
    // to the superuser for every file.
    const QFileInfo info(q(path));
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

FileResult setReadOnly(const std::string& path, bool readOnly) {
    QFile file(q(path));
    QFileDevice::Permissions permissions = file.permissions();
    const QFileDevice::Permissions write =
        QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup;
    permissions = readOnly ? (permissions & ~(write | QFileDevice::WriteOther))
                           : (permissions | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (!file.setPermissions(permissions)) {
        return failure(file.errorString());
    }
    return {};
}

FileResult makeFolders(const std::string& path) {
    if (!QDir().mkpath(q(path))) {
        return failure(QStringLiteral("Cannot create the folder %1").arg(q(path)));
    }
    return {};
}

std::uint64_t freeSpace(const std::string& path) {
    QFileInfo info(q(path));
    QString existing = info.absoluteFilePath();
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing) {
            break;
        }
        existing = parent;
    }
    const QStorageInfo storage(existing);
    if (!storage.isValid()) {
        return 0;
    }
    return static_cast<std::uint64_t>(storage.bytesAvailable());
}

std::string currentDirectory() {
    return QDir::toNativeSeparators(QDir::currentPath()).toStdString();
}

std::string userDocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath() + QStringLiteral("/Documents");
    }
    return QDir::toNativeSeparators(folder).toStdString();
}

std::string loginName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty()) {
        name = qEnvironmentVariable("USERNAME");
    }
    return name.toStdString();
}

char nativeSeparator() {
    return QDir::separator().toLatin1();
}

}  // namespace corlinth::platform
