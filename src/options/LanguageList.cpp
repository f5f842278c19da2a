#include "options/LanguageList.h"

#include "app/Workspace.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace zz {

namespace {

const QString kExtension = QStringLiteral(".lng");

#ifdef Q_OS_WIN
// Windows lists a file only when it carries no attribute beyond these: read-only, temporary,
// compressed, encrypted and offline files and reparse points (links) stay out.
bool isListableFile(const QFileInfo& info) {
    const std::wstring path = QDir::toNativeSeparators(info.absoluteFilePath()).toStdWString();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    constexpr DWORD allowed = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                              FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_SPARSE_FILE |
                              FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    return (attributes & ~allowed) == 0;
}

bool hasLanguageExtension(const QString& fileName) {
    return fileName.endsWith(kExtension, Qt::CaseInsensitive);
}
#else
// A regular file, not a link, that its owner may write: a file without the owner's write
// permission is what Windows calls read-only. Checked on the mode bits rather than by access
// rights, which root always has.
bool isListableFile(const QFileInfo& info) {
    return !info.isSymLink() && info.isFile() && info.permissions().testFlag(QFileDevice::WriteOwner);
}

// The language loader opens <name>.lng exactly, so only that spelling names a language here.
bool hasLanguageExtension(const QString& fileName) {
    return fileName.endsWith(kExtension, Qt::CaseSensitive);
}
#endif

bool isPlainFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// The user's alphabet, letter case ignored: Čeština comes before Dansk. Names the collation
// holds equal keep a fixed order.
void sortForTheUser(QStringList& names) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

} // namespace

QStringList languageFileNames(const QString& languageDir) {
    const QDir dir(languageDir);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QStringList names;
    for (const QFileInfo& info : entries) {
        const QString fileName = info.fileName();
        if (fileName.size() > kExtension.size() && hasLanguageExtension(fileName) && isListableFile(info))
            names.append(fileName);
    }
    sortForTheUser(names);
    return names;
}

QStringList languageChoices(const QString& languageDir) {
    QStringList names = languageFileNames(languageDir);
    if (names.isEmpty())
        names.append(QStringLiteral("English") + kExtension);
    return names;
}

QString languageNameOfEntry(const QString& entry) {
    return entry.chopped(std::min<qsizetype>(4, entry.size()));
}

int languagePageCount(int count) {
    return count <= 0 ? 0 : (count + kLanguageSlotsPerPage - 1) / kLanguageSlotsPerPage;
}

std::optional<QString> entryAtSlot(const QStringList& entries, int page, int slot) {
    if (page < 1 || slot < 1 || slot > kLanguageSlotsPerPage)
        return std::nullopt;
    const qsizetype index = qsizetype(page - 1) * kLanguageSlotsPerPage + slot - 1;
    if (index >= entries.size())
        return std::nullopt;
    return entries[index];
}

QString flagPicture(const QString& languageDir, const QString& name) {
    const QString own = joinPath(languageDir, name + QStringLiteral(".bmp"));
    if (isPlainFile(own))
        return own;
    const QString fallback = joinPath(languageDir, QStringLiteral("DefaultFlag.bmp"));
    if (isPlainFile(fallback))
        return fallback;
    return {};
}

int nextLanguagePage(int showPage, int pageCount) {
    return pageCount >= showPage + 1 ? showPage + 1 : showPage;
}

int previousLanguagePage(int showPage) {
    return showPage - 1 > 0 ? showPage - 1 : showPage;
}

LanguagePageView languagePage(const QStringList& entries, int page, const TextTable& texts,
                              const QString& languageDir, const QString& languageInUse) {
    LanguagePageView view;
    view.pageCount = languagePageCount(int(entries.size()));
    view.page = std::clamp(page, 1, std::max(1, view.pageCount));
    view.selectedLabel = texts[42] + languageInUse;
    view.pageLabel = texts[43] + QString::number(view.page) + texts[44] + QString::number(view.pageCount);
    view.previousVisible = view.page != 1;
    view.nextVisible = view.page < view.pageCount;
    for (int slot = 1; slot <= kLanguageSlotsPerPage; ++slot) {
        const std::optional<QString> entry = entryAtSlot(entries, view.page, slot);
        if (!entry)
            break;
        const QString name = languageNameOfEntry(*entry);
        view.languages.append({name, flagPicture(languageDir, name)});
    }
    return view;
}

QString languageChangeQuestion(const TextTable& texts, const QString& from, const QString& to) {
    return texts[54] + from + texts[55] + to + texts[56];
}

} // namespace zz
