#include "platform/DocumentInstaller.h"

#include <QDir>
#include <QFile>

#include "core/app/ClickHintRewrite.h"
#include "core/app/ShellTexts.h"
#include "platform/FileService.h"

namespace corlinth::platform {
namespace {

QString resourcePath(const std::string& folder, std::string_view name) {
    const QDir dir(QString::fromStdString(folder));
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (QFile::exists(dir.filePath(wanted))) {
        return dir.filePath(wanted);
    }
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return {};
}

// Writes one document; the reason when it could not be written.
std::optional<std::string> writeDocument(const InstallStep& step, const ResourceFolder& resources,
                                         const FontSpec& rewriteFont) {
    std::string error;
    std::optional<std::string> bytes = resources.read(step.resource, error);
    if (!bytes) {
        return error;
    }
    if (step.rewriteClickHints) {
        if (auto rewritten = rewriteClickHintsInDocument(*bytes, rewriteFont)) {
            bytes = std::move(rewritten);
        }
    }
    if (fileExists(step.path) && isReadOnly(step.path)) {
        if (const FileResult cleared = setReadOnly(step.path, false); !cleared) {
            return cannotCreateFile(step.path, cleared.error);
        }
    }
    if (const FileResult written = writeFileAtomically(step.path, *bytes); !written) {
        return cannotCreateFile(step.path, written.error);
    }
    if (const FileResult locked = setReadOnly(step.path, true); !locked) {
        return cannotCreateFile(step.path, locked.error);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ResourceFolder::read(std::string_view resourceName,
                                                std::string& error) const {
    const QString path = resourcePath(m_folder, resourceName);
    if (path.isEmpty()) {
        error = resourceNotFound(resourceName);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString().toStdString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString().toStdString();
        return std::nullopt;
    }
    return bytes.toStdString();
}

InstallReport installDocuments(const std::vector<InstallStep>& plan,
                               const ResourceFolder& resources, const FontSpec& rewriteFont) {
    InstallReport report;
    std::string_view productWithoutFolder;
    for (const InstallStep& step : plan) {
        if (step.kind == InstallStep::Kind::MakeFolder) {
            productWithoutFolder = {};
            if (const FileResult made = makeFolders(step.path); !made) {
                report.failures.push_back(made.error);
                productWithoutFolder = step.product;
            }
            continue;
        }
        // The examples of a product whose folder is missing would each fail the same way;
        // its help document goes elsewhere and is still written.
        if (!step.helpDocument && !productWithoutFolder.empty() &&
            step.product == productWithoutFolder) {
            continue;
        }
        if (auto failure = writeDocument(step, resources, rewriteFont)) {
            report.failures.push_back(std::move(*failure));
        } else {
            ++report.documentsWritten;
        }
    }
    return report;
}

}  // namespace corlinth::platform
